// The smaller pieces of skinned items: separator lines, item images, the popup's gutter and the hint
// background.

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_entry_painting.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/bar_image_list.h"
#include "platform/gui/graphics/theme.h"

#include <memory>

namespace {

void PaintEtchedSeparator(TCanvas& canvas, const TRect& rect, bool lineIsVertical)
{
    TSavedCanvasState saved(canvas);
    TRect r = rect;
    if (lineIsVertical) {
        r.Left = (rect.Left + rect.Right) / 2 - 1;
        DrawEdge(canvas, r, EDGE_ETCHED, BF_LEFT);
    } else {
        r.Top = (rect.Top + rect.Bottom) / 2 - 1;
        DrawEdge(canvas, r, EDGE_ETCHED, BF_TOP);
    }
}

void PaintSkinnedSeparator(const TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect,
                           bool lineIsVertical)
{
    const TQvSkinOptionEntry& body = skin.Options(skncSeparator).Body;
    if (lineIsVertical) {
        const int x = (rect.Left + rect.Right) / 2 - 1;
        DrawLineColor(canvas, x, rect.Top + 3, x, rect.Bottom - 3, body.Color1);
        DrawLineColor(canvas, x + 1, rect.Top + 3, x + 1, rect.Bottom - 3, body.Color2);
    } else {
        const int y = (rect.Top + rect.Bottom) / 2 - 1;
        DrawLineColor(canvas, rect.Left, y, rect.Right, y, body.Color1);
        DrawLineColor(canvas, rect.Left, y + 1, rect.Right, y + 1, body.Color2);
    }
}

bool IsImageInList(const TCustomImageList* imageList, int imageIndex)
{
    return imageList && imageIndex >= 0 && imageIndex < imageList->Count();
}

} // namespace

void PaintSeparator(TCanvas& canvas, const TRect& rect, bool inPopup, bool lineIsVertical)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintEtchedSeparator(canvas, rect, lineIsVertical);
        break;
    case sknWindows:
        if (inPopup) {
            const TThemedElementDetails details = GetElementDetails(tmPopupSeparator);
            const int height = skin->GetThemedElementSize(canvas, details).cy;
            skin->PaintThemedElementBackground(canvas, CenterRectVertically(rect, height), details);
        } else {
            skin->PaintThemedElementBackground(canvas, rect, skncSeparator, lineIsVertical, false, false,
                                               false, false, false, false);
        }
        break;
    case sknSkin:
        PaintSkinnedSeparator(*skin, canvas, rect, lineIsVertical);
        break;
    }
}

void PaintItemImage(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                    TCustomImageList* imageList, int imageIndex)
{
    if (!IsImageInList(imageList, imageIndex)) {
        return;
    }
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    TRect r = rect;
    if (auto* stateful = dynamic_cast<TBarCustomImageList*>(imageList)) {
        if (itemInfo.IsSunkenCaption) {
            OffsetRect(r, 1, 1);
        }
        TSavedCanvasState saved(canvas);
        stateful->DrawState(canvas, r.Left, r.Top, imageIndex, itemInfo.Enabled, itemInfo.HotTrack,
                            itemInfo.Checked);
        return;
    }
    if (itemInfo.Enabled && skin->IconShadow()) {
        if (itemInfo.HotTrack && !itemInfo.Pushed) {
            // The shadow a pixel down and right of the normal place, the image a pixel up and left of it.
            OffsetRect(r, 1, 1);
            DrawImageShadow(canvas, r, *imageList, imageIndex);
            OffsetRect(r, -2, -2);
        }
    } else if (itemInfo.IsSunkenCaption) {
        OffsetRect(r, 1, 1);
    }
    DrawImageListImage(canvas, r, imageList, imageIndex, itemInfo.Enabled, false);
}

void PaintMenuGutter(TCanvas& canvas, const TRect& rect)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        break;
    case sknWindows: {
        TThemedElementDetails details;
        if (skin->GetThemedElementDetails(skncGutter, sknsNormal, details)) {
            skin->PaintThemedElementBackground(canvas, rect, details);
        }
        break;
    }
    case sknSkin: {
        const TQvSkinOptionCategory& gutter = skin->Options(skncGutter);
        if (!gutter.Body.IsEmpty()) {
            PaintEntryBody(canvas, rect, gutter, false);
        }
        // The gutter's edge: the second colour on the column right of it, the first on its last column.
        DrawLineColor(canvas, rect.Right, rect.Top, rect.Right, rect.Bottom, gutter.Borders.Color2);
        DrawLineColor(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom, gutter.Borders.Color1);
        break;
    }
    }
}

void PaintHintBackground(TCanvas& canvas, const TRect& rect)
{
    if (GetSkinManager().GetSkinType() == sknWindows) {
        if (HTHEME theme = OpenThemeData("tooltip")) {
            // The part's frame lies outside the hint: only its inside shows.
            TRect face = rect;
            InflateRect(face, 4, 4);
            const bool drawn = DrawThemeBackground(theme, canvas, TTP_STANDARD, TTSS_NORMAL, face, &rect);
            CloseThemeData(theme);
            if (drawn) {
                return;
            }
        }
    }
    // Without the theme's tooltip part, the hint keeps the canvas's own background.
    canvas.FillRect(rect);
}
