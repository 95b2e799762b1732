#include "controls/grid/alpha_drawing.h"
#include "controls/grid/color_blend.h"
#include "controls/grid/gradients.h"
#include "paint_test_support.h"

#include <gtest/gtest.h>

TEST(Gradients, LineGradientsStartWithTheFromColourAndStepByRatio)
{
    auto bitmap = FilledBitmap(8, 8, clRed);
    TCanvas& canvas = *bitmap->Canvas();
    DrawGradient(canvas, {0, 0, 4, 4}, clBlack, clWhite);
    const TColor rows[] = {0x000000, 0x404040, 0x808080, 0xBFBFBF};
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(PixelAt(*bitmap, 0, y), rows[y]) << y;
        EXPECT_EQ(PixelAt(*bitmap, 3, y), rows[y]) << y;
        EXPECT_EQ(PixelAt(*bitmap, 4, y), clRed) << "the right edge stays outside";
    }
    DrawVertGradient(canvas, {4, 4, 8, 8}, clBlack, clWhite);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(PixelAt(*bitmap, 4 + x, 7), rows[x]) << x;
}

TEST(Gradients, EmptyAndOneRowRectangles)
{
    auto bitmap = FilledBitmap(4, 4, clRed);
    DrawGradient(*bitmap->Canvas(), {0, 1, 4, 1}, clBlack, clWhite);
    DrawVertGradient(*bitmap->Canvas(), {1, 0, 1, 4}, clBlack, clWhite);
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 4, 4}, clRed), 16);
    DrawVertGradientLines(*bitmap->Canvas(), {0, 2, 4, 3}, clBlue, clWhite);
    EXPECT_EQ(CountPixels(*bitmap, {0, 2, 4, 3}, clBlue), 4);
}

TEST(Gradients, GlossFadesFromWhiteAtTheTopIntoTheGradient)
{
    auto bitmap = FilledBitmap(20, 10, clBlack);
    DrawGlossGradient(*bitmap->Canvas(), {0, 0, 20, 10}, clRed, clBlue, 4);
    EXPECT_EQ(PixelAt(*bitmap, 5, 0), 0xFEFEFE); // white at the top
    EXPECT_EQ(PixelAt(*bitmap, 5, 4), 0x650098); // the first row below the gloss: amount 102
    EXPECT_EQ(PixelAt(*bitmap, 5, 9), 0xE50018); // the bottom row: amount 230, almost blue
    EXPECT_EQ(PixelAt(*bitmap, 0, 9), PixelAt(*bitmap, 19, 9));

    auto picture = FilledBitmap(240, 60, clWhite);
    DrawGlossGradient(*picture->Canvas(), {0, 0, 80, 60}, 0xF0D9C2, 0xCE9266, 20);
    DrawCenterGlowGradient(*picture->Canvas(), {80, 0, 160, 60}, 0xF0D9C2, 0xCE9266, 20);
    DrawGradient(*picture->Canvas(), {160, 0, 240, 60}, 0xCE9266, 0xFFEFE3);
    DrawGlassShine(*picture->Canvas(), {160, 0, 240, 60});
    SaveScreenshot(*picture, "paint_kit_gloss_glow_glass");
    // The bottom row, below the gloss: 0xCE9266 by 251 with 0xF0D9C2 by 4; the glow whitens it by 100 in
    // its middle column and by 180 at its left edge.
    EXPECT_EQ(PixelAt(*picture, 40, 59), 0xCD9267);
    EXPECT_EQ(PixelAt(*picture, 120, 59), 0xEAD3C2);
    EXPECT_EQ(PixelAt(*picture, 80, 59), 0xDAB193);
    // The shine mixes white by 150 into the gradient's first row and leaves its row 22 as it was.
    EXPECT_EQ(PixelAt(*picture, 200, 0), 0xE9D1BF);
    EXPECT_EQ(PixelAt(*picture, 200, 22), 0xE0B494);
}

TEST(Gradients, CentreGlowIsLightestInTheMiddleColumn)
{
    auto bitmap = FilledBitmap(200, 10, clBlack);
    DrawCenterGlowGradient(*bitmap->Canvas(), {0, 0, 200, 10}, clNavy, clNavy, 0);
    // Every row is navy mixed with itself: blue (128 * 255) >> 8 = 127. Column x then mixes that with
    // white by |100 - x| * 2 + 100: blue (127 * w + 255 * (255 - w)) >> 8, red and green (255 * (255 - w))
    // >> 8.
    EXPECT_EQ(PixelAt(*bitmap, 100, 9), 0xCC9A9A); // w = 100
    EXPECT_EQ(PixelAt(*bitmap, 80, 9), 0xB87272);  // w = 140
    EXPECT_EQ(PixelAt(*bitmap, 0, 9), 0x7E0000);   // w = 300, held at 255
}

TEST(Gradients, GlassShineLightensAtMostTwentyTwoRows)
{
    auto bitmap = FilledBitmap(10, 60, clBlack);
    DrawGlassShine(*bitmap->Canvas(), {0, 0, 10, 60});
    EXPECT_EQ(PixelAt(*bitmap, 3, 0), 0x959595);  // amount 150
    EXPECT_EQ(PixelAt(*bitmap, 3, 1), 0x8E8E8E);  // 143
    EXPECT_EQ(PixelAt(*bitmap, 3, 21), 0x020202); // 3
    EXPECT_EQ(CountPixels(*bitmap, {0, 22, 10, 60}, clBlack), 10 * 38);
    // The band is half the rectangle's bottom coordinate high: a shallow rectangle changes fewer rows.
    auto shallow = FilledBitmap(10, 20, clBlack);
    DrawGlassShine(*shallow->Canvas(), {0, 0, 10, 12});
    EXPECT_NE(PixelAt(*shallow, 3, 5), clBlack);
    EXPECT_EQ(PixelAt(*shallow, 3, 6), clBlack);
}

TEST(AlphaDrawing, BitmapsWithAlphaMixWithTheCanvas)
{
    TBitmap source(3, 1, pf32bit);
    const uint8_t pixels[] = {0, 0, 255, 255, 0, 0, 255, 0, 255, 255, 255, 128}; // B, G, R, A
    std::copy(std::begin(pixels), std::end(pixels), source.ScanLine(0));

    auto applied = FilledBitmap(3, 1, clBlack);
    ApplyBitmap(*applied->Canvas(), 0, 0, source);
    EXPECT_EQ(PixelAt(*applied, 0, 0), clRed);
    EXPECT_EQ(PixelAt(*applied, 1, 0), clBlack);
    EXPECT_EQ(PixelAt(*applied, 2, 0), 0x808080); // Round(255 * 128 / 255)

    auto mixed = FilledBitmap(3, 1, clBlack);
    DrawAlphaBitmap(*mixed->Canvas(), 0, 0, source);
    EXPECT_EQ(PixelAt(*mixed, 0, 0), 0x0000FE); // MixColors divides by 256
    EXPECT_EQ(PixelAt(*mixed, 1, 0), clBlack);
    EXPECT_EQ(PixelAt(*mixed, 2, 0), 0x7F7F7F);
}

TEST(AlphaDrawing, OtherFormatsAreDrawnAsTheyAre)
{
    auto plain = FilledBitmap(2, 2, clLime);
    auto target = FilledBitmap(4, 4, clBlack);
    ApplyBitmap(*target->Canvas(), 1, 1, *plain);
    DrawAlphaBitmap(*target->Canvas(), 2, 2, *plain);
    EXPECT_EQ(CountPixels(*target, {1, 1, 4, 4}, clLime), 7);
}
