#include "controls/pack/png_conversions.h"
#include "controls/pack/png_routines.h"

#include "platform/gui/core/exceptions.h"
#include "png_test_files.h"
#include "support/streams.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A one-row image of the given pixels: bytes per pixel as the colour type keeps them.
std::unique_ptr<TPngImage> Row(TPngColorType type, const std::vector<uint8_t>& pixels,
                               const std::vector<uint8_t>& alpha = {})
{
    const int perPixel = type == COLOR_RGB || type == COLOR_RGBALPHA ? 3 : 1;
    auto png = std::make_unique<TPngImage>(type, 8, static_cast<int>(pixels.size()) / perPixel, 1);
    std::copy(pixels.begin(), pixels.end(), png->ScanLine(0));
    if (!alpha.empty())
        std::copy(alpha.begin(), alpha.end(), png->AlphaScanline(0));
    return png;
}

std::vector<uint8_t> PixelsOf(const TPngImage& png)
{
    const uint8_t* line = png.ScanLine(0);
    return {line, line + png.Width() * png.BytesPerPixel()};
}

std::vector<uint8_t> AlphaOf(const TPngImage& png)
{
    const uint8_t* alpha = png.AlphaScanline(0);
    return alpha ? std::vector<uint8_t>(alpha, alpha + png.Width()) : std::vector<uint8_t>{};
}

// Palette image of three entries: red, grey, blue; entry 0 transparent, entry 2 half transparent.
std::unique_ptr<TPngImage> Indexed()
{
    auto png = Row(COLOR_PALETTE, {0, 1, 2});
    png->Palette() = {{255, 0, 0}, {128, 128, 128}, {0, 0, 255}};
    png->PaletteAlpha() = {0, 255, 128};
    return png;
}

} // namespace

TEST(PngRoutines, LuminanceMixDividesBy256)
{
    auto png = Row(COLOR_RGB, {255, 255, 255, 0, 0, 0, 200, 128, 10});
    PngDesaturate(*png, 255);
    // White ends at 254, black stays; (blue 200, green 128, red 10) mixes to its grey 100.
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{254, 254, 254, 0, 0, 0, 100, 100, 100}));

    png = Row(COLOR_RGB, {200, 128, 10});
    PngDesaturate(*png, 0); // values above 128 lose one step
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{199, 128, 10}));
    png = Row(COLOR_RGB, {200, 128, 10});
    PngGrayscaleRgb(*png, 0); // nothing at all
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{200, 128, 10}));

    // A palette image desaturates its palette; a grey image stays.
    auto indexed = Indexed();
    PngDesaturate(*indexed, 255);
    EXPECT_EQ(indexed->Palette()[0], (TPngPaletteEntry{76, 76, 76}));
    EXPECT_EQ(PixelsOf(*indexed), (std::vector<uint8_t>{0, 1, 2}));
    auto grey = Row(COLOR_GRAYSCALE, {10, 250});
    PngDesaturate(*grey, 255);
    EXPECT_EQ(PixelsOf(*grey), (std::vector<uint8_t>{10, 250}));
}

TEST(PngRoutines, GrayscaleAndGammaTurnGreyAndIndexedImagesIntoTruecolour)
{
    auto grey = Row(COLOR_GRAYSCALEALPHA, {100, 64}, {255, 40});
    PngGrayscaleRgb(*grey, 255);
    EXPECT_EQ(grey->Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(PixelsOf(*grey), (std::vector<uint8_t>{100, 100, 100, 64, 64, 64}));
    EXPECT_EQ(AlphaOf(*grey), (std::vector<uint8_t>{255, 40}));

    auto indexed = Indexed();
    EXPECT_TRUE(PngSetGamma(*indexed, 2.0f));
    EXPECT_EQ(indexed->Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(PixelsOf(*indexed), (std::vector<uint8_t>{0, 0, 255, 181, 181, 181, 255, 0, 0}));
    EXPECT_EQ(AlphaOf(*indexed), (std::vector<uint8_t>{0, 255, 128}));
}

TEST(PngRoutines, GammaTable)
{
    auto png = Row(COLOR_RGB, {64, 0, 255});
    EXPECT_FALSE(PngSetGamma(*png, 1.0f));
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{64, 0, 255}));
    EXPECT_TRUE(PngSetGamma(*png, 2.0f)); // 255 * (64/255)^0.5 = 127.75
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{128, 0, 255}));

    auto low = Row(COLOR_RGBALPHA, {128, 128, 128}, {77});
    auto lowest = Row(COLOR_RGBALPHA, {128, 128, 128}, {77});
    PngSetGamma(*low, 0.1f);
    PngSetGamma(*lowest, 0.05f); // taken as 0.1
    EXPECT_EQ(PixelsOf(*low), PixelsOf(*lowest));
    EXPECT_EQ(PixelsOf(*low)[0], 0); // 255 * (128/255)^10 = 0.26
    EXPECT_EQ(AlphaOf(*low), (std::vector<uint8_t>{77}));

    TPngImage empty;
    EXPECT_FALSE(PngSetGamma(empty, 2.0f));
}

TEST(PngRoutines, FadeAlphaPerColourType)
{
    auto rgb = Row(COLOR_RGB, {1, 2, 3, 4, 5, 6});
    PngFadeAlpha(*rgb, 127);
    EXPECT_EQ(AlphaOf(*rgb), (std::vector<uint8_t>{128, 128}));

    auto rgba = Row(COLOR_RGBALPHA, {1, 2, 3, 4, 5, 6}, {255, 100});
    PngFadeAlpha(*rgba, 255);
    EXPECT_EQ(AlphaOf(*rgba), (std::vector<uint8_t>{255, 100}));

    auto greyAlpha = Row(COLOR_GRAYSCALEALPHA, {9, 9}, {255, 0});
    PngFadeAlpha(*greyAlpha, 127);
    EXPECT_EQ(AlphaOf(*greyAlpha), (std::vector<uint8_t>{128, 0}));

    // Grey with one transparent grey: that grey 0, the rest the amount itself.
    auto grey = Row(COLOR_GRAYSCALE, {50, 60});
    grey->SetTransparentColor(0x323232);
    PngFadeAlpha(*grey, 127);
    EXPECT_EQ(grey->Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(AlphaOf(*grey), (std::vector<uint8_t>{0, 127}));
    EXPECT_EQ(PixelsOf(*grey), (std::vector<uint8_t>{50, 50, 50, 60, 60, 60}));

    // Truecolour with a transparent colour: that colour 0, the rest faded.
    auto keyed = Row(COLOR_RGB, {1, 2, 3, 4, 5, 6});
    keyed->SetTransparentColor(0x010203);
    PngFadeAlpha(*keyed, 127);
    EXPECT_EQ(AlphaOf(*keyed), (std::vector<uint8_t>{0, 128}));
}

TEST(PngRoutines, FadingAPaletteImageStartsFromEachPixelsOwnAlpha)
{
    auto indexed = Indexed();
    PngFadeAlpha(*indexed, 127);
    // Transparent stays transparent, opaque takes the amount, half transparent is scaled: 128/256 * 128.
    EXPECT_EQ(AlphaOf(*indexed), (std::vector<uint8_t>{0, 127, 64}));
    EXPECT_EQ(PixelsOf(*indexed), (std::vector<uint8_t>{0, 0, 255, 128, 128, 128, 255, 0, 0}));
}

TEST(PngRoutines, SixteenBitSamplesKeepTheirHighByte)
{
    // White, then 0x4000 in every channel.
    std::string row(1, '\0');
    row += std::string(6, char(0xFF)) + std::string{0x40, 0, 0x40, 0, 0x40, 0};
    auto loaded = LoadPng(PngFile(2, 16, COLOR_RGB, row, 1, false));
    ASSERT_EQ(loaded->Header().BitDepth, 16);
    PngSetGamma(*loaded, 2.0f);
    PngDesaturate(*loaded, 255);
    EXPECT_EQ(PixelsOf(*loaded), (std::vector<uint8_t>{254, 254, 254, 128, 128, 128}));
}

TEST(PngRoutines, IntensitiesAndOptionsOnCopies)
{
    auto png = Row(COLOR_RGB, {0, 0, 255});
    PngApplyIntensities(*png, biNone, giNone, true, true); // a copy round trip, nothing else
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{0, 0, 255}));
    EXPECT_EQ(png->Header().ColorType, COLOR_RGB);
    PngApplyIntensities(*png, biMax, gi100Percent, true, true);
    EXPECT_EQ(PixelsOf(*png), (std::vector<uint8_t>{76, 76, 76}));
    EXPECT_EQ(AlphaOf(*png), (std::vector<uint8_t>{81})); // 255/256 * 81

    TPngImage empty;
    PngApplyIntensities(empty, biMax, gi100Percent, true, true);
    EXPECT_TRUE(empty.Empty());

    auto options = Row(COLOR_RGB, {0, 0, 255});
    ApplyPngOptions(*options, {pngBlendOnDisabled, pngGrayscaleOnDisabled});
    EXPECT_EQ(PixelsOf(*options), (std::vector<uint8_t>{76, 76, 76}));
    EXPECT_EQ(AlphaOf(*options), (std::vector<uint8_t>{128}));
}

TEST(PngConversions, BitmapsAndMasks)
{
    TBitmap bitmap(3, 2, pf24bit);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect({0, 0, 3, 2});
    bitmap.Canvas()->SetPixels(1, 0, clLime);
    bitmap.Canvas()->SetPixels(0, 1, clBlue); // bottom-left: the automatic transparent colour

    TPngImage opaque;
    GraphicToPng(&bitmap, &opaque);
    EXPECT_EQ(opaque.Header().ColorType, COLOR_RGB);
    EXPECT_EQ(PixelsOf(opaque), (std::vector<uint8_t>{0, 0, 255, 0, 255, 0, 0, 0, 255}));

    bitmap.SetTransparent(true);
    auto keyed = std::make_unique<TPngImage>();
    GraphicToPng(&bitmap, keyed.get());
    EXPECT_EQ(keyed->Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(AlphaOf(*keyed), (std::vector<uint8_t>{255, 255, 255}));
    EXPECT_EQ(keyed->AlphaScanline(1)[0], 0);
    bitmap.SetTransparentMode(tmFixed);
    bitmap.SetTransparentColor(clLime);
    GraphicToPng(&bitmap, keyed.get());
    EXPECT_EQ(AlphaOf(*keyed), (std::vector<uint8_t>{255, 0, 255}));

    TPngImage masked;
    PngFromMaskColor(bitmap, clLime, &masked);
    EXPECT_EQ(AlphaOf(masked), (std::vector<uint8_t>{255, 0, 255}));
    PngFromMaskColor(bitmap, clBtnFace, &masked); // a system colour never matches
    EXPECT_EQ(AlphaOf(masked), (std::vector<uint8_t>{255, 255, 255}));

    TBitmap mask(3, 2, pf24bit);
    mask.Canvas()->Brush()->SetColor(clWhite);
    mask.Canvas()->FillRect({0, 0, 3, 2});
    mask.Canvas()->SetPixels(2, 0, clBlack);
    PngFromColorAndMask(bitmap, &mask, &masked, false);
    EXPECT_EQ(AlphaOf(masked), (std::vector<uint8_t>{255, 255, 0}));
    PngFromColorAndMask(bitmap, &mask, &masked, true);
    EXPECT_EQ(AlphaOf(masked), (std::vector<uint8_t>{0, 0, 255}));

    EXPECT_THROW(GraphicToPng(&bitmap, nullptr), EAssertionFailed);
    EXPECT_THROW(PngFromMaskColor(bitmap, clLime, nullptr), EAssertionFailed);
}

namespace {

// An icon file of one 2 x 1 image in 32 bits: an opaque red pixel and a half-transparent blue one.
std::string IconFileWithAlpha()
{
    std::string file;
    const auto put = [&file](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(0, 2), put(1, 2), put(1, 2);                                   // header: an icon, one image
    put(2, 1), put(1, 1), put(0, 1), put(0, 1), put(1, 2), put(32, 2); // 2 x 1, 32 bits
    put(40 + 8 + 4, 4), put(6 + 16, 4);                                // size and offset of the image
    put(40, 4), put(2, 4), put(2, 4), put(1, 2), put(32, 2);           // the bitmap, twice as high
    put(0, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4);
    put(0xFFFF0000, 4), put(0x800000FF, 4); // A, R, G, B of the one row
    put(0, 4);                              // the mask row, padded to 4 bytes
    return file;
}

} // namespace

TEST(PngConversions, AnIconKeepsItsOwnAlpha)
{
    TIcon icon;
    TMemoryStream stream;
    const std::string bytes = IconFileWithAlpha();
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    icon.LoadFromStream(stream);
    ASSERT_FALSE(icon.Empty());
    auto png = std::make_unique<TPngImage>();
    GraphicToPng(&icon, png.get());
    EXPECT_EQ(png->Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(AlphaOf(*png), (std::vector<uint8_t>{255, 128}));
    EXPECT_EQ(PixelsOf(*png)[2], 255); // red
}

TEST(PngConversions, ThePngObjectIsAKnownPicture)
{
    TPNGObject object;
    object.Assign(Row(COLOR_RGB, {1, 2, 3}).get());
    TPicture picture;
    picture.SetGraphic(&object);
    EXPECT_NE(dynamic_cast<TPNGObject*>(picture.Graphic()), nullptr);
}
