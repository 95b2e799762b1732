#pragma once

#include "support/basic_types.h"

#include <string>

// Colour arithmetic of the skinned controls. System colours are resolved to their current RGB value first.

// "#rrggbb" in lower-case hexadecimal.
std::string ColorToHtml(TColor color);

// How ColorToText writes a colour.
enum TQvColorTextKind
{
    ctkName,      // the colour's constant name, else "$" and its eight hexadecimal digits
    ctkHtml,      // "#rrggbb"
    ctkNameOrHtml // the constant name where there is one, else "#rrggbb"
};
std::string ColorToText(TColor color, TQvColorTextKind kind);

void ColorToRGBParts(TColor color, int& red, int& green, int& blue);
// Each part clamped to 0..255.
TColor MakeClampedRGB(int red, int green, int blue);
// amount added to every part, within 0..255.
TColor LightenColor(TColor color, int amount);

// In a namespace of its own because the grid's colour blending takes the name MixColors too.
namespace SkinColors {

// level parts of color1 and the rest of color2, rounded: a percentage when level is below 100, per mille
// from 100 on.
TColor MixColors(TColor color1, TColor color2, int level);

} // namespace SkinColors
