#pragma once

#include "platform/gui/graphics/canvas.h"

// The platform's two-colour linear fill in one of two directions, as the track bar and the page control
// paint their bands and tabs.

enum TGradientDirection
{
    gdHorizontal, // left to right
    gdVertical    // top to bottom
};

// The first column (or row) in from, the last in to.
void FillLinearGradient(TCanvas& canvas, const TRect& rect, TColor from, TColor to,
                        TGradientDirection direction);
