#pragma once

#include "support/basic_types.h"

int32_t RectWidth(const TRect& rect);
int32_t RectHeight(const TRect& rect);

// Inclusive: the right and bottom edges belong to the rectangle; otherwise they do not.
bool PointInRect(const TPoint& point, const TRect& rect, bool inclusive);
