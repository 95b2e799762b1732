#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "gui_driver.h"

#include <gtest/gtest.h>

namespace {

// Themes are a program-wide switch: every test leaves it on.
class ThemeTest : public testing::Test
{
protected:
    ~ThemeTest() override { SetThemesEnabled(true); }
    TBitmap bitmap{40, 40, pf24bit};
    TCanvas& canvas = *bitmap.Canvas();
};

} // namespace

TEST_F(ThemeTest, SwitchedOffThereIsNothingToOpen)
{
    HTHEME theme = OpenThemeData("Header;ListView");
    ASSERT_NE(theme, nullptr);
    CloseThemeData(theme);
    EXPECT_EQ(OpenThemeData("NoSuchClass"), nullptr);

    SetThemesEnabled(false);
    EXPECT_FALSE(IsThemeActive());
    EXPECT_EQ(OpenThemeData("Button"), nullptr);
    EXPECT_FALSE(DrawThemeBackground(nullptr, canvas, BP_PUSHBUTTON, PBS_NORMAL, {0, 0, 10, 10}));
    EXPECT_EQ(canvas.Pixels(5, 5), clWhite);
}

TEST_F(ThemeTest, PartsDrawTheirStates)
{
    HTHEME button = OpenThemeData("button");
    TSize size;
    ASSERT_TRUE(GetThemePartSize(button, &canvas, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, TS_TRUE, size));
    EXPECT_EQ(size, (TSize{13, 13}));

    DrawThemeBackground(button, canvas, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, {0, 0, 13, 13});
    DrawThemeBackground(button, canvas, BP_CHECKBOX, CBS_CHECKEDNORMAL, {20, 0, 33, 13});
    int unchecked = 0, checked = 0;
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x) {
            unchecked += canvas.Pixels(x, y) != clWhite;
            checked += canvas.Pixels(20 + x, y) != clWhite;
        }
    EXPECT_EQ(unchecked, 0);
    EXPECT_GT(checked, 15);

    // Hot and normal push buttons differ; the clip rectangle limits what is drawn.
    DrawThemeBackground(button, canvas, BP_PUSHBUTTON, PBS_NORMAL, {0, 20, 10, 30});
    DrawThemeBackground(button, canvas, BP_PUSHBUTTON, PBS_HOT, {10, 20, 20, 30});
    EXPECT_NE(canvas.Pixels(5, 25), canvas.Pixels(15, 25));
    const TRect clip{30, 20, 32, 30};
    DrawThemeBackground(button, canvas, BP_PUSHBUTTON, PBS_HOT, {30, 20, 40, 30}, &clip);
    EXPECT_EQ(canvas.Pixels(35, 25), clWhite);
    CloseThemeData(button);

    HTHEME tree = OpenThemeData("TreeView");
    DrawThemeBackground(tree, canvas, TVP_GLYPH, GLPS_CLOSED, {0, 31, 9, 40});
    DrawThemeBackground(tree, canvas, TVP_GLYPH, GLPS_OPENED, {10, 31, 19, 40});
    EXPECT_NE(canvas.Pixels(4, 33), clWhite);  // the vertical stroke of "+"
    EXPECT_EQ(canvas.Pixels(14, 33), clWhite); // "-" has none
    CloseThemeData(tree);
}

TEST_F(ThemeTest, TextTakesThePartsColour)
{
    HTHEME button = OpenThemeData("Button");
    EXPECT_EQ(GetThemeTextColor(button, BP_PUSHBUTTON, PBS_DISABLED), ColorToRGB(clGrayText));
    EXPECT_EQ(GetThemeTextColor(button, BP_PUSHBUTTON, PBS_NORMAL), ColorToRGB(clBtnText));
    canvas.Brush()->SetColor(clRed); // the themed text never paints a background
    DrawThemeText(button, canvas, BP_PUSHBUTTON, PBS_NORMAL, "Ok", DT_SINGLELINE, {0, 0, 40, 20});
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    CloseThemeData(button);
}

TEST(FontFamilies, MissingFacesFallBack)
{
    EXPECT_TRUE(IsFontInstalled("DejaVu Sans"));
    EXPECT_EQ(ResolveFontFamily("DejaVu Sans Mono"), "DejaVu Sans Mono");
    EXPECT_EQ(ResolveFontFamily("No Such Face"), DefaultFontName());
    EXPECT_EQ(ResolveFontFamily("No Such Face", true), "DejaVu Sans Mono");
    if (!IsFontInstalled("Courier New")) {
        EXPECT_EQ(ResolveFontFamily("Courier New"), "DejaVu Sans Mono");
    }
    const auto families = InstalledFontFamilies();
    EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
}

TEST_F(ThemeTest, TextWithOptionsMeasuresColoursAndGlows)
{
    HTHEME window = OpenThemeData("Window");
    ASSERT_NE(window, nullptr);
    canvas.Font()->SetName("DejaVu Sans");
    canvas.Font()->SetSize(9);

    TRect measured{0, 0, 200, 0}, expected = measured;
    const DTTOPTS measure{DTT_CALCRECT, clBlack, 0};
    ASSERT_TRUE(DrawThemeTextEx(window, canvas, WP_CAPTION, 1, "Glow", DT_SINGLELINE, measured, &measure));
    DrawText(canvas, "Glow", expected, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(measured, expected);
    EXPECT_EQ(canvas.Pixels(2, 2), clWhite) << "measuring draws nothing";

    // Dark text on a dark ground, with and without a glow: the glow lightens the ground around the letters.
    TBitmap picture(120, 40, pf24bit);
    TCanvas& c = *picture.Canvas();
    c.Brush()->SetColor(TColor(0x402000));
    c.FillRect({0, 0, 120, 40});
    c.Font()->SetName("DejaVu Sans");
    c.Font()->SetSize(12);
    const DTTOPTS plain{DTT_TEXTCOLOR, clRed, 0};
    const DTTOPTS glowing{DTT_TEXTCOLOR | DTT_GLOWSIZE, clRed, 8};
    TRect left{10, 10, 50, 30}, right{70, 10, 110, 30};
    DrawThemeTextEx(window, c, WP_CAPTION, 1, "Ab", DT_SINGLELINE | DT_CENTER | DT_VCENTER, left, &plain);
    DrawThemeTextEx(window, c, WP_CAPTION, 1, "Ab", DT_SINGLELINE | DT_CENTER | DT_VCENTER, right, &glowing);
    SaveScreenshot(picture, "theme_text_glow", 4);
    auto count = [&](int x0, TColor colour, bool equal) {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = x0; x < x0 + 55; ++x)
                n += (c.Pixels(x, y) == colour) == equal;
        return n;
    };
    EXPECT_GT(count(0, clRed, true), 10) << "the text takes the colour of the options";
    EXPECT_GT(count(60, clRed, true), 10);
    const int groundLeft = count(0, TColor(0x402000), true), groundRight = count(60, TColor(0x402000), true);
    EXPECT_LT(groundRight + 200, groundLeft) << "the glow covers the ground around the text";
    EXPECT_EQ(c.Pixels(65, 20), TColor(0x402000)) << "and fades out within its radius";
    CloseThemeData(window);
}
