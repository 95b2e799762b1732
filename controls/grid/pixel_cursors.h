#pragma once

#include "support/basic_types.h"

#include <cstdint>

// Byte cursors over bitmap scan lines: a 24-bit pixel is blue, green, red; a 32-bit pixel is blue, green,
// red, alpha. Colours are assembled as red + green * 256 + blue * 65536. Each call moves the cursor past the
// pixel.

inline TColor ReadPixel24(const uint8_t*& p)
{
    const TColor color = p[2] | p[1] << 8 | p[0] << 16;
    p += 3;
    return color;
}

// The alpha byte is skipped.
inline TColor ReadPixel32(const uint8_t*& p)
{
    const TColor color = p[2] | p[1] << 8 | p[0] << 16;
    p += 4;
    return color;
}

inline TColor ReadPixelAlpha32(const uint8_t*& p, uint8_t& alpha)
{
    alpha = p[3];
    return ReadPixel32(p);
}

inline void WritePixel24(uint8_t*& p, TColor color)
{
    p[0] = static_cast<uint8_t>(color >> 16);
    p[1] = static_cast<uint8_t>(color >> 8);
    p[2] = static_cast<uint8_t>(color);
    p += 3;
}

// The alpha byte stays as it is.
inline void WritePixel32(uint8_t*& p, TColor color)
{
    WritePixel24(p, color);
    ++p;
}
