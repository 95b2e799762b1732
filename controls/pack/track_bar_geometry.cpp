// The track bar's rectangles and the value under a point. A value that cannot be placed (an empty range,
// a track without width, a value beyond any screen) never reaches a pixel position as it is.

#include "controls/grid/geometry.h"
#include "controls/pack/track_bar.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"

#include <algorithm>
#include <cmath>

namespace {

// The nearest whole pixel, halves to even; 0 for what is not a number, and nothing beyond a screen's reach.
int NearestPixel(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -1e6, 1e6)));
}

TRect SignBox(int left, const TRect& content, TSize box)
{
    return Bounds(left, content.Height() / 2 - box.cy / 2, box.cx, box.cy);
}

} // namespace

TKVGxTrackBarRects TKVGxTrackBar6::Rects() const
{
    return Rects(Screen->PixelsPerInch());
}

TKVGxTrackBarRects TKVGxTrackBar6::Rects(int pixelsPerInch) const
{
    auto scale = [pixelsPerInch](int length) { return ScaleToDpi(length, pixelsPerInch); };
    TKVGxTrackBarRects r;
    r.Content = ClientRect();
    if (FImages)
        r.Content.Bottom -= FImages->Height();
    const TSize box{scale(FSignsRectWidth), scale(FSignsRectHeight)};
    r.Minus = FSignMinusVisible ? SignBox(r.Content.Left, r.Content, box) : TRect{0, 0, 0, 0};
    r.Plus = FSignPlusVisible ? SignBox(r.Content.Right - box.cx, r.Content, box)
                              : TRect{r.Content.Right, 0, r.Content.Right, 0};
    const int top = r.Content.Height() / 2 - FTrackHeight / 2;
    r.Track = {r.Minus.Right + scale(4), top, r.Plus.Left - scale(4), top + FTrackHeight};

    TSize thumb{FThumbWidth, FThumbHeight};
    if (FStyle == stNative)
        thumb = {8, 13};
    else if (FStyle == stModern)
        thumb = {4, 11};
    thumb = {scale(thumb.cx), scale(thumb.cy)};
    const double range = FMax - FMin;
    const int offset = range > 0 ? NearestPixel(r.Track.Width() * (FPosition - FMin) / range) : 0;
    r.Thumb = Bounds(r.Track.Left + offset - thumb.cx / 2, r.Track.Top + r.Track.Height() / 2 - thumb.cy / 2,
                     thumb.cx, thumb.cy);
    r.TrackTouch = {r.Track.Left, r.Thumb.Top, r.Track.Right, r.Thumb.Bottom};

    r.Progress = r.Track;
    InflateRect(r.Progress, -2, -2);
    const int thumbCentre = r.Thumb.Left + r.Thumb.Width() / 2;
    if (FProgressLocation == tpLeftToPosition)
        r.Progress.Right = thumbCentre;
    else if (FProgressLocation == tpRightToPosition)
        r.Progress.Left = thumbCentre;
    return r;
}

double TKVGxTrackBar6::GetPositionAtPos(int x, int) const
{
    const TRect track = TrackRect();
    // Without a track or a range there is no value under the mouse: it stays where it is.
    if (track.Width() < 1 || !(FMax > FMin))
        return FPosition;
    // Weighted between the ends, which no range can overflow; beyond the track the ends hold.
    const double f = std::clamp(static_cast<double>(x - track.Left) / track.Width(), 0.0, 1.0);
    const double value = FMin * (1 - f) + FMax * f;
    if (FPrecision < -20 || FPrecision > 20)
        throw ERangeError("Precision must lie between -20 and 20");
    const double unit = std::pow(10.0, FPrecision);
    const double rounded = std::nearbyint(value / unit) * unit;
    return std::max(std::min(rounded, FMax), FMin);
}
