#pragma once

#include "platform/gui/graphics/canvas.h"

// A one-pixel 3-D frame on the edge of rect: the left column and top row in topColor, the right column
// and bottom row in bottomColor.
void Frame3D(TCanvas& canvas, const TRect& rect, TColor topColor, TColor bottomColor);
