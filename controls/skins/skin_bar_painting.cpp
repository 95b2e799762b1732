// The bodies of popups and status bars, caption bars and frames of floating windows in the look in force.

#include "controls/skins/skin_bar_painting.h"

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/canvas.h"

namespace {

// The skin type the popup body is painted for: the theme's popup parts came with the newer platforms.
TQvSkinType PopupSkinType()
{
    const TQvSkinType type = GetSkinManager().GetSkinType();
    return type == sknWindows && !IsVistaOrLater() ? sknNone : type;
}

void PaintClassicPopup(TCanvas& canvas, const TRect& rect)
{
    if (AreFlatMenusEnabled()) {
        FillRectColors(canvas, rect, clMenu, clBtnShadow);
        return;
    }
    TSavedCanvasState saved(canvas);
    TRect inside = rect;
    DrawEdge(canvas, inside, EDGE_RAISED, BF_RECT | BF_ADJUST);
    FillRectColors(canvas, inside, clBtnFace, clNone);
}

// The image column of a skinned menu, as wide as the entries' margins make it.
void PaintSkinnedPopupGutter(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect, int imageWidth)
{
    if (skin.Options(skncGutter).IsEmpty())
        return;
    TQvMenuItemMarginsInfo margins;
    skin.GetMenuItemMargins(canvas, imageWidth <= 0 ? 16 : imageWidth, margins);
    TRect gutter = rect;
    InflateRect(gutter, -1, -1);
    gutter.Right = gutter.Left + margins.GutterSize + margins.LeftCaptionMargin + 1;
    PaintMenuGutter(canvas, gutter);
}

void PaintSkinnedPopup(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect, const TRect& openViewerRect)
{
    if (openViewerRect.Top >= 0) {
        skin.PaintBackground(canvas, rect, skncPopup, sknsNormal, true, true);
        return;
    }
    // The opening button lies above: the top border stays open where the two meet, less a pixel at
    // either end so that the corners are closed.
    const TRect gap{openViewerRect.Left + 1, rect.Top, openViewerRect.Right - 1, rect.Top + 1};
    skin.PaintBackground(canvas, rect, skncPopup, sknsNormal, true, false);
    TSavedCanvasState saved(canvas);
    ExcludeClipRect(canvas, gap.Left, gap.Top, gap.Right, gap.Bottom);
    skin.PaintBackground(canvas, rect, skncPopup, sknsNormal, false, true);
}

void PaintThemedPopup(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect)
{
    TSavedCanvasState saved(canvas);
    skin.PaintThemedElementBackground(canvas, rect, skncPopup, sknsNormal);
    ExcludeClipRect(canvas, rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    skin.PaintThemedElementBackground(canvas, rect, GetElementDetails(tmPopupBorders));
}

// Three rows of grip dots in the bottom-right corner, each row one dot shorter than the one below.
void PaintSkinnedStatusGrip(TQvSkinOptions& skin, TCanvas& canvas, const TRect& grip)
{
    constexpr int row = 4;
    const TQvSkinOptionEntry& body = skin.Options(skncStatusBarGrip).Body;
    for (int i = 0; i < 3; ++i) {
        const TRect dots{grip.Right - 3 * row + i * row, grip.Bottom - (i + 1) * row, grip.Right,
                         grip.Bottom - i * row};
        DrawGripDots(canvas, dots, body.Color1, body.Color2);
    }
}

void PaintClassicStatusBar(TCanvas& canvas, const TRect& barRect, const TRect& gripRect)
{
    if (!IsRectEmpty(barRect)) {
        FillRectColors(canvas, barRect, clBtnFace, clNone);
        DrawRoundedFrame(canvas, barRect, 0, clBtnShadow, clWindow, clNone, clNone, 0);
    }
    if (!IsRectEmpty(gripRect)) {
        TSavedCanvasState saved(canvas);
        TRect grip = gripRect;
        InflateRect(grip, 0, -1);
        DrawFrameControl(canvas, grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

// The classic caption colours, running into their gradient partner when the desktop asks for it.
void PaintClassicTitleBar(TCanvas& canvas, const TRect& rect, bool isActive)
{
    int gradient = 0;
    SystemParametersInfo(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
    const TColor face = isActive ? clActiveCaption : clInactiveCaption;
    if (gradient) {
        TSavedCanvasState saved(canvas);
        GradientFill(canvas, rect, ColorToRGB(face),
                     ColorToRGB(isActive ? clGradientActiveCaption : clGradientInactiveCaption),
                     GRADIENT_FILL_RECT_H);
    } else {
        FillRectColors(canvas, rect, face, clNone);
    }
}

void PaintClassicWindowFrame(TCanvas& canvas, const TRect& rect, TPoint borderSize, bool fillBackground)
{
    TSavedCanvasState saved(canvas);
    if (fillBackground)
        canvas.FillRect(rect);
    ExcludeClipRect(canvas, rect.Left + borderSize.X, rect.Top + borderSize.Y, rect.Right - borderSize.X,
                    rect.Bottom - borderSize.Y);
    if (!fillBackground)
        canvas.FillRect(rect);
    TRect edge = rect;
    DrawEdge(canvas, edge, EDGE_RAISED, BF_RECT);
}

// The theme has no frame parts of its own for small windows: the four bands take the small caption's look,
// active or not, as the caption bar above them does.
void PaintThemedWindowFrame(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect, bool isActive,
                            TPoint borderSize)
{
    const TThemedElementDetails band =
        GetElementDetails(isActive ? twSmallCaptionActive : twSmallCaptionInactive);
    const TRect bands[] = {
        {rect.Left, rect.Top + borderSize.Y, rect.Left + borderSize.X, rect.Bottom - borderSize.Y},
        {rect.Right - borderSize.X, rect.Top + borderSize.Y, rect.Right, rect.Bottom - borderSize.Y},
        {rect.Left, rect.Bottom - borderSize.Y, rect.Right, rect.Bottom},
        {rect.Left, rect.Top, rect.Right, rect.Top + borderSize.Y}};
    for (const TRect& r : bands) {
        if (!IsRectEmpty(r))
            skin.PaintThemedElementBackground(canvas, r, band);
    }
}

} // namespace

void PaintPopupBackground(TCanvas& canvas, const TRect& rect, const TRect& openViewerRect, bool paintGutter,
                          int imageWidth)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (PopupSkinType()) {
    case sknNone:
        PaintClassicPopup(canvas, rect);
        break;
    case sknSkin:
        PaintSkinnedPopup(*skin, canvas, rect, openViewerRect);
        if (paintGutter)
            PaintSkinnedPopupGutter(*skin, canvas, rect, imageWidth);
        break;
    case sknWindows:
        PaintThemedPopup(*skin, canvas, rect);
        break;
    }
}

void PaintStatusBarBackground(TCanvas& canvas, const TRect& barRect, const TRect& gripRect)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintClassicStatusBar(canvas, barRect, gripRect);
        break;
    case sknSkin:
        if (!IsRectEmpty(barRect))
            skin->PaintBackground(canvas, barRect, skncStatusBar, sknsNormal, true, true);
        if (!IsRectEmpty(gripRect))
            PaintSkinnedStatusGrip(*skin, canvas, gripRect);
        break;
    case sknWindows:
        if (!IsRectEmpty(barRect))
            skin->PaintThemedElementBackground(canvas, barRect, skncStatusBar, true, false, false, false,
                                               false, false, false);
        if (!IsRectEmpty(gripRect))
            skin->PaintThemedElementBackground(canvas, gripRect, skncStatusBarGrip, true, false, false, false,
                                               false, false, false);
        break;
    }
}

void PaintTitleBarBackground(TCanvas& canvas, const TRect& rect, bool isActive, bool drawBorders)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintClassicTitleBar(canvas, rect, isActive);
        break;
    case sknSkin:
        skin->PaintBackground(canvas, rect, skncWindowTitleBar, sknsNormal, true, drawBorders);
        break;
    case sknWindows:
        skin->PaintThemedElementBackground(canvas, rect, skncWindowTitleBar, isActive, false, false, false,
                                           false, false, false);
        break;
    }
}

void PaintSkinnedWindowFrame(TCanvas& canvas, const TRect& rect, bool isActive, TPoint borderSize,
                             bool fillBackground)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintClassicWindowFrame(canvas, rect, borderSize, fillBackground);
        break;
    case sknSkin:
        skin->PaintWindowFrame(canvas, rect, isActive, fillBackground, borderSize.X);
        break;
    case sknWindows:
        PaintThemedWindowFrame(*skin, canvas, rect, isActive, borderSize);
        break;
    }
}
