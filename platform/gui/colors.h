#pragma once

#include "support/basic_types.h"

// Colours as the class library knows them: 0x00BBGGRR, or 0xFF0000nn for system colour nn. System colours
// are resolved when drawn, from the application's palette.

// The current value of system colour index (0..30; others give black).
TColor PaletteSystemColor(int index);

// A plain RGB value for any colour: system colours resolved, the top byte of others dropped.
TColor ResolveColor(TColor color);

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
inline TColor RGB(uint8_t r, uint8_t g, uint8_t b)
{
    return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}
