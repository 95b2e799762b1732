#pragma once

#include "support/basic_types.h"

#include <cstdint>
#include <span>

class TCanvas;

// The tiny glyphs of the skinned controls: caption-button glyphs, arrows, grip dots, the drop mark of
// toolbar customizing and the black-and-white focus rectangle. Each gives back the pen and brush it changed.

// The caption-button glyphs: 1-bit rows, the leftmost pixel in the highest bit, 1 painted.
enum TQvCaptionButtonGlyph
{
    cbgClose,
    cbgMaximize,
    cbgMinimize,
    cbgRestore
};

// A filled triangle with its tip at (x, y): pointing up or down (vertical) or left or right, size pixels
// from tip to base.
void DrawArrowTriangle(TCanvas& canvas, int x, int y, TColor color, bool vertical, bool upOrLeft, int size);
// The insertion mark of toolbar customizing in the current pen and brush: a bar with a serif at each end.
void DrawDropMark(TCanvas& canvas, const TRect& r);
// The dotted focus rectangle in black and white; nothing for an empty r.
void DrawFocusRectBW(TCanvas& canvas, const TRect& r);
// A pattern of up to 8 pixels per row (one byte a row, the leftmost pixel in the highest bit), width x height
// of it centred in r, its 1 bits painted in color.
void DrawMonoGlyph(TCanvas& canvas, const TRect& r, int width, int height, std::span<const uint8_t> rows,
                   TColor color);
// The caption-button glyph kind centred in r; any other kind draws nothing.
void DrawCaptionButtonGlyph(TCanvas& canvas, const TRect& r, int kind, TColor color);
// Raised 2 x 2 dots every 4 pixels across r (at least one), their shadow one pixel right and down.
void DrawGripDots(TCanvas& canvas, const TRect& r, TColor color, TColor shadowColor);
