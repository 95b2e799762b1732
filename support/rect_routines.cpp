#include "support/rect_routines.h"

int32_t RectWidth(const TRect& rect)
{
    return rect.Right - rect.Left;
}

int32_t RectHeight(const TRect& rect)
{
    return rect.Bottom - rect.Top;
}

bool PointInRect(const TPoint& point, const TRect& rect, bool inclusive)
{
    if (inclusive) {
        return rect.Left <= point.X && point.X <= rect.Right && rect.Top <= point.Y && point.Y <= rect.Bottom;
    }
    return rect.Left <= point.X && point.X < rect.Right && rect.Top <= point.Y && point.Y < rect.Bottom;
}
