#include "controls/grid/style_painters.h"

#include "controls/grid/frames.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"

namespace {

// The class library's style would come first; it never runs here (IsPlatformStyleActive), so the
// painters start with the native branch.
bool NativeAllowed(TGxStyleOptions options)
{
    return options.Contains(soNativeStyles) && IsNativeThemeActive();
}

int DropButtonThemeState(TGxButtonState state)
{
    if (state.Contains(bsPressed) || state.Contains(bsChecked) || state.Contains(bsDisabled))
        return 3;
    return state.Contains(bsHover) ? 2 : 0;
}

int ThumbThemeState(TGxButtonState state)
{
    if (state.Contains(bsDisabled))
        return 5;
    if (state.Contains(bsPressed))
        return 3;
    return state.Contains(bsHover) ? 2 : 1;
}

constexpr int ThumbPointingDown = 6;

void PaintClassicThumb(TCanvas& canvas, const TRect& r)
{
    const int h = (r.Right - r.Left) / 2;
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Pen()->SetColor(clBtnFace);
    canvas.Polygon({{r.Left, r.Top},
                    {r.Right, r.Top},
                    {r.Right, r.Bottom - h},
                    {r.Left + h, r.Bottom},
                    {r.Left, r.Bottom - h}});
    canvas.Pen()->SetColor(clBtnHighlight);
    canvas.MoveTo(r.Right - 1, r.Top);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Left, r.Bottom - h);
    canvas.LineTo(r.Left + h, r.Bottom);
    canvas.Pen()->SetColor(cl3DDkShadow);
    canvas.LineTo(r.Right, r.Bottom - h);
    canvas.LineTo(r.Right, r.Top - 1);
    canvas.Pen()->SetColor(cl3DLight);
    canvas.MoveTo(r.Right - 2, r.Top + 1);
    canvas.LineTo(r.Left + 1, r.Top + 1);
    canvas.LineTo(r.Left + 1, r.Bottom - h);
    canvas.LineTo(r.Left + h, r.Bottom - 1);
    canvas.Pen()->SetColor(clBtnShadow);
    canvas.LineTo(r.Right - 1, r.Bottom - h);
    canvas.LineTo(r.Right - 1, r.Top);
}

} // namespace

bool IsNativeThemeActive()
{
    return IsThemeActive();
}

bool IsPlatformStyleActive()
{
    return IsStyleEnabled();
}

bool IsStyleAvailable(TGxStyleOptions options)
{
    return (options.Contains(soPlatformStyles) && IsPlatformStyleActive()) || NativeAllowed(options);
}

void TGxDropButtonStyledView6::Paint(TCanvas& canvas, const TRect& dest, TGxButtonState state,
                                     TGxStyleOptions options)
{
    if (NativeAllowed(options) &&
        DrawThemedBackground(canvas, dest, "combobox", CP_DROPDOWNBUTTON, DropButtonThemeState(state)))
        return;
    unsigned flags = DFCS_SCROLLCOMBOBOX | DFCS_ADJUSTRECT;
    if (state.Contains(bsPressed))
        flags |= DFCS_PUSHED;
    if (state.Contains(bsDisabled))
        flags |= DFCS_INACTIVE;
    TRect r = dest;
    DrawFrameControl(canvas, r, DFC_SCROLL, flags);
}

void TGxTrackBarStyle6::PaintThumb(TCanvas& canvas, const TRect& dest, TGxButtonState state,
                                   TGxStyleOptions options)
{
    if (NativeAllowed(options) &&
        DrawThemedBackground(canvas, dest, "trackbar", ThumbPointingDown, ThumbThemeState(state)))
        return;
    PaintClassicThumb(canvas, dest);
}

void TGxTrackBarStyle6::PaintTrack(TCanvas& canvas, const TRect& trackRect, TGxStyleOptions options)
{
    if (NativeAllowed(options) && DrawThemedBackground(canvas, trackRect, "trackbar", TKP_TRACK, 1))
        return;
    Frame3D(canvas, trackRect, clBtnHighlight, clBtnShadow);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect({trackRect.Left + 1, trackRect.Top + 1, trackRect.Right - 1, trackRect.Bottom - 1});
}
