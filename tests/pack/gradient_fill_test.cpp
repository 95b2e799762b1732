#include "controls/pack/border_drawing.h"
#include "controls/pack/gradient_ex.h"
#include "controls/pack/gradient_fill.h"

#include "gui_driver.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor From = 0x000000, To = 0x0A1464; // red 100, green 20, blue 10

// A white picture to paint gradients and borders on.
class Painting : public testing::Test
{
protected:
    Painting() : bitmap(100, 100, pf24bit)
    {
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect({0, 0, 100, 100});
    }
    TCanvas& canvas() { return *bitmap.Canvas(); }
    TColor At(int x, int y) { return canvas().Pixels(x, y); }
    // The colour first + i/n of the way to second, channel by channel with MulDiv.
    static TColor Step(int i, int n)
    {
        return RGBToColor(MulDiv(i, 100, n), MulDiv(i, 20, n), MulDiv(i, 10, n));
    }

    TBitmap bitmap;
};

} // namespace

TEST_F(Painting, TenRowVerticalGradientNeverShowsItsLastColour)
{
    FillVerticalBands(canvas(), {0, 0, 10, 10}, From, To, 255);
    EXPECT_EQ(At(0, 0), Step(1, 10)); // the first band covers rows 0 and 1
    EXPECT_EQ(At(0, 1), Step(1, 10));
    EXPECT_EQ(At(0, 2), Step(2, 10));
    EXPECT_EQ(At(5, 9), Step(9, 10));
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 10, 10}, To), 0);
    EXPECT_EQ(At(0, 10), clWhite);

    // One band: all of it in the second colour.
    FillVerticalBands(canvas(), {20, 0, 30, 10}, From, To, 1);
    EXPECT_EQ(CountPixels(bitmap, {20, 0, 30, 10}, To), 100);
}

// A band outside the clip is not painted at all, so that a label repainting a strip of a gradient panel
// pays for that strip's bands only; the strip shows what an unclipped fill shows there.
TEST_F(Painting, BandsOutsideTheClipAreNotPainted)
{
    IntersectClipRect(canvas(), 0, 4, 10, 5);
    FillVerticalBands(canvas(), {0, 0, 10, 10}, From, To, 255);
    EXPECT_EQ(At(0, 4), Step(4, 10));
    // The brush took no colour of the bands below the strip.
    EXPECT_EQ(canvas().Brush()->Color(), Step(4, 10));
}

TEST_F(Painting, BalanceAndSpeedOfTheGeneralPath)
{
    // Balance 0: the first part has no height; the second pair, from the midpoint M2 = (50, 10, 5) to To,
    // fills all ten rows.
    GradientFillRect(canvas(), {0, 0, 10, 10}, From, To, dgdVertical, 0, 45, bmNormal, 255, 100, true,
                     nullptr);
    EXPECT_EQ(At(0, 0), RGBToColor(55, 11, 6));
    EXPECT_EQ(At(0, 9), RGBToColor(95, 19, 10));
    // SpeedPercent 50, balance 50: From on top, To below, with a hard edge in the middle.
    GradientFillRect(canvas(), {20, 0, 30, 20}, From, To, dgdVertical, 50, 45, bmNormal, 255, 50, true,
                     nullptr);
    EXPECT_EQ(CountPixels(bitmap, {20, 0, 30, 10}, From), 100);
    EXPECT_EQ(CountPixels(bitmap, {20, 10, 30, 20}, To), 100);
}

TEST_F(Painting, RadialGradientKeepsTheCornersInTheFirstColour)
{
    GradientFillRect(canvas(), {0, 0, 100, 40}, clRed, clBlue, dgdRadial, 50, 45, bmNormal, 255, 100, true,
                     nullptr);
    for (TPoint corner : {TPoint{0, 0}, TPoint{99, 0}, TPoint{0, 39}, TPoint{99, 39}})
        EXPECT_EQ(At(corner.X, corner.Y), clRed) << corner.X << "," << corner.Y;
    EXPECT_NE(At(50, 20), clRed);
    EXPECT_EQ(At(50, 45), clWhite); // the outer square's ellipse stays inside the canvas's own rows
}

TEST_F(Painting, NinetyDegreesTurnsTheChangeTopToBottom)
{
    TKvpGradientEx gradient;
    gradient.SetColorFrom(clRed);
    gradient.SetColorTo(clBlue);
    gradient.SetOrientation(dgdAngle);
    gradient.SetAngleDegree(90);
    gradient.SetAngleClipRect(true);
    gradient.Draw(canvas(), {0, 0, 40, 40});
    // Red-ish on top, blue-ish at the bottom, the same along each row.
    EXPECT_GT(GetRValue(At(20, 2)), GetRValue(At(20, 37)));
    EXPECT_EQ(At(5, 20), At(35, 20));
    EXPECT_EQ(At(45, 20), clWhite); // clipped to the rectangle

    // A second draw of the same size elsewhere takes the cached picture.
    gradient.Draw(canvas(), {50, 50, 90, 90});
    for (int y = 0; y < 40; y += 7)
        EXPECT_EQ(At(60, 50 + y), At(10, y)) << y;
}

TEST_F(Painting, BorderSidesAreOnePixelLinesPerPenWidth)
{
    TPen pen;
    pen.SetColor(clBlack);
    pen.SetWidth(3);
    DrawTopBorder(canvas(), {0, 0, 20, 10}, pen, false);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(CountPixels(bitmap, {0, y, 20, y + 1}, clBlack), 20) << y;
    EXPECT_EQ(CountPixels(bitmap, {0, 3, 20, 4}, clBlack), 0);

    DrawTopBorder(canvas(), {30, 0, 50, 10}, pen, true); // mitred: each line two pixels shorter
    EXPECT_EQ(CountPixels(bitmap, {30, 0, 50, 1}, clBlack), 20);
    EXPECT_EQ(CountPixels(bitmap, {30, 1, 50, 2}, clBlack), 18);
    EXPECT_EQ(At(30, 1), clWhite);
    EXPECT_EQ(At(31, 1), clBlack);
    EXPECT_EQ(CountPixels(bitmap, {30, 2, 50, 3}, clBlack), 16);
    EXPECT_EQ(canvas().Pen()->Width(), 1); // the canvas pen's width is put back

    DrawBottomBorder(canvas(), {60, 0, 70, 10}, pen, false);
    EXPECT_EQ(CountPixels(bitmap, {60, 7, 70, 10}, clBlack), 30);
    DrawRightBorder(canvas(), {80, 0, 90, 10}, pen, false);
    EXPECT_EQ(CountPixels(bitmap, {87, 0, 90, 10}, clBlack), 30);
    SaveScreenshot(bitmap, "pack_border_sides", 4);
}

TEST_F(Painting, RectFrameReturnsTheInnerRectangle)
{
    TRect r{0, 0, 10, 10};
    DrawRectFrame(canvas(), r, clBlack, 2);
    EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 10, 10}, clBlack), 100 - 36);

    TRect edges{20, 0, 30, 10};
    DrawRectEdges(canvas(), edges, clRed, clGreen, clNone, clBlue, 1);
    EXPECT_EQ(CountPixels(bitmap, {20, 0, 30, 1}, clWhite), 9); // the top stays undrawn but for its corner
    EXPECT_EQ(At(29, 5), clGreen);
    EXPECT_EQ(At(25, 9), clBlue);
    EXPECT_EQ(At(20, 5), clRed);
}

TEST(GradientPictures, EveryKindLooksRight)
{
    TBitmap sheet(12 * 70, 60, pf24bit);
    TCanvas& canvas = *sheet.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({0, 0, sheet.Width(), sheet.Height()});
    for (int kind = 0; kind <= 11; ++kind)
        GradientFillRectByKind(canvas, Bounds(kind * 70 + 2, 2, 66, 56), 0xF0E0D0, 0x804020, kind, 255);
    SaveScreenshot(sheet, "pack_gradient_kinds", 2);
    // Kind 0 runs from top to bottom, kind 1 from left to right.
    EXPECT_NE(canvas.Pixels(30, 3), canvas.Pixels(30, 50));
    EXPECT_EQ(canvas.Pixels(5, 30), canvas.Pixels(60, 30));
    EXPECT_NE(canvas.Pixels(75, 30), canvas.Pixels(130, 30));
}
