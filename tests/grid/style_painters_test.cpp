#include "controls/grid/providers.h"
#include "controls/grid/style_painters.h"
#include "controls/grid/ux_themes.h"
#include "paint_test_support.h"
#include "theme_switch.h"

#include "support/system_colors.h"

#include <gtest/gtest.h>

namespace {

// The three painters side by side on one picture: thumb, track and drop-down button.
std::unique_ptr<TBitmap> PaintAll(TGxButtonState state)
{
    auto bitmap = FilledBitmap(90, 40, clWhite);
    TCanvas& canvas = *bitmap->Canvas();
    TGxTrackBarStyle6::PaintThumb(canvas, {5, 5, 17, 30}, state, {soNativeStyles});
    TGxTrackBarStyle6::PaintTrack(canvas, {25, 15, 55, 21}, {soNativeStyles});
    TGxDropButtonStyledView6::Paint(canvas, {62, 5, 79, 25}, state, {soNativeStyles});
    return bitmap;
}

} // namespace

TEST(StylePainters, ClassicLookIsPixelExact)
{
    TThemeSwitch themes(false);
    EXPECT_FALSE(IsNativeThemeActive());
    auto bitmap = PaintAll({});
    // Thumb (5, 5)-(17, 30), h = 6: light top-left, dark right edge, face inside, a point at the bottom.
    EXPECT_EQ(PixelAt(*bitmap, 5, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(*bitmap, 6, 6), ColorToRGB(cl3DLight));
    EXPECT_EQ(PixelAt(*bitmap, 17, 10), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(*bitmap, 16, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(*bitmap, 10, 15), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(*bitmap, 11, 30), ColorToRGB(cl3DDkShadow)); // the tip
    EXPECT_EQ(PixelAt(*bitmap, 5, 29), clWhite);            // outside the point
    // Track (25, 15)-(55, 21): highlight top and left, shadow bottom and right, face inside.
    EXPECT_EQ(PixelAt(*bitmap, 25, 17), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(*bitmap, 30, 15), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(*bitmap, 54, 17), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(*bitmap, 30, 20), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(*bitmap, 30, 17), ColorToRGB(clBtnFace));
    SaveScreenshot(*bitmap, "paint_kit_styles_classic");
}

TEST(StylePainters, NativeThemeWhenTheOptionsAllowIt)
{
    TThemeSwitch themes(true);
    EXPECT_TRUE(IsNativeThemeActive());
    EXPECT_TRUE(IsStyleAvailable({soNativeStyles}));
    EXPECT_FALSE(IsStyleAvailable({soPlatformStyles})); // the class library's styles never run
    auto themed = PaintAll({});
    auto pressed = PaintAll({bsPressed});
    EXPECT_NE(PixelAt(*themed, 10, 15), ColorToRGB(clBtnFace)); // the theme's thumb
    EXPECT_NE(PixelAt(*themed, 30, 17), ColorToRGB(clBtnFace)); // and track
    EXPECT_NE(PixelAt(*themed, 70, 6), PixelAt(*pressed, 70, 6));
    SaveScreenshot(*themed, "paint_kit_styles_themed");
    SaveScreenshot(*pressed, "paint_kit_styles_themed_pressed");

    // Without the native option the classic look stays.
    auto classic = FilledBitmap(30, 40, clWhite);
    TGxTrackBarStyle6::PaintThumb(*classic->Canvas(), {5, 5, 17, 30}, {}, {});
    EXPECT_EQ(PixelAt(*classic, 10, 15), ColorToRGB(clBtnFace));
}

TEST(StylePainters, DropButtonStatesInBothLooks)
{
    for (const bool themed : {false, true}) {
        TThemeSwitch themes(themed);
        auto normal = PaintAll({});
        auto hover = PaintAll({bsHover});
        auto disabled = PaintAll({bsDisabled});
        const TRect button{62, 5, 79, 25};
        const auto differ = [&](TBitmap& a, TBitmap& b) {
            for (int y = button.Top; y < button.Bottom; ++y)
                for (int x = button.Left; x < button.Right; ++x)
                    if (PixelAt(a, x, y) != PixelAt(b, x, y))
                        return true;
            return false;
        };
        EXPECT_TRUE(differ(*normal, *disabled)) << themed;
        EXPECT_EQ(differ(*normal, *hover), themed) << "the classic button has no hot look";
    }
}

TEST(StylePainters, ThemedBackgroundStaysInItsRectangleAndNeedsThemes)
{
    auto bitmap = FilledBitmap(30, 30, clRed);
    {
        TThemeSwitch themes(false);
        EXPECT_FALSE(UxThemesActive());
        EXPECT_FALSE(DrawThemedBackground(*bitmap->Canvas(), {5, 5, 25, 25}, "spin", 1, 1));
        EXPECT_EQ(CountPixels(*bitmap, {0, 0, 30, 30}, clRed), 900);
    }
    TThemeSwitch themes(true);
    EXPECT_TRUE(UxThemesActive());
    EXPECT_FALSE(IsStyleEnabled());
    EXPECT_TRUE(DrawThemedBackground(*bitmap->Canvas(), {5, 5, 25, 25}, "spin", 1, 1));
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 30, 30}, clRed), 900 - 400);
}

TEST(Providers, ButtonAndFocusFrames)
{
    auto bitmap = FilledBitmap(40, 20, clWhite);
    TCanvas& canvas = *bitmap->Canvas();
    TGraphicsProvider::DrawButton(canvas, {0, 0, 20, 20}, false);
    TGraphicsProvider::DrawButton(canvas, {20, 0, 40, 20}, true);
    EXPECT_EQ(PixelAt(*bitmap, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(*bitmap, 19, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(*bitmap, 39, 10), ColorToRGB(clWindowFrame));
    EXPECT_EQ(PixelAt(*bitmap, 10, 10), ColorToRGB(clBtnFace));

    auto focus = FilledBitmap(20, 20, clWhite);
    TGraphicsProvider::DrawFocused(*focus->Canvas(), {2, 2, 18, 18}, true);
    EXPECT_EQ(CountPixels(*focus, {0, 0, 20, 20}, ColorToRGB(clHighlight)), 4 * 15);
}
