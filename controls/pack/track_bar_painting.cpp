// The track bar's picture: the sign boxes, the tick marks, the pictures under the track, then the track,
// the progress band and the thumb in the bar's style.

#include "controls/grid/color_schemes.h"
#include "controls/grid/style_painters.h"
#include "controls/pack/track_bar.h"
#include "platform/gui/graphics/gdi.h"

#include <algorithm>
#include <cmath>

namespace {

// Loops over the range stop after this many steps: a step far too small for the range draws no more.
constexpr int MaxSteps = 100000;

// The 6-series scheme's elements the modern look takes: the band, the thumb under the mouse, and (its
// own choice) the track, its border and the thumb at rest.
constexpr int ModernBand = 7, ModernHotThumb = 17, ModernTrack = 6, ModernTrackBorder = 4, ModernThumb = 8;

int Nearest(double value)
{
    return std::isfinite(value) ? static_cast<int>(std::nearbyint(std::clamp(value, -1e6, 1e6))) : 0;
}

void SetPenAndBrush(TCanvas& canvas, TColor pen, TColor brush)
{
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(pen);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(brush);
}

// A bar width x height centred in box.
TRect CentredBar(const TRect& box, int width, int height)
{
    return Bounds(box.Left + box.Width() / 2 - width / 2, box.Top + box.Height() / 2 - height / 2, width,
                  height);
}

} // namespace

void TKVGxTrackBar6::Paint()
{
    TGxStyledControl6::Paint();
    FillRectColor(ClientRect(), clNone);
    const TKVGxTrackBarRects r = Rects();
    if (FSignMinusVisible)
        PaintSign(r.Minus, false);
    if (FSignPlusVisible)
        PaintSign(r.Plus, true);
    if (FTickMarks)
        PaintTicks(r);
    if (FImages)
        PaintImages(r);
    PaintTrackAndThumb(r);
}

void TKVGxTrackBar6::PaintSign(const TRect& box, bool plus)
{
    TCanvas& canvas = *Canvas();
    SetPenAndBrush(canvas, FSignsRectColor, FSignsRectBackgroundColor);
    if (FSignsRectTransparent)
        canvas.Pen()->SetStyle(psClear);
    if (FSignsTransparentBackground)
        canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(box);
    SetPenAndBrush(canvas, FSignsColor, FSignsColor);
    canvas.Rectangle(CentredBar(box, FSignsWidth, FSignsHeight));
    if (plus)
        canvas.Rectangle(CentredBar(box, FSignsHeight, FSignsWidth));
}

void TKVGxTrackBar6::PaintTicks(const TKVGxTrackBarRects& r)
{
    if (FTickFrequency < 1 || !(FMax > FMin))
        return;
    TCanvas& canvas = *Canvas();
    SetPenAndBrush(canvas, FTickMarkColor, Color());
    const int top = r.Track.Bottom + FTickTopMargin;
    int steps = 0;
    for (double v = FMin; v <= FMax && steps < MaxSteps; v = FMin + FTickFrequency * double(++steps)) {
        const int x = r.Track.Left + Nearest(r.Track.Width() * (v - FMin) / (FMax - FMin));
        canvas.MoveTo(x, top);
        canvas.LineTo(x, top + FTickSize);
    }
}

void TKVGxTrackBar6::PaintImages(const TKVGxTrackBarRects& r)
{
    if (!(FStep > 0) || !(FMax > FMin))
        return;
    TCanvas& canvas = *Canvas();
    // Picture i belongs to the value Min + i * Step and stands under it: one step apart, not one unit.
    const int spacing = Nearest(r.Track.Width() * (FStep / (FMax - FMin)));
    int x = r.Track.Left - FImages->Width() / 2;
    const int y = r.Track.Bottom + FImagesDistance;
    int i = 0;
    for (double v = FMin; v <= FMax && i < MaxSteps && i < FImages->Count(); v = FMin + FStep * double(++i)) {
        FImages->Draw(canvas, x, y, i, true);
        x += spacing;
    }
}

void TKVGxTrackBar6::PaintTrackAndThumb(const TKVGxTrackBarRects& r)
{
    TCanvas& canvas = *Canvas();
    const bool hotOrPressed = FState.Contains(bsHover) || FState.Contains(bsPressed);
    switch (FStyle) {
    case stNative:
        TGxTrackBarStyle6::PaintTrack(canvas, r.Track, StyleOptions());
        PaintProgress(r);
        TGxTrackBarStyle6::PaintThumb(canvas, r.Thumb, FState, StyleOptions());
        break;
    case stModern: {
        SetPenAndBrush(canvas, GetSchemeColor6(ModernTrackBorder, 0), GetSchemeColor6(ModernTrack, 0));
        canvas.Rectangle(r.Track);
        PaintProgress(r);
        const TColor thumb = GetSchemeColor6(Enabled() && hotOrPressed ? ModernHotThumb : ModernThumb, 0);
        SetPenAndBrush(canvas, thumb, thumb);
        canvas.Rectangle(r.Thumb);
        break;
    }
    case stUserDefined: {
        PaintUserDefinedTrack(r);
        PaintProgress(r);
        if (!Enabled())
            SetPenAndBrush(canvas, FThumbDisabledBorderColor, FThumbDisabledColor);
        else if (hotOrPressed)
            SetPenAndBrush(canvas, FThumbHotBorderColor, FThumbHotColor);
        else
            SetPenAndBrush(canvas, FThumbBorderColor, FThumbColor);
        canvas.Rectangle(r.Thumb);
        break;
    }
    }
}

void TKVGxTrackBar6::PaintUserDefinedTrack(const TKVGxTrackBarRects& r)
{
    TCanvas& canvas = *Canvas();
    const bool enabled = Enabled();
    const TColor fill = enabled ? FTrackColor : FTrackDisabledColor;
    const TColor fillTo = enabled ? FTrackColorTo : FTrackDisabledColorTo;
    if (fillTo != clNone) {
        FillLinearGradient(canvas, r.Track, fill, fillTo, FTrackGradientDirection);
    } else {
        SetPenAndBrush(canvas, fill, fill);
        canvas.FillRect(r.Track);
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetColor(enabled ? FTrackBorderColor : FTrackDisabledBorderColor);
    canvas.Rectangle(r.Track);
    canvas.Brush()->SetStyle(bsSolid);
}

void TKVGxTrackBar6::PaintProgress(const TKVGxTrackBarRects& r)
{
    if (FProgressFillMode == pfmHidden)
        return;
    TCanvas& canvas = *Canvas();
    TRect band = r.Progress;
    TColor brush = FProgressColor;
    if (FStyle == stModern) {
        brush = GetSchemeColor6(ModernBand, 0);
        SetPenAndBrush(canvas, brush, brush);
        canvas.FillRect(band);
    }
    if (Enabled())
        SetPenAndBrush(canvas, brush, brush);
    else
        SetPenAndBrush(canvas, FProgressDisabledBorderColor, FProgressDisabledColor);
    const int grow = FProgressFillMode == pfmFull ? 1 : FProgressFillMode == pfmFullWithBorder ? 2 : 0;
    InflateRect(band, grow, grow);
    if (FProgressColorTo == clNone)
        canvas.Rectangle(band);
    else
        FillLinearGradient(canvas, band, FProgressColor, FProgressColorTo, FProgressGradientDirection);
}
