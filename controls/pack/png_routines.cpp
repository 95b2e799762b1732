#include "controls/pack/png_routines.h"

#include "platform/gui/graphics/picture.h"
#include "support/color_routines.h"
#include "support/math_routines.h"

#include <cmath>
#include <functional>

namespace {

// Registers the PNG object class with the picture formats for as long as the program runs.
const bool pngObjectRegistered = [] {
    TPicture::RegisterFileFormat("", "", [] { return std::make_unique<TPNGObject>(); });
    return true;
}();

uint8_t LuminanceMix(uint8_t c, int gray, int amount)
{
    return static_cast<uint8_t>((c * (255 - amount) + gray * amount + 128) >> 8);
}

void MixTowardLuminance(uint8_t& r, uint8_t& g, uint8_t& b, int amount)
{
    const int gray = (77 * r + 150 * g + 29 * b) >> 8;
    r = LuminanceMix(r, gray, amount);
    g = LuminanceMix(g, gray, amount);
    b = LuminanceMix(b, gray, amount);
}

bool IsTruecolor(const TPngImage& png)
{
    return png.Header().ColorType == COLOR_RGB || png.Header().ColorType == COLOR_RGBALPHA;
}

// Every blue, green, red triple of a truecolour image.
void ForEachPixel(TPngImage& png, const std::function<void(uint8_t& b, uint8_t& g, uint8_t& r)>& change)
{
    for (int y = 0; y < png.Height(); ++y) {
        uint8_t* line = png.ScanLine(y);
        for (int x = 0; x < png.Width(); ++x)
            change(line[3 * x], line[3 * x + 1], line[3 * x + 2]);
    }
}

// The image as 8-bit truecolour, with an alpha channel when it had any transparency.
void ConvertToTruecolor(TPngImage& png)
{
    if (IsTruecolor(png) || png.Empty())
        return;
    const bool transparent = png.TransparencyMode() != ptmNone;
    TBitmap pixels;
    png.ToBitmap(pixels);
    TPngImage converted(transparent ? COLOR_RGBALPHA : COLOR_RGB, 8, png.Width(), png.Height());
    for (int y = 0; y < png.Height(); ++y) {
        const uint8_t* in = pixels.ScanLine(y);
        uint8_t* out = converted.ScanLine(y);
        uint8_t* alpha = converted.AlphaScanline(y);
        for (int x = 0; x < png.Width(); ++x) {
            std::copy_n(in + 4 * x, 3, out + 3 * x);
            if (alpha)
                alpha[x] = in[4 * x + 3];
        }
    }
    png.Assign(&converted);
}

uint8_t ScaledAlpha(uint8_t alpha, uint8_t amount)
{
    return static_cast<uint8_t>(RoundHalfEven(alpha / 256.0 * (amount + 1)));
}

// Grey and palette images without an alpha channel: a truecolour copy whose alpha starts from each pixel's
// own transparency (tRNS entries or the transparent grey): transparent stays 0, opaque becomes amount,
// partial values are scaled.
void FadeWithoutAlphaChannel(TPngImage& png, uint8_t amount)
{
    TBitmap pixels;
    png.ToBitmap(pixels);
    TPngImage faded(COLOR_RGBALPHA, 8, png.Width(), png.Height());
    for (int y = 0; y < png.Height(); ++y) {
        const uint8_t* in = pixels.ScanLine(y);
        uint8_t* out = faded.ScanLine(y);
        uint8_t* alpha = faded.AlphaScanline(y);
        for (int x = 0; x < png.Width(); ++x) {
            std::copy_n(in + 4 * x, 3, out + 3 * x);
            const uint8_t own = in[4 * x + 3];
            alpha[x] = own == 0 ? 0 : own == 255 ? amount : ScaledAlpha(own, amount);
        }
    }
    png.Assign(&faded);
}

} // namespace

uint8_t BlendAmount(TKvpBlendIntensity intensity)
{
    static constexpr uint8_t amounts[] = {0, 200, 160, 127, 100, 80};
    return amounts[intensity];
}

uint8_t GrayscaleAmount(TKvpGrayscaleIntensity intensity)
{
    static constexpr uint8_t amounts[] = {0, 25, 51, 77, 102, 128, 153, 179, 204, 230, 255};
    return amounts[intensity];
}

void PngGrayscaleRgb(TPngImage& png, uint8_t amount)
{
    if (amount == 0)
        return;
    ConvertToTruecolor(png);
    ForEachPixel(png, [amount](uint8_t& b, uint8_t& g, uint8_t& r) { MixTowardLuminance(r, g, b, amount); });
}

void PngDesaturate(TPngImage& png, uint8_t amount)
{
    switch (png.Header().ColorType) {
    case COLOR_GRAYSCALE:
    case COLOR_GRAYSCALEALPHA:
        return;
    case COLOR_PALETTE:
        for (TPngPaletteEntry& e : png.Palette())
            MixTowardLuminance(e.Red, e.Green, e.Blue, amount);
        return;
    default:
        ForEachPixel(png,
                     [amount](uint8_t& b, uint8_t& g, uint8_t& r) { MixTowardLuminance(r, g, b, amount); });
    }
}

bool PngSetGamma(TPngImage& png, float gamma)
{
    if (gamma == 1.0f || png.Empty())
        return false;
    gamma = std::max(gamma, 0.1f);
    double table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = std::min(255.0, 255.0 * std::pow(i / 255.0, 1.0 / gamma));
    ConvertToTruecolor(png);
    const auto apply = [&table](uint8_t& c) { c = static_cast<uint8_t>(RoundHalfEven(table[c])); };
    ForEachPixel(png, [&apply](uint8_t& b, uint8_t& g, uint8_t& r) {
        apply(b);
        apply(g);
        apply(r);
    });
    return true;
}

void PngFadeAlpha(TPngImage& png, uint8_t amount)
{
    const bool bitMode = png.TransparencyMode() == ptmBit;
    const TColor transparent = png.TransparentColor();
    switch (png.Header().ColorType) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
        FadeWithoutAlphaChannel(png, amount);
        return;
    case COLOR_RGB:
        png.CreateAlpha();
        break;
    default:
        break;
    }
    const bool truecolor = IsTruecolor(png);
    for (int y = 0; y < png.Height(); ++y) {
        const uint8_t* line = png.ScanLine(y);
        uint8_t* alpha = png.AlphaScanline(y);
        for (int x = 0; x < png.Width(); ++x) {
            const TColor pixel = truecolor ? RGBToColor(line[3 * x + 2], line[3 * x + 1], line[3 * x])
                                           : RGBToColor(line[x], line[x], line[x]);
            alpha[x] = bitMode && pixel == transparent ? 0 : ScaledAlpha(alpha[x], amount);
        }
    }
}

bool PngCopy(const TPngImage* source, TPngImage& dest)
{
    if (!source || source->Empty() || source->Width() < 1 || source->Height() < 1)
        return false;
    TMemoryStream stream;
    source->SaveToStream(stream);
    stream.SetPosition(0);
    dest.LoadFromStream(stream);
    return true;
}

void PngApplyIntensities(TPngImage& png, TKvpBlendIntensity blendIntensity,
                         TKvpGrayscaleIntensity grayscaleIntensity, bool blend, bool grayscale)
{
    if (!blend && !grayscale)
        return;
    TPngImage copy;
    if (!PngCopy(&png, copy))
        return;
    if (grayscale && grayscaleIntensity != giNone)
        PngGrayscaleRgb(copy, GrayscaleAmount(grayscaleIntensity));
    if (blend && blendIntensity != biNone)
        PngFadeAlpha(copy, BlendAmount(blendIntensity));
    png.Assign(&copy);
}

void ApplyPngOptions(TPngImage& png, TPngOptions options)
{
    if (options.Contains(pngBlendOnDisabled))
        PngFadeAlpha(png, 127);
    if (options.Contains(pngGrayscaleOnDisabled))
        PngDesaturate(png, 255);
}

void DrawPngWithOptions(TPngImage& png, TCanvas& canvas, const TRect& rect, TPngOptions options)
{
    if (options.Empty()) {
        canvas.StretchDraw(rect, &png);
        return;
    }
    TPngImage changed;
    changed.Assign(&png);
    ApplyPngOptions(changed, options);
    canvas.StretchDraw(rect, &changed);
}
