#pragma once

#include "platform/gui/graphics/canvas.h"

// Gradients and the light effects laid over them. The line gradients draw one pen line per row or column;
// the effects fill 24-bit scan lines and draw them in one go.

// Top to bottom, a horizontal line per row: the first row fromColor, the last almost toColor. Nothing for a
// rectangle less than one pixel high.
void DrawGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor);
inline void DrawVertGradientLines(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor)
{
    DrawGradient(canvas, rect, fromColor, toColor);
}
// Left to right, a vertical line per column.
void DrawVertGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor);

// Top colorA to bottom colorB, the first glossRows rows lightened from white at the top to a half mix with
// white at row glossRows.
void DrawGlossGradient(TCanvas& canvas, const TRect& rect, TColor colorA, TColor colorB, int glossRows);
// The gloss gradient with a glow that is lightest in the middle column and fades towards the sides.
void DrawCenterGlowGradient(TCanvas& canvas, const TRect& rect, TColor colorA, TColor colorB, int glossRows);
// Lightens what the canvas shows in the upper half of rect, most at the top row and less by each row
// down; at most 22 rows change.
void DrawGlassShine(TCanvas& canvas, const TRect& rect);
