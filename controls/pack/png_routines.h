#pragma once

#include "platform/gui/core/set_of.h"
#include "platform/gui/graphics/png_image.h"

#include <cstdint>

// Pixel operations on PNG images: the brighter glyph of a hot button, the grey and faded glyph of a
// disabled one, and the drawing of an image with those effects. Amounts are bytes: a fade amount A keeps
// (A + 1)/256 of each alpha value, a grayscale amount A mixes A/256 of the luminance into each channel.

enum TPngOption
{
    pngBlendOnDisabled,    // fade the image when it is shown disabled
    pngGrayscaleOnDisabled // make it grey when shown disabled
};
using TPngOptions = TSet<TPngOption>;

enum TKvpBlendIntensity
{
    biNone,
    biLow,
    biBelowNormal,
    biNormal,
    biBelowMax,
    biMax
};

enum TKvpGrayscaleIntensity
{
    giNone,
    gi10Percent,
    gi20Percent,
    gi30Percent,
    gi40Percent,
    gi50Percent,
    gi60Percent,
    gi70Percent,
    gi80Percent,
    gi90Percent,
    gi100Percent
};

// The fade amount of an intensity (200 the weakest, 80 the strongest); biNone has none.
uint8_t BlendAmount(TKvpBlendIntensity intensity);
// The grayscale amount of an intensity (25 to 255); giNone has none.
uint8_t GrayscaleAmount(TKvpGrayscaleIntensity intensity);

// Mixes every pixel toward its luminance; grey and palette images become truecolour first (alpha kept).
// Nothing happens with amount 0.
void PngGrayscaleRgb(TPngImage& png, uint8_t amount);
// The same mix; palette images change their palette, grey images stay as they are.
void PngDesaturate(TPngImage& png, uint8_t amount);
// Applies a gamma factor (below 0.1 taken as 0.1; above 1 brightens); grey and palette images become
// truecolour first. False, and the image untouched, for a factor of exactly 1 or an empty image.
bool PngSetGamma(TPngImage& png, float gamma);
// Scales the alpha channel by (amount + 1)/256, making one when the image has none: opaque pixels of
// images without alpha take amount itself, transparent ones stay transparent.
void PngFadeAlpha(TPngImage& png, uint8_t amount);
// dest becomes a copy of source through a PNG stream; false, and dest untouched, for a missing or empty
// source.
bool PngCopy(const TPngImage* source, TPngImage& dest);
// The disabled look: grey and then faded by the intensities the two flags allow, on a copy that replaces
// png at the end (png stays as it was when the copy cannot be made).
void PngApplyIntensities(TPngImage& png, TKvpBlendIntensity blendIntensity,
                         TKvpGrayscaleIntensity grayscaleIntensity, bool blend, bool grayscale);
// Draws png stretched into rect, faded (127) and then desaturated (255) as options say.
void DrawPngWithOptions(TPngImage& png, TCanvas& canvas, const TRect& rect, TPngOptions options);
// The same changes made to png itself.
void ApplyPngOptions(TPngImage& png, TPngOptions options);

// A PNG image class with no behaviour of its own, known to TPicture so that stored pictures of that class
// read as PNG images.
class TPNGObject : public TPngImage
{
};
