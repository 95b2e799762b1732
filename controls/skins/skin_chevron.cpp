#include "controls/skins/skin_chevron.h"

#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/view.h"

#include <span>

namespace {

// Two arrows pointing at the hidden items: right on a horizontal toolbar, down on a vertical one.
constexpr uint8_t HorizontalGlyph[] = {0xCC, 0x66, 0x33, 0x66, 0xCC};
constexpr uint8_t VerticalGlyph[] = {0x88, 0xD8, 0x70, 0x20, 0x88, 0xD8, 0x70, 0x20};

} // namespace

TBarItemViewerClass TQvChevronItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TQvChevronItemViewer>();
}

TBarPopupWindowClass TQvChevronItem::GetPopupWindowClass()
{
    return TBarPopupWindowClass::Of<TQvChevronPopupWindow>();
}

void TQvChevronItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool, bool, bool)
{
    TQvMenuItemInfo info;
    FillMenuItemInfo(canvas, *this, info);
    PaintItemBackground(canvas, clientAreaRect, info);
    const TRect& r = clientAreaRect;
    const bool vertical = View()->Orientation() == tbvoVertical;
    TRect glyphRect = vertical ? TRect{r.Right - 9, r.Top, r.Right - 4, r.Bottom}
                               : TRect{r.Left, r.Top + 4, r.Right, r.Top + 9};
    if (info.Pushed)
        OffsetRect(glyphRect, 1, 1);
    const std::span<const uint8_t> rows =
        vertical ? std::span<const uint8_t>(VerticalGlyph) : std::span<const uint8_t>(HorizontalGlyph);
    const int width = vertical ? 5 : 8;
    const int height = vertical ? 8 : 5;
    if (!info.Enabled) {
        TRect shadow = glyphRect;
        OffsetRect(shadow, 1, 1);
        DrawMonoGlyph(canvas, shadow, width, height, rows, clBtnHighlight);
        DrawMonoGlyph(canvas, glyphRect, width, height, rows, clBtnShadow);
        return;
    }
    const TColor color = info.SkinType == sknSkin ? GetTextColor(info.State) : clBtnText;
    DrawMonoGlyph(canvas, glyphRect, width, height, rows, color);
}

TColor TQvChevronItemViewer::GetTextColor(TQvSkinStatesType state)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    if (!IsToolbarStyle())
        return skin->GetTextColor(skncMenuItem, state);
    if (auto* toolbar = dynamic_cast<IQvItemsToolbar*>(View()->Window()))
        if (const TColor color = toolbar->ItemsTextColor(state); color != clNone)
            return color;
    return skin->GetTextColor(skncToolbarItem, state);
}

void TQvChevronPopupWindow::Dispatch(TMessage& message)
{
    TQvPopupWindow::Dispatch(message);
    if (message.Msg == CM_COLORCHANGED)
        ColorChanged();
}

void TQvChevronPopupWindow::ColorChanged()
{
    TBarView* view = View();
    if (!view || !dynamic_cast<TQvPopupWindowView*>(view) || !view->IsToolbar() || Color() != clBtnFace)
        return;
    TBarView* parentView = view->ParentView();
    auto* toolbar = parentView ? dynamic_cast<IQvChevronToolbar*>(parentView->Owner()) : nullptr;
    if (toolbar && toolbar->ChevronVertical()) {
        view->SetIsToolbar(false);
        SetColor(clMenu);
    }
}
