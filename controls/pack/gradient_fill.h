#pragma once

#include "platform/gui/graphics/bitmap.h"

#include <cstdint>

// Two-colour gradients painted with solid bands: vertical, horizontal, rotated by an angle, radial and
// rectangular, with a balance point, a colour speed, a step limit and six ways of combining the halves.
// Colour arithmetic works per channel on bytes: a result is the byte sum modulo 256, never clamped.

enum TDgradOrientation
{
    dgdVertical,
    dgdHorizontal,
    dgdAngle,
    dgdRadial,
    dgdRectangle
};

enum TDgradBalanceMode
{
    bmNormal,
    bmMirror,
    bmReverse,
    bmReverseFromColor,
    bmInvertReverse,
    bmInvertReverseFromColor
};

// Fills rect. With clip the rotated picture of dgdAngle stays inside rect; cache (or a temporary bitmap
// when nullptr) holds that picture.
void GradientFillRect(TCanvas& canvas, const TRect& rect, TColor colorFrom, TColor colorTo,
                      TDgradOrientation orientation, uint16_t balance, uint16_t angleDegree,
                      TDgradBalanceMode balanceMode, uint8_t maxDegrade, int speedPercent, bool clip,
                      TBitmap* cache);
// One of the numbered gradient kinds (0: vertical, 1: horizontal, 2 and 3: angled, 4 to 7: mirrored, 8:
// radial, 9 and 10: vertical balanced at 30 and 70), or a solid fill when both colours are equal.
void GradientFillRectByKind(TCanvas& canvas, const TRect& rect, TColor colorFrom, TColor colorTo,
                            uint8_t kind, uint8_t maxDegrade);

// The colour changes from top to bottom in at most steps bands (and at most one per pixel row). The first
// band spans two steps and the last one is empty, so the second colour itself never shows.
void FillVerticalBands(TCanvas& canvas, const TRect& rect, TColor first, TColor second, int steps);
// The same from left to right.
void FillHorizontalBands(TCanvas& canvas, const TRect& rect, TColor first, TColor second, int steps);
// A horizontal gradient over the square of rect's diagonal, turned clockwise by angle degrees and centred
// on rect.
void FillRotatedGradient(TCanvas& canvas, const TRect& rect, TColor first, TColor second, int steps,
                         uint16_t angle, bool clip, TBitmap* cache);
// The length of rect's diagonal, to the nearest pixel: the side of a rotated gradient's square.
int RectDiagonal(const TRect& rect);

// Draws the square picture of a rotated gradient centred on rect, limited to rect with clip.
void DrawCentredPicture(TCanvas& canvas, const TRect& rect, TBitmap& picture, bool clip);

// Turns the picture clockwise about its centre; pixels the turned picture does not cover stay.
void RotateBitmapAroundCenter(TBitmap& bitmap, uint16_t angle);

enum class TConcentricShape
{
    Ellipses,
    Rectangles
};
// Nested shapes from outer (the first colour) to inner (the second colour).
void FillConcentricGradient(TCanvas& canvas, const TRect& outer, TColor first, TColor second, int steps,
                            const TRect& inner, TConcentricShape shape);
