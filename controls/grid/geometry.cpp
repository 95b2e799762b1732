#include "controls/grid/geometry.h"

#include "platform/gui/forms/screen.h"

#include <utility>

void SwapIntegers(int& a, int& b)
{
    std::swap(a, b);
}

void ClampInteger(int& value, int minimum, int maximum)
{
    if (value < minimum)
        value = minimum;
    if (value > maximum)
        value = maximum;
}

bool IsNoCell(TPoint cell)
{
    return cell.X == -1 || cell.Y == -1;
}

bool IsPointFarFrom(TPoint a, TPoint b, int distance)
{
    return a.X < b.X - distance || a.X > b.X + distance || a.Y < b.Y - distance || a.Y > b.Y + distance;
}

bool IsRectInRect(const TRect& guestRect, const TRect& hostRect)
{
    return guestRect.Right >= hostRect.Left && guestRect.Left <= hostRect.Right &&
           guestRect.Bottom >= hostRect.Top && guestRect.Top <= hostRect.Bottom;
}

TPoint PosInRect(int width, int height, int margin, const TRect& rect, TAlignment alignment,
                 TVerticalAlignment verticalAlignment)
{
    const TPoint centre{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    const int x = alignment == taLeftJustify    ? rect.Left + margin
                  : alignment == taRightJustify ? rect.Right - width - margin
                                                : centre.X - width / 2;
    const int y = verticalAlignment == taAlignTop      ? rect.Top + margin
                  : verticalAlignment == taAlignBottom ? rect.Bottom - height - margin
                                                       : centre.Y - height / 2;
    return {x, y};
}

TRect ResizeRect(const TRect& rect, int deltaLeft, int deltaTop, int deltaRight, int deltaBottom)
{
    return {rect.Left + deltaLeft, rect.Top + deltaTop, rect.Right + deltaRight, rect.Bottom + deltaBottom};
}

TRect CenterRect(const TRect& host, const TRect& rect)
{
    const int left = host.Left + host.Width() / 2 - rect.Width() / 2;
    const int top = host.Top + host.Height() / 2 - rect.Height() / 2;
    return Bounds(left, top, rect.Width(), rect.Height());
}

TRect ApplyPadding(const TRect& rect, const TPadding& padding)
{
    return ResizeRect(rect, padding.Left(), padding.Top(), -padding.Right(), -padding.Bottom());
}

int ScaleToDpi(int length, int pixelsPerInch)
{
    return length * (pixelsPerInch / 72);
}

int ScaleToDpi(int length)
{
    return ScaleToDpi(length, Screen->PixelsPerInch());
}

TPoint ScalePointToDpi(TPoint point)
{
    return {ScaleToDpi(point.X), ScaleToDpi(point.Y)};
}
