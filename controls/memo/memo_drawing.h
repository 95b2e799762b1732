#pragma once

#include "platform/gui/graphics/canvas.h"

// Drawing routines of the memo's painting and of its gutter.

// A frame of two lines a side in one of four styles (0 raised, 1 sunken, 2 and 3 flat with a light edge).
void Draw3DFrame(TCanvas& canvas, const TRect& rect, int style);
// Bands of colour from fromColor to toColor across rect (left to right when horizontal, else top to
// bottom); neighbouring bands overlap by a pixel.
void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect,
                  bool horizontal);
// A red zig-zag line along rect's bottom, from its left to its right.
void DrawWavyLine(TCanvas& canvas, const TRect& rect);
