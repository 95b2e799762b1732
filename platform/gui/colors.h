#pragma once

#include "support/color_routines.h"
#include "support/system_colors.h"

// System colours on this desktop: taken from the application's palette once the palette resolver is
// installed (ColorToRGB then answers with them); drawing resolves them when it draws.

// The palette's value of system colour index (0..30; others give black).
TColor PaletteSystemColor(int index);
void InstallPaletteSystemColors();

inline uint8_t GetRValue(TColor color)
{
    return color & 0xFF;
}
inline uint8_t GetGValue(TColor color)
{
    return (color >> 8) & 0xFF;
}
inline uint8_t GetBValue(TColor color)
{
    return (color >> 16) & 0xFF;
}
