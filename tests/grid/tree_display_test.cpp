#include "cell_painting.h"
#include "controls/grid/tree_column.h"
#include "paint_test_support.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/png_image.h"
#include "theme_switch.h"

#include "support/system_colors.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Tree rows painted into a 120 x 20 cell. The rows' family: row 5 (level 1) is followed by its sibling 6
// under row 2 (level 0), which is followed by its sibling 9.
class TreeDisplay : public testing::Test
{
protected:
    TreeDisplay() : column(new TGxTreeColumn(&owner))
    {
        column->Font()->SetName("DejaVu Sans");
        column->Font()->SetHeight(-13);
    }

    TColumnDisplay& Paint(TTreeRowFacts row, const std::string& text = "")
    {
        bitmap = FilledBitmap(130, 30, clYellow);
        if (!row.OnParentRow)
            row.OnParentRow = [this](int& ARow, int& next) {
                next = family[ARow].next;
                ARow = family[ARow].parent;
            };
        return PaintCell(*column, *bitmap->Canvas(), cell, [&](TColumnDisplay& display) {
            LoadTreeRow(display, row);
            display.SetAsString(text);
        });
    }
    // The columns of x in the cell where the colour is.
    std::string Column(int x, TColor color) const
    {
        std::string marks;
        for (int y = 0; y < 20; ++y)
            marks += PixelAt(*bitmap, x, y) == ColorToRGB(color) ? '|' : '.';
        return marks;
    }
    int TextLeft() const
    {
        for (int x = 0; x < 120; ++x)
            for (int y = 0; y < 20; ++y)
                if (PixelAt(*bitmap, x, y) != ColorToRGB(clWindow))
                    return x;
        return -1;
    }

    struct Relatives
    {
        int next = -1;
        int parent = -1;
    };
    std::map<int, Relatives> family{{5, {6, 2}}, {6, {-1, 2}}, {2, {9, -1}}, {9, {-1, -1}}};
    TComponent owner{nullptr};
    TGxTreeColumn* column;
    const TRect cell{0, 0, 120, 20};
    std::unique_ptr<TBitmap> bitmap;
};

} // namespace

TEST_F(TreeDisplay, TextStartsAfterTheLevelsIndent)
{
    TColumnDisplay& display = Paint({.RowIndex = 5, .Level = 2}, "ab");
    EXPECT_GE(TextLeft(), 2 + 2 * 19 + 16);
    EXPECT_LE(TextLeft(), 2 + 2 * 19 + 18);
    EXPECT_EQ(display.GetTextRect().Left, 56);
    EXPECT_EQ(display.GetContentWidth(), bitmap->Canvas()->TextWidth("ab") + 54);

    // Without children there is no button, and without ShowLines no line.
    Paint({.RowIndex = 5, .Level = 0}, "ab");
    EXPECT_GE(TextLeft(), 18);
    EXPECT_LE(TextLeft(), 20);
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 18, 20}, ColorToRGB(clWindow)), 18 * 20);
}

TEST_F(TreeDisplay, ClassicButtonShowsPlusForCollapsedRows)
{
    TThemeSwitch themes(false);
    // Level 1: the 9 x 9 square at (21, 5), a minus at y = 9 from 23 to 27, the plus stroke at x = 25.
    Paint({.RowIndex = 2, .Level = 1, .ChildCount = 3, .Expanded = false});
    SaveScreenshot(*bitmap, "cell_tree_button_classic", 4);
    EXPECT_EQ(CountPixels(*bitmap, {21, 5, 30, 14}, ColorToRGB(clGrayText)), 32); // the frame
    EXPECT_EQ(Column(25, clBlack), ".......|||||........");
    EXPECT_EQ(CountPixels(*bitmap, {23, 9, 28, 10}, ColorToRGB(clBlack)), 5);
    EXPECT_EQ(PixelAt(*bitmap, 28, 9), ColorToRGB(clWindow));

    Paint({.RowIndex = 2, .Level = 1, .ChildCount = 3, .Expanded = true});
    EXPECT_EQ(Column(25, clBlack), ".........|..........");

    // The selected row's button in the highlight text colour: frame and minus.
    column->SetHighlightButton(true);
    column->SetColor(clSilver);
    TColumnDisplay& display = Paint({.RowIndex = 2, .Level = 1, .ChildCount = 3, .Expanded = true});
    display.SetSelected(true);
    display.Paint();
    display.SetSelected(false);
    EXPECT_EQ(CountPixels(*bitmap, {21, 5, 30, 14}, ColorToRGB(clHighlightText)), 32 + 5);
}

TEST_F(TreeDisplay, LinesJoinSiblingsAtEveryLevel)
{
    TThemeSwitch themes(false);
    column->SetShowLines(true);
    // Row 5 has a sibling below, and so has its parent: both levels run through the whole row.
    Paint({.RowIndex = 5, .Level = 1});
    SaveScreenshot(*bitmap, "cell_tree_lines", 4);
    EXPECT_EQ(Column(6, clGrayText), std::string(20, '|'));
    EXPECT_EQ(Column(25, clGrayText), std::string(20, '|'));
    EXPECT_EQ(CountPixels(*bitmap, {25, 9, 34, 10}, ColorToRGB(clGrayText)), 9); // the connector at mid - 1
    EXPECT_EQ(PixelAt(*bitmap, 34, 9), ColorToRGB(clWindow));

    // The last child's line ends at the middle.
    Paint({.RowIndex = 6, .Level = 1, .IsLast = true});
    EXPECT_EQ(Column(25, clGrayText), "||||||||||..........");
    EXPECT_EQ(Column(6, clGrayText), std::string(20, '|'));

    // In the top row of the view the lines start at the middle.
    Paint({.RowIndex = 5, .Level = 1, .IsFirst = true});
    EXPECT_EQ(Column(6, clGrayText), "..........||||||||||");

    // A row with children leaves 4 pixels free above and below the middle for its button (whose frame
    // is in the same colour), and the connector starts right of the button's centre.
    Paint({.RowIndex = 5, .Level = 1, .ChildCount = 1, .Expanded = true});
    SaveScreenshot(*bitmap, "cell_tree_lines_button", 4);
    EXPECT_EQ(Column(25, clGrayText), "||||||.......|||||||");
    EXPECT_EQ(PixelAt(*bitmap, 29, 9), ColorToRGB(clGrayText));
}

TEST_F(TreeDisplay, ThemedButtonAndImages)
{
    TThemeSwitch themes(true);
    Paint({.RowIndex = 2, .Level = 0, .ChildCount = 1, .Expanded = false});
    SaveScreenshot(*bitmap, "cell_tree_button_themed", 4);
    EXPECT_LT(CountPixels(*bitmap, {2, 5, 11, 14}, ColorToRGB(clWindow)), 81); // the theme's glyph
    EXPECT_EQ(CountPixels(*bitmap, {2, 5, 11, 14}, ColorToRGB(clBlack)), 0);   // not the classic one

    // A collapse image replaces the glyph of an expanded row.
    TPngImage green(COLOR_RGB, 8, 9, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            uint8_t* pixel = green.ScanLine(y) + 3 * x;
            pixel[0] = 0, pixel[1] = 0x80, pixel[2] = 0;
        }
    column->SetImageCollapse(&green);
    Paint({.RowIndex = 2, .Level = 0, .ChildCount = 1, .Expanded = true});
    EXPECT_EQ(CountPixels(*bitmap, {2, 5, 11, 14}, ColorToRGB(clGreen)), 81);

    // The row's image after the button, the text after the image.
    TImageList images(&owner);
    TBitmap red(10, 10, pf24bit);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 10, 10});
    images.SetSize(10, 10);
    images.Add(&red, nullptr);
    column->SetImages(&images);
    TColumnDisplay& display = Paint({.RowIndex = 9, .Level = 1}, "ab");
    column->Display()->SetImageIndex(0);
    display.SetClientRect(cell);
    display.Paint();
    EXPECT_EQ(CountPixels(*bitmap, {35, 5, 45, 15}, ColorToRGB(clRed)), 100);
    EXPECT_EQ(display.GetTextRect().Left, 2 + 19 + 16 + 10);
}
