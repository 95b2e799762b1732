#include "controls/pack/png_conversions.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/platform_answers.h"
#include "support/color_routines.h"

#include <vector>

namespace {

void CheckDest(const TPngImage* dest)
{
    if (!dest)
        throw EAssertionFailed("Dest is nil!");
}

// The colour of a bitmap pixel read from its scan line (24 or 32 bits).
TColor PixelOf(const TBitmap& bitmap, int x, int y)
{
    const int bytes = bitmap.PixelFormat() == pf24bit ? 3 : 4;
    const uint8_t* p = bitmap.ScanLine(y) + bytes * x;
    return RGBToColor(p[2], p[1], p[0]);
}

// dest becomes an 8-bit truecolour image of the bitmap's pixels, without alpha.
void TakePixels(const TBitmap& bitmap, TPngImage& dest)
{
    TPngImage image(COLOR_RGB, 8, bitmap.Width(), bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TRGBTriple t = ColorToRgbTriple(PixelOf(bitmap, x, y));
            uint8_t* p = image.ScanLine(y) + 3 * x;
            p[0] = t.rgbtBlue, p[1] = t.rgbtGreen, p[2] = t.rgbtRed;
        }
    dest.Assign(&image);
}

// A bitmap in 24 or 32 bits as it is, any other as a 24-bit copy.
const TBitmap& AsTrueColor(const TBitmap& bitmap, TBitmap& copy)
{
    if (bitmap.PixelFormat() == pf24bit || bitmap.PixelFormat() == pf32bit)
        return bitmap;
    copy.Assign(&bitmap);
    copy.SetPixelFormat(pf24bit);
    return copy;
}

template <typename AlphaOf> void SetAlpha(TPngImage& dest, AlphaOf alphaOf)
{
    dest.CreateAlpha();
    for (int y = 0; y < dest.Height(); ++y) {
        uint8_t* alpha = dest.AlphaScanline(y);
        for (int x = 0; x < dest.Width(); ++x)
            alpha[x] = alphaOf(x, y);
    }
}

// Pixels and a mask of alpha values (255 where opaque) built from a bitmap or an icon.
struct TWorkingImage
{
    TWorkingImage(int width, int height)
        : bitmap(width, height, pf24bit), mask(size_t(width) * height, 255), width(width)
    {}
    uint8_t& Mask(int x, int y) { return mask[size_t(y) * width + x]; }

    TBitmap bitmap;
    std::vector<uint8_t> mask;
    int width;
    bool hasAlpha = false;
};

void TakeTransparentBitmap(const TBitmap& source, TWorkingImage& work)
{
    const TColor key = source.TransparentMode() == tmFixed ? ColorToRGB(source.TransparentColor())
                                                           : PixelOf(source, 0, source.Height() - 1);
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) {
            const TColor color = PixelOf(source, x, y);
            if (color == key) {
                work.Mask(x, y) = 0;
                work.hasAlpha = true;
            }
            work.bitmap.Canvas()->SetPixels(x, y, color);
        }
}

void TakeIcon(const TIcon& icon, TWorkingImage& work)
{
    TBitmap color, mask;
    if (!GetIconInfo(icon, color, mask))
        return;
    bool ownAlpha = false;
    for (int y = 0; y < color.Height(); ++y)
        for (int x = 0; x < color.Width(); ++x) {
            work.bitmap.Canvas()->SetPixels(x, y, PixelOf(color, x, y));
            if (PixelOf(mask, x, y) != clBlack) {
                work.Mask(x, y) = 0;
                work.hasAlpha = true;
            }
            ownAlpha = ownAlpha || color.ScanLine(y)[4 * x + 3] != 0;
        }
    if (color.PixelFormat() != pf32bit || !IsWindowsXPOrLater())
        return;
    work.hasAlpha = true;
    if (!ownAlpha)
        return;
    for (int y = 0; y < color.Height(); ++y)
        for (int x = 0; x < color.Width(); ++x)
            work.Mask(x, y) = color.ScanLine(y)[4 * x + 3];
}

} // namespace

TRGBTriple ColorToRgbTriple(TColor color)
{
    return {static_cast<uint8_t>((color >> 16) & 0xFF), static_cast<uint8_t>((color >> 8) & 0xFF),
            static_cast<uint8_t>(color & 0xFF)};
}

void GraphicToPng(TGraphic* source, TPngImage* dest)
{
    CheckDest(dest);
    if (auto* png = dynamic_cast<TPngImage*>(source)) {
        dest->Assign(png);
        return;
    }
    TWorkingImage work(source->Width(), source->Height());
    auto* bitmap = dynamic_cast<TBitmap*>(source);
    if (bitmap && bitmap->Transparent())
        TakeTransparentBitmap(*bitmap, work);
    else if (auto* icon = dynamic_cast<TIcon*>(source))
        TakeIcon(*icon, work);
    else
        work.bitmap.Canvas()->Draw(0, 0, source);
    TakePixels(work.bitmap, *dest);
    if (work.hasAlpha)
        SetAlpha(*dest, [&work](int x, int y) { return work.Mask(x, y); });
}

void PngFromColorAndMask(const TBitmap& color, const TBitmap* mask, TPngImage* dest, bool inverseMask)
{
    CheckDest(dest);
    TBitmap copy;
    TakePixels(AsTrueColor(color, copy), *dest);
    if (!mask)
        return;
    SetAlpha(*dest, [&](int x, int y) {
        const uint8_t red = x < mask->Width() && y < mask->Height() ? PixelOf(*mask, x, y) & 0xFF : 0;
        return static_cast<uint8_t>(inverseMask ? 255 - red : red);
    });
}

void PngFromMaskColor(const TBitmap& bitmap, TColor maskColor, TPngImage* dest)
{
    CheckDest(dest);
    TBitmap copy;
    const TBitmap& pixels = AsTrueColor(bitmap, copy);
    TakePixels(pixels, *dest);
    SetAlpha(*dest, [&](int x, int y) {
        return static_cast<uint8_t>(PixelOf(pixels, x, y) == maskColor ? 0 : 255);
    });
}
