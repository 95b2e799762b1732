#include "support/color_routines.h"
#include "support/system_colors.h"

#include <gtest/gtest.h>

TEST(ColorValues, ChannelsAndSystemColours)
{
    EXPECT_EQ(RGBToColor(255, 0, 0), clRed);
    EXPECT_EQ(RGBToColor(256, -1, 0x180), RGBToColor(0, 255, 0x80));
    EXPECT_EQ(GrayColor(128), clGray);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0u);
    EXPECT_EQ(ColorToRGB(clHighlight), RGBToColor(0, 120, 215));
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);

    SetSystemColorResolver([](uint8_t index) { return index == 15 ? TColor{0x123456} : clBlack; });
    EXPECT_EQ(ColorToRGB(clBtnFace), 0x123456u);
    EXPECT_EQ(LightenDarkenColor(clBtnFace, 0, true), 0x123456u);
    SetSystemColorResolver(nullptr);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0u);
}

TEST(LightenDarkenColor, MovesEachChannelByItsOwnShare)
{
    const TColor color = RGBToColor(100, 200, 250);
    EXPECT_EQ(LightenDarkenColor(color, 20, true), RGBToColor(120, 240, 255));
    EXPECT_EQ(LightenDarkenColor(color, 20, false), RGBToColor(80, 160, 200));
    EXPECT_EQ(LightenDarkenColor(color, 150, false), clBlack);
    EXPECT_EQ(LightenDarkenColor(clBlack, 50, true), clBlack);
    EXPECT_EQ(LightenDarkenColor(RGBToColor(9, 9, 9), 10, true), RGBToColor(9, 9, 9)); // 0.9 truncates
    EXPECT_EQ(LightenDarkenColor(clBtnFace, 10, false), GrayColor(216));
}

TEST(TryStrToColor, ReadsEveryTextForm)
{
    const struct
    {
        const char* text;
        TColor color;
    } cases[] = {
        {"$0000FF", clRed},        {"  $00 00 FF ", clRed},  {"0x0000ff", clRed},
        {"0000FF", clRed},         {"008000", clGreen},      {"128", RGBToColor(0x28, 0x01, 0)},
        {"$1FFFFFFF", clNone},     {"$FF00000F", clBtnFace}, {"#F00", clRed},
        {"#ff0000", clRed},        {"# 00 80 00", clGreen},  {"255, 0, 0", clRed},
        {"255   0    0", clRed},   {"(255,0,0)", clRed},     {"rgb(255, 0, 0)", clRed},
        {"RGB(0,128,0)", clGreen}, {"rgb(128)", clGray},
    };
    for (const auto& c : cases) {
        TColor color = clNone;
        EXPECT_TRUE(TryStrToColor(c.text, color)) << c.text;
        EXPECT_EQ(color, c.color) << c.text;
    }
    TColor gray = clNone;
    EXPECT_TRUE(TryRgbListToColor("128", gray));
    EXPECT_EQ(gray, clGray);
}

TEST(TryStrToColor, RejectsBadTextAndKeepsTheColour)
{
    for (const char* text : {"", "   ", "300,0,0", "255,0", "255,0,0,0", "255,0,0,", "#FF00", "#GG0000",
                             "$12345678 9", "red", "-1", "1.5", "rgb(1,2)", "(256)"}) {
        TColor color = clAqua;
        EXPECT_FALSE(TryStrToColor(text, color)) << text;
        EXPECT_EQ(color, clAqua) << text;
    }
}
