#pragma once

#include "platform/gui/graphics/picture.h"
#include "platform/gui/graphics/png_image.h"

// Other pictures turned into PNG images with an alpha channel: bitmaps with a mask, with a transparent
// colour, with the bitmap's own transparency, and icons. A missing Dest raises EAssertionFailed
// ("Dest is nil!").

struct TRGBTriple
{
    uint8_t rgbtBlue = 0, rgbtGreen = 0, rgbtRed = 0;
    friend bool operator==(const TRGBTriple&, const TRGBTriple&) = default;
};
// The blue, green and red bytes of a 24-bit scan line for a colour 0x00BBGGRR.
TRGBTriple ColorToRgbTriple(TColor color);

// A PNG copies a PNG; a transparent bitmap becomes transparent exactly on its transparent colour; an icon
// keeps its own alpha (or its mask); anything else becomes an opaque image of its size.
void GraphicToPng(TGraphic* source, TPngImage* dest);
// dest takes color's pixels and the alpha of mask's red bytes (255 minus them with inverseMask); without a
// mask it stays opaque.
void PngFromColorAndMask(const TBitmap& color, const TBitmap* mask, TPngImage* dest, bool inverseMask);
// dest takes bitmap's pixels; those equal to maskColor (compared as it is, so a system colour never
// matches) become fully transparent.
void PngFromMaskColor(const TBitmap& bitmap, TColor maskColor, TPngImage* dest);
