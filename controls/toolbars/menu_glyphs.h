#pragma once

#include "support/basic_types.h"

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
