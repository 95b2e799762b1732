#pragma once

#include "platform/gui/graphics/canvas.h"

// Two-colour gradients drawn as bands of solid colour, as the markup label and the progress bar draw them.

// Fills rect with bands (0 counts as 1) from colour from towards to, along x (horizontal) or y: band k takes
// from + Round(k * (to - from) / bands) per channel (the last band stops one step short of to) and spans
// from the near edge + Round(k * size / bands) for Trunc(size / bands) + 1 pixels, cut at the far edge.
// System colours are resolved first; pen and brush are left in the last band's colour.
void DrawBandedGradient(TCanvas& canvas, const TRect& rect, TColor from, TColor to, int bands,
                        bool horizontal);

// The markup's gradient: DrawBandedGradient, then, unless frameColor is clNone, the rectangle outlined in
// frameColor with a transparent brush.
void MarkupGradientFill(TCanvas& canvas, TColor from, TColor to, TColor frameColor, int bands,
                        const TRect& rect, bool horizontal);
