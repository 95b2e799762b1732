#pragma once

#include "controls/skins/skin_option_category.h"

class TCanvas;

// A skin entry turned into pixels: the fill form of a body and the frame form of borders.

// The category's Body entry over rect: style 0 a solid fill in Color1; 1 to 10 gradient bands from the
// first colour to the next, running top to bottom (odd styles) or left to right (even styles), the two
// swapped when vertical; any other style paints nothing.
void PaintEntryBody(TCanvas& canvas, const TRect& rect, const TQvSkinOptionCategory& category, bool vertical);
// The category's Borders entry over rect in the frame form, its style (0..2) being the roundness of the
// corners; the corners next to the sides in forceRectBorders (BF_LEFT, BF_TOP, ...) stay square. Other
// styles paint nothing.
void PaintEntryBorders(TCanvas& canvas, const TRect& rect, const TQvSkinOptionCategory& category,
                       unsigned forceRectBorders);
