#include "controls/grid/color_blend.h"
#include "controls/grid/providers.h"

#include "support/system_colors.h"

#include <gtest/gtest.h>

TEST(ColorBlend, IntegerAmountDividesBy256)
{
    const struct
    {
        TColor color1, color2;
        int amount;
        TColor expected;
    } cases[] = {
        {clWhite, clBlack, 255, 0xFEFEFE}, // every channel of color1 one lower
        {clBlack, clWhite, 0, 0xFEFEFE},   // amount 0 gives color2 likewise
        {0x0000FF, 0xFF0000, 128, 0x7E007F},
        {0x102030, 0x102030, 200, 0x0F1F2F},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BlendColor(c.color1, c.color2, c.amount), c.expected) << c.amount;
        EXPECT_EQ(MixColors(c.color1, c.color2, c.amount), c.expected) << c.amount;
        EXPECT_EQ(TGraphicsProvider::BlendColor(c.color1, c.color2, c.amount), c.expected) << c.amount;
    }
}

TEST(ColorBlend, AmountOutsideItsRangeFailsTheAssertion)
{
    for (const int amount : {-1, 256, 1000}) {
        EXPECT_THROW(BlendColor(clWhite, clBlack, amount), EAssertionFailed) << amount;
        EXPECT_THROW(MixColors(clWhite, clBlack, amount), EAssertionFailed) << amount;
    }
}

TEST(ColorBlend, RatioWeightsTheSecondColourAndRoundsHalvesToEven)
{
    EXPECT_EQ(BlendColor(clBlack, clWhite, 0.0), clBlack);
    EXPECT_EQ(BlendColor(clBlack, clWhite, 1.0), clWhite);
    EXPECT_EQ(BlendColor(clBlack, clWhite, 0.5), 0x808080);    // 127.5 goes to 128
    EXPECT_EQ(BlendColor(clBlack, 0x000005, 0.5), 0x000002);   // 2.5 goes to 2
    EXPECT_EQ(BlendColor(0x0000FF, 0xFF0000, 0.25), 0x4000BF); // blue 63.75, red 191.25
}

TEST(ColorBlend, SystemColoursAreResolvedBeforeMixing)
{
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(BlendColor(clBtnFace, clBtnFace, 0.5), face);
    EXPECT_EQ(BlendColor(clBtnFace, clBlack, 255), BlendColor(face, clBlack, 255));
    EXPECT_EQ(MixColors(clBlack, clBtnFace, 0), BlendColor(clBlack, face, 0));
}
