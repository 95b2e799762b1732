#include "controls/skins/skin_colors.h"

#include "platform/gui/graphics/colors.h"

#include <gtest/gtest.h>

TEST(SkinColors, MixColorsTakesPercentOrPerMille)
{
    const struct
    {
        TColor color1, color2;
        int level;
        TColor mixed;
    } cases[] = {
        {clWhite, clBlack, 50, 0x808080},  // (50 * 255 + 50) div 100 = 128
        {clWhite, clBlack, 500, 0x808080}, // per mille from 100 on
        {clWhite, clBlack, 100, 0x1A1A1A}, // 100 per mille: (25500 + 500) div 1000 = 26
        {clRed, clBlue, 25, 0xBF0040},     // red (6375 + 50) div 100 = 64, blue (19125 + 50) div 100 = 191
        {clWhite, clBlack, 0, clBlack},    {clWhite, clBlack, 1000, clWhite},
        {clWhite, clBlack, 1500, clWhite}, // beyond the scale: clamped
        {clWhite, clBlack, -40, clBlack},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SkinColors::MixColors(c.color1, c.color2, c.level), c.mixed) << c.level;
    // System colours mix as their current values.
    EXPECT_EQ(SkinColors::MixColors(clBtnFace, clWindow, 60),
              SkinColors::MixColors(ColorToRGB(clBtnFace), ColorToRGB(clWindow), 60));
}

TEST(SkinColors, PartsClampAndTexts)
{
    EXPECT_EQ(MakeClampedRGB(-5, 300, 128), 0x80FF00u);
    EXPECT_EQ(LightenColor(0x10F0F0, 20), 0x24FFFFu);
    EXPECT_EQ(LightenColor(0x10F0F0, -20), 0x00DCDCu);
    int red = 0, green = 0, blue = 0;
    ColorToRGBParts(clBtnFace, red, green, blue);
    EXPECT_EQ(MakeClampedRGB(red, green, blue), ColorToRGB(clBtnFace));

    const struct
    {
        TColor color;
        TQvColorTextKind kind;
        const char* text;
    } texts[] = {
        {0x0080FF, ctkHtml, "#ff8000"},   {clRed, ctkName, "clRed"},
        {0x123456, ctkName, "$00123456"}, {0x123456, ctkNameOrHtml, "#563412"},
        {clRed, ctkNameOrHtml, "clRed"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(ColorToText(t.color, t.kind), t.text) << t.text;
    EXPECT_EQ(ColorToHtml(clBtnFace), ColorToHtml(ColorToRGB(clBtnFace)));
}
