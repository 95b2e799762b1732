#pragma once

#include "platform/gui/graphics/bitmap.h"

// 32-bit bitmaps with an alpha byte per pixel laid over what a canvas shows; bitmaps of every other format
// are drawn as they are.

// Per channel Round(source * alpha / 255) + Round(background * (1 - alpha / 255)).
void ApplyBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap);
// Per pixel MixColors(source, background, alpha).
void DrawAlphaBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap);
