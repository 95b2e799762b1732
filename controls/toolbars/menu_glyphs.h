#pragma once

#include "support/basic_types.h"

#include <cstdint>
#include <span>

// The small pictures of menu entries and toolbar buttons, drawn at the screen's scale.

class TCanvas;

// The check mark of a checked entry, around the centre (cx, cy) of its column.
void DrawCheckMark(TCanvas& canvas, int cx, int cy);
// The dot of a checked radio entry.
void DrawRadioDot(TCanvas& canvas, int cx, int cy);
// The dithered face of a checked button or image: button face and highlight in a checkerboard.
void FillCheckedPattern(TCanvas& canvas, const TRect& r);
// The arrow of a submenu entry in color, in the glyph box r (the size of a menu check).
void DrawSubmenuGlyph(TCanvas& canvas, const TRect& r, TColor color);
// A small filled triangle around the centre of r: pointing down, or to the left when vertical.
void DrawDropdownTriangle(TCanvas& canvas, const TRect& r, bool vertical, TColor color);
// The scroll arrow of a long popup in its band: up or down.
void DrawScrollTriangle(TCanvas& canvas, const TRect& band, bool up);
// An 8-pixel-wide glyph given as rows of bits (the first pixel in the highest bit), its set pixels painted in
// color with the glyph's top-left at (x, y).
void DrawGlyphRows(TCanvas& canvas, int x, int y, std::span<const uint8_t> rows, TColor color);
