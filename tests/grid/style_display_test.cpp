#include "controls/grid/flat_style_display.h"
#include "controls/grid/vista_style_display.h"
#include "grid_fixture.h"
#include "paint_test_support.h"
#include "support/system_colors.h"
#include "theme_switch.h"

namespace {

// The styles paint on a bitmap, with a grid as their owner for the KV_ colours.
class StyleDisplays : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        column = AddColumn("Size", 100);
        other = AddColumn("Name", 100);
        bitmap = FilledBitmap(240, 60, clWhite);
        flat = std::make_unique<TFlatStyleDisplay>(grid);
        flat->SetCanvas(bitmap->Canvas());
        bitmap->Canvas()->Font()->SetName("DejaVu Sans");
        bitmap->Canvas()->Font()->SetSize(8);
    }
    TColor At(int x, int y) { return ColorToRGB(PixelAt(*bitmap, x, y)); }
    // The left edge of the first dark pixel in a row of the bitmap.
    int FirstInk(int y, int from, int to)
    {
        for (int x = from; x < to; ++x)
            if ((At(x, y) & 0xFF) < 0x80)
                return x;
        return -1;
    }

    TGxCustomColumn* column = nullptr;
    TGxCustomColumn* other = nullptr;
    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TFlatStyleDisplay> flat;
};

} // namespace

TEST_F(StyleDisplays, FlatHeaderAndCornerBoxesUseTheKvColours)
{
    grid->SetKV_HeaderGrid(0x0000FF);
    grid->SetKV_CornerBoxTop(0x00FF00);
    grid->SetKV_CornerBoxBottom(0xFF0000);
    column->Header()->SetColor(0xEEEEEE);
    flat->DrawHeader(column, {0, 0, 100, 22});
    EXPECT_EQ(At(50, 10), 0xEEEEEEu);
    EXPECT_EQ(At(99, 10), 0x0000FFu); // right grid line
    EXPECT_EQ(At(50, 21), 0x0000FFu); // bottom grid line
    // The box left of the header takes the top colours, a lower one the bottom colours: by its top alone.
    flat->DrawCornerBox({0, 4, 12, 22}, bpBottom);
    EXPECT_EQ(At(5, 10), 0x00FF00u);
    flat->DrawCornerBox({0, 30, 12, 50}, bpAlone);
    EXPECT_EQ(At(5, 40), 0xFF0000u);

    grid->SetKV_CustomizationEnabled(false);
    flat->DrawHeader(column, {0, 0, 100, 22});
    EXPECT_EQ(At(99, 10), ColorToRGB(clGrayText));
    flat->DrawCornerBox({0, 30, 12, 50}, bpAlone);
    EXPECT_EQ(At(5, 40), ColorToRGB(clBtnFace));
}

TEST_F(StyleDisplays, LastHeaderWithoutItsVerticalLine)
{
    grid->SetKV_HeaderGrid(0x0000FF);
    grid->SetKV_DontDrawHeaderVertGridOnLastCol(true);
    flat->DrawHeader(other, {100, 0, 200, 22});
    EXPECT_NE(At(199, 10), 0x0000FFu);
    EXPECT_EQ(At(99, 21), 0x0000FFu); // the bottom line starts one pixel further left
    flat->DrawHeader(column, {0, 0, 100, 22});
    EXPECT_EQ(At(99, 10), 0x0000FFu); // not the last column
}

TEST_F(StyleDisplays, SortedRightAlignedCaptionMakesRoomForTheArrow)
{
    column->Header()->SetAlignment(taRightJustify);
    flat->DrawHeader(column, {0, 0, 100, 22});
    const int unsortedEnd = FirstInk(11, 0, 99);
    column->SetOptions(column->Options() - TColumnOptions{coCanSort}); // no sorting of rows here
    column->SetSorted(true);
    auto sortedBitmap = FilledBitmap(240, 60, clWhite);
    bitmap = std::move(sortedBitmap);
    flat->SetCanvas(bitmap->Canvas());
    flat->DrawHeader(column, {0, 0, 100, 22});
    EXPECT_EQ(FirstInk(11, 0, 99), unsortedEnd - 31);
}

TEST_F(StyleDisplays, SortArrowHidesAtTheRightEdgeUnlessAskedNotTo)
{
    column->Header()->SetCaption("A long caption");
    auto arrowPixels = [&](bool hideArrow) {
        column->Header()->SetHideArrow(hideArrow);
        bitmap = FilledBitmap(240, 60, clWhite);
        flat->SetCanvas(bitmap->Canvas());
        flat->DrawHeader(column, {0, 0, 100, 22});
        return CountPixels(*bitmap, {0, 0, 240, 22}, ColorToRGB(clBtnShadow));
    };
    const int unsorted = arrowPixels(true);
    column->SetOptions(column->Options() - TColumnOptions{coCanSort});
    column->SetSorted(true);
    EXPECT_EQ(arrowPixels(true), unsorted);
    EXPECT_GT(arrowPixels(false), unsorted + 5); // drawn past the header's right edge
}

// A footer painted by a display that nobody gave a draw handler.
TEST_F(StyleDisplays, FooterWithoutDrawHandlerMasksAndBorder)
{
    TColumnFooter& footer = *column->Footer();
    footer.SetColor(0xDDDDDD);
    footer.SetCaption("abc");
    footer.SetFormatMaskKind(mkFloat);
    footer.SetFormatMask("0.00");
    footer.SetTextBefore("[");
    footer.SetTextAfter("]");
    grid->SetKV_FooterBorder(0x00FF00);
    EXPECT_FALSE(static_cast<bool>(flat->OnDraw));
    EXPECT_NO_THROW(flat->DrawFooter(column, {0, 0, 100, 20}, true));
    EXPECT_EQ(At(50, 19), 0x00FF00u); // the KV_ border
    EXPECT_EQ(At(99, 5), 0x00FF00u);
    EXPECT_EQ(At(98, 2), 0xDDDDDDu);
    // "[0.00]": the caption that is no number shows the mask applied to 0.
    auto reference = FilledBitmap(240, 60, 0xDDDDDD);
    reference->Canvas()->SetFont(column->Font());
    flat->DoDrawText(*reference->Canvas(), {2, 0, 99, 19}, "[0.00]", false);
    const TColor ink = ColorToRGB(column->Font()->Color());
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 99, 19}, ink), CountPixels(*reference, {0, 0, 99, 19}, ink));
    EXPECT_GT(CountPixels(*reference, {0, 0, 99, 19}, ink), 0);
    int drawn = 0;
    flat->OnDraw = [&](TObject*, int index, const TRect& rect) {
        ++drawn;
        EXPECT_EQ(index, column->Index());
        EXPECT_EQ(rect, (TRect{0, 0, 99, 19}));
    };
    flat->DrawFooter(column, {0, 0, 100, 20}, true);
    EXPECT_EQ(drawn, 1);
    grid->SetKV_CustomizationEnabled(false);
    bitmap = FilledBitmap(240, 60, clWhite);
    flat->SetCanvas(bitmap->Canvas());
    flat->DrawFooter(column, {0, 0, 100, 20}, true);
    EXPECT_EQ(At(50, 19), 0xFFFFFFu); // with grid lines and without customization: no border
}

TEST_F(StyleDisplays, IndicatorMarkerOfTheSelectedRow)
{
    grid->SetKV_IndicatorHotBackground(0x484868);
    grid->SetKV_IndicatorHotTriangle(0x05C1E2);
    const TRect r{0, 20, 12, 41};
    flat->DrawIndicator(r, 1, true, true);
    flat->DrawIndicatorState(r, true, true);
    EXPECT_EQ(At(1, 22), 0x484868u);
    EXPECT_GT(CountPixels(*bitmap, r, 0x05C1E2), 20); // the triangle
    EXPECT_EQ(At(6, 40), ColorToRGB(clGrayText));     // the indicator's own bottom line stays
    // Highlighted only: the background without the triangle.
    flat->DrawIndicator({0, 0, 12, 20}, 0, false, true);
    flat->DrawIndicatorState({0, 0, 12, 20}, false, true);
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 12, 20}, 0x05C1E2), 0);
    EXPECT_EQ(At(4, 10), 0x484868u);
    // Without customization: a triangle in the window text colour.
    grid->SetKV_CustomizationEnabled(false);
    flat->DrawIndicator({20, 0, 32, 20}, 0, true, true);
    flat->DrawIndicatorState({20, 0, 32, 20}, true, true);
    EXPECT_GT(CountPixels(*bitmap, {20, 0, 32, 20}, ColorToRGB(clWindowText)), 20);
}

TEST_F(StyleDisplays, VistaDrawsItsOwnArrowOnly)
{
    TThemeSwitch themes(false);
    TVistaStyleDisplay vista(grid);
    vista.SetCanvas(bitmap->Canvas());
    column->SetOptions(column->Options() - TColumnOptions{coCanSort});
    column->SetSorted(true);
    vista.DrawHeader(column, {0, 0, 100, 22});
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 100, 22}, ColorToRGB(clBtnShadow)), 0); // no etched arrow
    EXPECT_EQ(At(50, 10), 0xFFFFFFu);
    EXPECT_NE(At(20, 0), 0xFFFFFFu); // the blue strip on top
    EXPECT_EQ(At(50, 1), 0xFFFFFFu); // the small white arrow in it
}
