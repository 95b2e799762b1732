#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/system_metrics.h"

// --- label
// ---------------------------------------------------------------------------------------------------

void TQvLabelItemViewer::CalcSize(TCanvas& canvas, int& width, int& height)
{
    TQvItemViewer::CalcSize(canvas, width, height);
    // In a menu a label is a line of text, without the entries' margins.
    if (!IsToolbarStyle() && !Item()->Caption().empty() && Item()->CustomHeight() < 0)
        height = canvas.TextMetrics().tmHeight;
}

// --- separator
// -----------------------------------------------------------------------------------------------

void TQvSeparatorItemViewer::CalcSize(TCanvas&, int& width, int& height)
{
    if (IsToolbarStyle()) {
        width = height = 6;
        return;
    }
    height = GetCurrentSkin()->CompactMenu() ? 4 : 10;
}

void TQvSeparatorItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool, bool, bool)
{
    if (auto* separator = dynamic_cast<TBarSeparatorItem*>(Item()); separator && separator->Blank())
        return;
    TRect r = clientAreaRect;
    const bool inPopup = View()->IsPopup();
    const bool toolbarStyled = Item()->EffectiveOptions().Contains(tboToolbarStyle);
    bool lineIsVertical = false;
    if (inPopup) {
        const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
        if (GetSkinManager().GetSkinType() == sknNone) {
            if (!toolbarStyled)
                InflateRect(r, -MenuSeparatorInset(), 0);
        } else if (!toolbarStyled && (IsVistaOrLater() || !skin->Options(skncGutter).IsEmpty())) {
            // The line starts where the captions do, right of the gutter.
            TQvMenuItemMarginsInfo margins;
            skin->GetMenuItemMargins(canvas, MenuMarginsImageWidth(*View(), 0), margins);
            r.Left = margins.GutterSize + margins.ImageTextSpace +
                     (IsVistaOrLater() ? 0 : margins.LeftCaptionMargin);
        }
    } else {
        lineIsVertical = View()->Orientation() != tbvoVertical;
    }
    PaintSeparator(canvas, r, inPopup, lineIsVertical);
}

// --- window menu
// ---------------------------------------------------------------------------------------------

void TQvSystemMenuItemViewer::CalcSize(TCanvas&, int& width, int& height)
{
    width = GetSystemMetrics(SM_CXSMICON) + 2;
    height = GetSystemMetrics(SM_CYSMICON) + 2;
}

void TQvSystemMenuItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool, bool, bool)
{
    // The forms of this layer give no icon back to draw; the entry keeps its room and paints its face.
    TQvMenuItemInfo info;
    FillMenuItemInfo(canvas, *this, info);
    bool paintDefault = true;
    DoDrawItem(canvas, clientAreaRect, info, pstPrePaint, paintDefault);
    paintDefault = true;
    DoDrawItem(canvas, clientAreaRect, info, pstPostPaint, paintDefault);
}
