#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/standard/std_control_types.h"
#include "platform/gui/windows/margins.h"

// Points, rectangles and integers as the painting and mouse code of the controls needs them.

void SwapIntegers(int& a, int& b);
// Raises value to minimum, then lowers it to maximum (the minimum is tested first).
void ClampInteger(int& value, int minimum, int maximum);
// True when the column or the row of a cell is -1.
bool IsNoCell(TPoint cell);
// True when a lies more than distance away from b on either axis (the drag threshold).
bool IsPointFarFrom(TPoint a, TPoint b, int distance);

// True when the rectangles overlap or touch.
bool IsRectInRect(const TRect& guestRect, const TRect& hostRect);
// The top-left point of a width x height box placed in rect, margin away from the edges it aligns to.
TPoint PosInRect(int width, int height, int margin, const TRect& rect, TAlignment alignment,
                 TVerticalAlignment verticalAlignment);
// A rectangle with each delta added to its edge.
TRect ResizeRect(const TRect& rect, int deltaLeft, int deltaTop, int deltaRight, int deltaBottom);
// A rectangle of rect's size centred in host.
TRect CenterRect(const TRect& host, const TRect& rect);
TRect ApplyPadding(const TRect& rect, const TPadding& padding);
inline TPoint MakePoint(int x, int y)
{
    return {x, y};
}

// Lengths scale by whole factors of 72 dots per inch: 1 at 96 and 120, 2 at 144.
int ScaleToDpi(int length);
int ScaleToDpi(int length, int pixelsPerInch);
TPoint ScalePointToDpi(TPoint point);
