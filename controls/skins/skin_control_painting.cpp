#include "controls/skins/skin_control_painting.h"

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

namespace {

void FrameInColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    TSavedCanvasState saved(canvas);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(rect);
}

void PaintClassicButton(TCanvas& canvas, TRect& rect, bool pushed, bool checked, bool focused, bool defaulted)
{
    FillRectColors(canvas, rect, clBtnFace, clNone);
    if (defaulted || focused) {
        FrameInColor(canvas, rect, clWindowFrame);
        InflateRect(rect, -1, -1);
    }
    if (pushed || checked) {
        FrameInColor(canvas, rect, clBtnShadow);
    } else {
        TSavedCanvasState saved(canvas);
        TRect face = rect;
        DrawFrameControl(canvas, face, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

// The platform theme's combo box border: the newer platforms' edit-like border part, else the whole box.
void PaintThemedEditFrame(TCanvas& canvas, const TRect& rect, bool enabled, bool hotTrack)
{
    HTHEME theme = OpenThemeData("combobox");
    if (!theme) {
        return;
    }
    if (IsVistaOrLater()) {
        DrawThemeBackground(theme, canvas, CP_BORDER, !enabled ? 4 : hotTrack ? 2 : 1, rect);
    } else {
        DrawThemeBackground(theme, canvas, 0, 0, rect);
    }
    CloseThemeData(theme);
}

void PaintSkinnedEditFrame(TQvSkinOptions& skin, TCanvas& canvas, const TRect& rect, bool enabled,
                           bool hotTrack, bool innerColoursOnly)
{
    const TQvSkinStatesType state = TQvSkinOptions::GetState(enabled, false, hotTrack, false);
    const TQvSkinOptionEntry& borders = skin.Options(skncEditFrame, state).Borders;
    const bool innerOnly = borders.Color1 == clNone && borders.Color2 == clNone && borders.Color3 != clNone &&
                           borders.Color4 != clNone;
    if (innerColoursOnly && innerOnly) {
        skin.PaintBackground(canvas, rect, skncEditFrame, state, true, false);
        DrawRoundedFrame(canvas, rect, borders.SkinType, borders.Color3, borders.Color4, clNone, clNone, 0);
        return;
    }
    skin.PaintBackground(canvas, rect, skncEditFrame, state, true, true);
}

} // namespace

void PaintButtonBackground(TCanvas& canvas, const TRect& rect, bool enabled, bool pushed, bool hotTrack,
                           bool checked, bool focused, bool defaulted)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    TRect face = rect;
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        PaintClassicButton(canvas, face, pushed, checked, focused, defaulted);
        break;
    case sknSkin:
        skin->PaintBackground(canvas, face, skncButton,
                              TQvSkinOptions::GetState(enabled, pushed, hotTrack, checked), true, true);
        break;
    case sknWindows:
        skin->PaintThemedElementBackground(canvas, face, skncButton, enabled, pushed, hotTrack, checked,
                                           focused, defaulted, false);
        break;
    }
    if (focused) {
        InflateRect(face, -3, -3);
        DrawFocusRectBW(canvas, face);
    }
}

void PaintEditFrame(TCanvas& canvas, const TRect& rect, bool enabled, bool hotTrack, bool clipClient,
                    bool innerColoursOnly)
{
    TSavedCanvasState saved(canvas);
    if (clipClient) {
        const int ring = hotTrack ? 1 : 2;
        ExcludeClipRect(canvas, rect.Left + ring, rect.Top + ring, rect.Right - ring, rect.Bottom - ring);
    }
    switch (GetSkinManager().GetSkinType()) {
    case sknNone:
        if (hotTrack) {
            DrawRoundedFrame(canvas, rect, 0, clBtnShadow, clBtnHighlight, clBtnFace, clBtnFace, 0);
        } else {
            DrawRoundedFrame(canvas, rect, 0, clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0);
        }
        break;
    case sknSkin:
        PaintSkinnedEditFrame(*GetCurrentSkin(), canvas, rect, enabled, hotTrack, innerColoursOnly);
        break;
    case sknWindows:
        PaintThemedEditFrame(canvas, rect, enabled, hotTrack);
        break;
    }
}

void PaintControlFrame(TWinControl& control, bool hotTrack, bool innerColoursOnly, bool noBorder)
{
    TCanvas* dc = GetWindowDC(control.Handle());
    if (!dc) {
        return;
    }
    const TRect rect = Rect(0, 0, control.Width(), control.Height());
    TSavedCanvasState saved(*dc);
    ExcludeClipRect(*dc, rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    if (noBorder) {
        FillRectColors(*dc, rect, control.Color(), clNone);
    } else {
        DrawParentBackground(control, *dc, rect);
        PaintEditFrame(*dc, rect, control.Enabled(), hotTrack, false, innerColoursOnly);
    }
    ReleaseDC(control.Handle(), dc);
}

void PaintListItemBackground(TCanvas& canvas, const TRect& rect, bool checked, bool hotTrack, bool drawFocus,
                             bool forceRect, bool borders)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    const TQvSkinStatesType state = TQvSkinOptions::GetState(true, false, hotTrack, checked);
    canvas.Font()->SetColor(skin->GetTextColor(skncListItem, state));
    if (GetSkinManager().GetSkinType() == sknSkin) {
        canvas.FillRect(rect);
        if (hotTrack || checked) {
            skin->PaintBackground(canvas, rect, skncListItem, state, true, borders, false,
                                  forceRect ? BF_RECT : 0);
        }
        return;
    }
    {
        TSavedCanvasState saved(canvas);
        if (checked) {
            canvas.Brush()->SetColor(clHighlight);
        }
        canvas.FillRect(rect);
    }
    if (drawFocus) {
        DrawFocusRectBW(canvas, rect);
    }
}
