#include "controls/skins/skin_entry_painting.h"

#include "gui_driver.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "support/color_routines.h"

#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture in a colour no entry paints with, its brush and pen set to others.
class SkinEntryPainting : public testing::Test, public TPaintingPicture
{
protected:
    SkinEntryPainting() : TPaintingPicture(120, Marker) {}

    // The category with its body in a gradient of black, white, red and blue and its borders in four
    // darker colours.
    const TQvSkinOptionCategory& Category(int bodyStyle, int bordersStyle = 0)
    {
        category.Body.Fill(bodyStyle, clBlack, clWhite, clRed, clBlue);
        category.Borders.Fill(bordersStyle, 0x0000C0, 0x00C000, 0xC00000, 0xC0C000);
        return category;
    }

    TQvSkinOptionCategory category;
};

} // namespace

TEST_F(SkinEntryPainting, BodyBandsEndWhereTheFormSays)
{
    // Colours: black to white in the first band, red to blue in the last; positions along the gradient.
    const struct
    {
        int style;
        bool vertical;
        int extent;
        std::vector<std::pair<int, TColor>> along;
    } cases[] = {
        {0, false, 10, {{0, clBlack}, {9, clBlack}, {10, Marker}}},
        {1, false, 10, {{0, clBlack}, {5, GrayColor(142)}, {9, clWhite}, {10, Marker}}},
        {1, true, 10, {{0, clBlack}, {5, GrayColor(142)}, {9, clWhite}, {10, Marker}}}, // left to right
        {2, false, 10, {{0, clBlack}, {9, clWhite}, {10, Marker}}},
        {3, false, 9, {{0, clBlack}, {2, clWhite}, {4, clRed}, {8, clBlue}, {9, Marker}}},
        {5, false, 2, {{0, clBlack}, {1, clRed}, {2, Marker}}}, // the half of 1 is taken as 1
        {9, false, 100, {{0, clBlack}, {8, GrayColor(227)}, {9, clRed}, {99, clBlue}, {100, Marker}}},
        {10, false, 100, {{8, GrayColor(227)}, {9, clRed}, {99, clBlue}}},
        {7, false, 100, {{32, GrayColor(247)}, {33, clRed}, {99, clBlue}}},
        {11, false, 10, {{0, Marker}, {9, Marker}}},
        // The least band lengths stay inside rectangles of one and two pixels.
        {5, false, 1, {{0, clBlack}, {1, Marker}}},
        {3, false, 2, {{0, clBlack}, {1, clWhite}, {2, Marker}}},
    };
    for (const auto& c : cases) {
        canvas().Brush()->SetColor(Marker);
        canvas().FillRect({0, 0, 120, 120});
        canvas().Brush()->SetColor(clGreen);
        const bool downwards = c.style % 2 == 1 ? !c.vertical : c.vertical || c.style == 0 || c.style > 10;
        const TRect rect = downwards ? TRect{5, 3, 8, 3 + c.extent} : TRect{5, 3, 5 + c.extent, 6};
        PaintEntryBody(canvas(), rect, Category(c.style), c.vertical);
        for (const auto& [position, color] : c.along) {
            for (int across : {0, 2}) {
                const int x = downwards ? 5 + across : 5 + position;
                const int y = downwards ? 3 + position : 3 + across;
                EXPECT_EQ(At(x, y), color)
                    << "style " << c.style << (c.vertical ? " vertical" : "") << " on " << c.extent
                    << " px, position " << position << ", across " << across;
            }
        }
        EXPECT_EQ(At(4, 3), Marker) << "style " << c.style;
        EXPECT_EQ(At(5, 2), Marker) << "style " << c.style;
    }
    ExpectToolsKept();
}

TEST_F(SkinEntryPainting, BordersTakeTheirStyleAsRoundness)
{
    // Style 2 with the left side square: square left corners, cut right ones.
    PaintEntryBorders(canvas(), {0, 0, 20, 12}, Category(0, 2), BF_LEFT);
    EXPECT_EQ(At(0, 0), 0x0000C0);
    EXPECT_EQ(At(0, 11), 0x00C000);
    EXPECT_EQ(At(19, 0), Marker);
    EXPECT_EQ(At(18, 0), Marker);
    EXPECT_EQ(At(18, 1), 0x0000C0);
    EXPECT_EQ(At(19, 11), Marker);
    EXPECT_EQ(At(1, 5), 0xC00000);
    EXPECT_EQ(At(18, 5), 0xC0C000);

    // Style 1 cuts one pixel off every corner; style 3 is no frame form.
    PaintEntryBorders(canvas(), {30, 0, 50, 12}, Category(0, 1), 0);
    EXPECT_EQ(At(30, 0), Marker);
    EXPECT_EQ(At(31, 0), 0x0000C0);
    EXPECT_EQ(At(30, 1), 0x0000C0);
    PaintEntryBorders(canvas(), {60, 0, 80, 12}, Category(0, 3), 0);
    EXPECT_EQ(CountPixels(bitmap, {60, 0, 80, 12}, Marker), 240);
    ExpectToolsKept();
}
