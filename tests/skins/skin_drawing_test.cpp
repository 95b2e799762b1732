#include "controls/skins/skin_drawing.h"

#include "gui_driver.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/panels.h"
#include "support/color_routines.h"

#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor C1 = 0x0000C0, C2 = 0x00C000, C3 = 0xC00000, C4 = 0x00C0C0;

// A white picture to paint on, its brush and pen set to colours no routine here paints with.
class SkinDrawing : public testing::Test, public TPaintingPicture
{
protected:
    SkinDrawing() : TPaintingPicture(40, clWhite) {}
};

} // namespace

TEST_F(SkinDrawing, RoundedFrameKeepsForcedSidesSquare)
{
    // 20 x 12, roundness 2, the left side forced square: inclusive corners (0, 0) and (19, 11).
    DrawRoundedFrame(canvas(), {0, 0, 20, 12}, 2, C1, C2, C3, C4, BF_LEFT);
    const struct
    {
        int x, y;
        TColor color;
    } pixels[] = {
        {0, 0, C1},        {0, 5, C1},        {5, 0, C1},   // square top-left corner, outer top and left
        {0, 11, C2},       {5, 11, C2},       {19, 5, C2},  // square bottom-left corner, bottom and right
        {19, 0, clWhite},  {18, 0, clWhite},  {18, 1, C1},  // rounded top-right corner
        {19, 11, clWhite}, {18, 11, clWhite}, {18, 10, C2}, // rounded bottom-right corner
        {1, 5, C3},        {5, 1, C3},        {5, 10, C4},  {18, 5, C4}, // the inner ring
        {5, 5, clWhite},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(At(p.x, p.y), p.color) << p.x << "," << p.y;
    ExpectToolsKept();

    // No side forced: the left corners are cut too; clNone leaves its line out.
    DrawRoundedFrame(canvas(), {0, 20, 20, 32}, 5, C1, C2, clNone, C4, 0);
    EXPECT_EQ(At(0, 20), clWhite);
    EXPECT_EQ(At(0, 31), clWhite);
    EXPECT_EQ(At(1, 21), C1);
    EXPECT_EQ(At(5, 21), clWhite);
    EXPECT_EQ(At(5, 30), C4);
}

TEST_F(SkinDrawing, GradientBandsIncludeBothEnds)
{
    GradientFillBand(canvas(), {0, 0, 10, 20}, 2, 5, clBlack, clWhite, true);
    EXPECT_EQ(At(3, 1), clWhite);
    EXPECT_EQ(At(3, 2), clBlack);
    EXPECT_EQ(At(3, 5), clWhite);
    EXPECT_NE(At(9, 3), clWhite);
    EXPECT_EQ(CountPixels(bitmap, {0, 6, 40, 40}, clWhite), 40 * 34);

    // Across: columns 12 + 3 to 12 + 4; clNone gives white.
    GradientFillBand(canvas(), {12, 30, 40, 35}, 3, 4, clRed, clNone, false);
    EXPECT_EQ(At(15, 30), clRed);
    EXPECT_EQ(At(16, 34), clWhite);
    EXPECT_EQ(At(14, 32), clWhite);
    EXPECT_EQ(CountPixels(bitmap, {12, 30, 40, 35}, clRed), 5);
}

TEST_F(SkinDrawing, ColourFillsSkipNone)
{
    FillRectColors(canvas(), {0, 0, 10, 10}, clNone, C1);
    FillRectColors(canvas(), {10, 0, 20, 10}, C2, clNone);
    FillRectColors(canvas(), {20, 0, 30, 10}, C2, C1);
    DrawLineColor(canvas(), 0, 20, 10, 20, clNone);
    DrawLineColor(canvas(), 0, 21, 10, 21, C3);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 10, 10}, clWhite), 100);
    EXPECT_EQ(CountPixels(bitmap, {10, 0, 20, 10}, C2), 100);
    EXPECT_EQ(CountPixels(bitmap, {20, 0, 30, 10}, C1), 36);
    EXPECT_EQ(CountPixels(bitmap, {20, 0, 30, 10}, C2), 64);
    EXPECT_EQ(CountPixels(bitmap, {0, 20, 40, 21}, clWhite), 40);
    EXPECT_EQ(CountPixels(bitmap, {0, 21, 40, 22}, C3), 10); // the end point is left out
    ExpectToolsKept();
}

TEST_F(SkinDrawing, ImageShadowDarkensUnderTheShape)
{
    // A 16 x 16 image: a black 8 x 8 square and a white one, on a see-through background.
    TImageList images(nullptr);
    TBitmap image(16, 16, pf32bit);
    image.Canvas()->Brush()->SetColor(clBlack);
    image.Canvas()->FillRect({0, 0, 8, 8});
    image.Canvas()->Brush()->SetColor(clWhite);
    image.Canvas()->FillRect({8, 8, 16, 16});
    images.Add(&image, nullptr);
    canvas().Brush()->SetColor(0x808080);
    canvas().FillRect({0, 0, 40, 40});
    canvas().Brush()->SetColor(clGreen);

    DrawImageListImage(canvas(), {4, 4, 30, 30}, &images, 0, false, true);
    // Black leaves 170 / 256 of the background, white (255 * 255 div 768 + 170 = 254) hardly anything.
    EXPECT_EQ(CountPixels(bitmap, {4, 4, 12, 12}, GrayColor(128 * 170 / 256)), 64);
    EXPECT_EQ(CountPixels(bitmap, {12, 12, 20, 20}, GrayColor(128 * 254 / 256)), 64);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, 0x808080), 1600 - 128);
    ExpectToolsKept();

    // Enabled, the image itself; an index outside the list draws nothing.
    DrawImageListImage(canvas(), {20, 20, 40, 40}, &images, 0, true, true);
    EXPECT_EQ(At(22, 22), clBlack);
    DrawImageListImage(canvas(), {0, 20, 20, 40}, &images, 1, true, true);
    DrawImageListImage(canvas(), {0, 20, 20, 40}, nullptr, 0, true, true);
    EXPECT_EQ(CountPixels(bitmap, {0, 20, 20, 40}, 0x808080), 400);
}

TEST_F(SkinDrawing, ParentBackgroundIsTheParentsErasing)
{
    TForm* form = ShowTestForm(200, 100);
    form->SetColor(clYellow);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(30, 20, 50, 40);
    Pump();

    const bool themes = ThemesEnabled();
    SetThemesEnabled(false);
    DrawParentBackground(*panel, canvas(), {0, 0, 40, 40});
    SetThemesEnabled(themes);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, clYellow), 1600);
    TPoint origin;
    GetWindowOrgEx(canvas(), origin);
    EXPECT_EQ(origin, (TPoint{0, 0}));
    ExpectToolsKept();

    // Without a parent: button face.
    TPanel orphan(nullptr);
    DrawParentBackground(orphan, canvas(), {0, 0, 10, 10});
    EXPECT_EQ(At(5, 5), ColorToRGB(clBtnFace));
    form->Free();
}
