#include "cell_painting.h"
#include "controls/grid/check_box_column.h"
#include "controls/grid/check_box_display.h"
#include "controls/grid/image_column.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "paint_test_support.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/image_list.h"
#include "theme_switch.h"

#include "support/system_colors.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Cells painted into a bitmap of window colour, in a fixed font.
class ColumnDisplays : public testing::Test
{
protected:
    template <typename Column> Column* Make()
    {
        auto* column = new Column(&owner);
        column->Font()->SetName("DejaVu Sans");
        column->Font()->SetHeight(-13);
        column->Font()->SetColor(clBlack);
        return column;
    }

    // A fresh bitmap with one cell painted at cell.
    TColumnDisplay& Paint(TGxCustomColumn& column, const TRect& cell,
                          const std::function<void(TColumnDisplay&)>& load)
    {
        bitmap = FilledBitmap(cell.Right + 10, cell.Bottom + 10, clYellow);
        return PaintCell(column, *bitmap->Canvas(), cell, load);
    }
    TColumnDisplay& PaintText(TGxCustomColumn& column, const TRect& cell, const std::string& text)
    {
        return Paint(column, cell, [&](TColumnDisplay& display) { display.SetAsString(text); });
    }

    // The smallest rectangle around the pixels inside rect that have the colour, or (for clNone) that are
    // neither the window colour nor the bitmap's yellow: the text's.
    TRect InkBox(const TRect& rect, TColor color = clNone) const
    {
        const auto ink = [&](TColor pixel) {
            return color == clNone ? pixel != ColorToRGB(clWindow) && pixel != clYellow : pixel == color;
        };
        TRect box{10000, 10000, -1, -1};
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                if (ink(PixelAt(*bitmap, x, y)))
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        return box;
    }
    int Count(const TRect& rect, TColor color) const { return CountPixels(*bitmap, rect, ColorToRGB(color)); }

    TComponent owner{nullptr};
    std::unique_ptr<TBitmap> bitmap;
};

} // namespace

TEST_F(ColumnDisplays, TextFollowsTheColumnsAlignmentsWithoutPrefixes)
{
    auto* column = Make<TGxTextColumn>();
    const TRect cell{0, 0, 100, 40};
    PaintText(*column, cell, "ab");
    const TRect left = InkBox(cell);
    EXPECT_GE(left.Left, 2);
    EXPECT_LE(left.Left, 4);
    EXPECT_NEAR((left.Top + left.Bottom) / 2, 20, 3);
    EXPECT_EQ(Count({0, 0, 1, 40}, clWindow), 40); // the background in the column's colour

    column->SetAlignment(taRightJustify);
    column->SetVerticalAlignment(taAlignBottom);
    PaintText(*column, cell, "ab");
    const TRect right = InkBox(cell);
    EXPECT_LE(right.Right, 98);
    EXPECT_GE(right.Right, 95);
    EXPECT_GT(right.Top, 20);

    // "&&" is two ampersands, not an escaped one.
    column->SetAlignment(taLeftJustify);
    PaintText(*column, cell, "&");
    const int one = InkBox(cell).Width();
    PaintText(*column, cell, "&&");
    SaveScreenshot(*bitmap, "cell_text_ampersands", 3);
    EXPECT_GT(InkBox(cell).Width(), one * 3 / 2);
}

TEST_F(ColumnDisplays, WrappedTextIsCentredAsABlock)
{
    auto* column = Make<TGxTextColumn>();
    column->SetWrapKind(wkWordWrap);
    const TRect cell{0, 0, 70, 120};
    const std::string text = "converts every file there";
    std::map<TVerticalAlignment, TRect> ink;
    for (const TVerticalAlignment alignment : {taAlignTop, taVerticalCenter, taAlignBottom}) {
        column->SetVerticalAlignment(alignment);
        PaintText(*column, cell, text);
        ink[alignment] = InkBox(cell);
    }
    SaveScreenshot(*bitmap, "cell_text_wrapped_bottom", 2);
    TRect measure{2, 0, 68, 120};
    const int textHeight =
        DrawText(*bitmap->Canvas(), text, measure, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_CALCRECT);
    ASSERT_GE(textHeight, 2 * bitmap->Canvas()->TextHeight("A")); // several lines
    const int room = 120 - textHeight;
    EXPECT_LT(ink[taAlignTop].Top, 5);
    EXPECT_NEAR(ink[taVerticalCenter].Top - ink[taAlignTop].Top, room / 2, 1);
    EXPECT_NEAR(ink[taAlignBottom].Top - ink[taAlignTop].Top, room, 1);
}

TEST_F(ColumnDisplays, PathEllipsisShortensThePaintingButNotTheMeasure)
{
    auto* column = Make<TGxTextColumn>();
    column->SetWrapKind(wkPathEllipsis);
    const std::string path = "/home/user/videos/holiday/clip.mp4";
    const TRect cell{0, 0, 90, 20};
    TColumnDisplay& display = PaintText(*column, cell, path);
    EXPECT_LE(InkBox({0, 0, 100, 30}).Right, 88);
    display.SetClientRect(cell);
    EXPECT_EQ(display.GetTextSize().cx, bitmap->Canvas()->TextWidth(path));
    EXPECT_EQ(display.GetContentWidth(), bitmap->Canvas()->TextWidth(path));
    EXPECT_EQ(display.GetContentHeight(), 0);
}

TEST_F(ColumnDisplays, MultiLineTextColumnShowsEveryLine)
{
    auto* column = Make<TGxTextColumn>();
    const TRect cell{0, 0, 80, 60};
    PaintText(*column, cell, "ab\ncd");
    const int single = InkBox(cell).Height();
    column->SetMultiLine(true);
    PaintText(*column, cell, "ab\ncd");
    EXPECT_GT(InkBox(cell).Height(), single * 2);
}

TEST_F(ColumnDisplays, HintMarkAndBackground)
{
    auto* column = Make<TGxTextColumn>();
    column->SetColor(clAqua);
    const TRect cell{10, 10, 50, 30};
    TColumnDisplay& display = PaintText(*column, cell, "");
    display.SetClientRect(cell);
    display.DrawHintMark();
    EXPECT_EQ(PixelAt(*bitmap, 48, 11), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(*bitmap, 46, 10), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(*bitmap, 45, 12), ColorToRGB(clAqua)); // below the slope
    EXPECT_EQ(PixelAt(*bitmap, 49, 15), ColorToRGB(clAqua));
    EXPECT_EQ(PixelAt(*bitmap, 9, 9), clYellow);

    display.PaintBackground(clNavy, false);
    EXPECT_EQ(PixelAt(*bitmap, 10, 20), ColorToRGB(clNavy));
    EXPECT_EQ(PixelAt(*bitmap, 20, 20), ColorToRGB(clAqua));
}

TEST_F(ColumnDisplays, NumberCellsShowTheColumnsText)
{
    auto* column = Make<TGxNumberColumn>();
    column->SetFormatMask("0.00");
    column->SetTextAfter(" s");
    const TRect cell{0, 0, 100, 20};
    Paint(*column, cell, [](TColumnDisplay& display) { display.SetAsFloat(2.5); });
    const TRect shown = InkBox(cell);
    EXPECT_LE(shown.Right, 98); // right-aligned
    bitmap = FilledBitmap(110, 30, clWindow);
    bitmap->Canvas()->Font()->Assign(column->Font());
    TRect expected{2, 0, 98, 20};
    DrawText(*bitmap->Canvas(), "2.50 s", expected, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(InkBox(cell), shown);
}

TEST_F(ColumnDisplays, ClassicCheckBoxIsPixelExact)
{
    TThemeSwitch themes(false);
    auto* column = Make<TGxCheckBoxColumn>();
    const TRect cell{0, 0, 40, 20};
    TColumnDisplay& display = Paint(*column, cell, [](TColumnDisplay& d) { d.SetAsBoolean(true); });
    SaveScreenshot(*bitmap, "cell_check_box_classic", 4);
    // An 11 x 11 box at (2, 5): the frame in the button shadow, the inside in the window colour.
    const TRect box{2, 5, 13, 16};
    EXPECT_EQ(Count(box, clBtnShadow), 40);
    EXPECT_EQ(PixelAt(*bitmap, 2, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(*bitmap, 12, 15), ColorToRGB(clBtnShadow));
    // The mark: three polylines (4, 9)-(6, 11)-(11, 6) stacked, 7 pixels each.
    EXPECT_EQ(Count(box, clWindowText), 21);
    for (const TPoint p : {TPoint{4, 9}, {5, 10}, {6, 11}, {6, 13}, {10, 7}, {10, 9}})
        EXPECT_EQ(PixelAt(*bitmap, p.X, p.Y), ColorToRGB(clWindowText)) << p.X << "," << p.Y;
    EXPECT_EQ(PixelAt(*bitmap, 11, 6), ColorToRGB(clWindow));
    EXPECT_EQ(display.GetContentWidth(), 11);

    Paint(*column, cell, [](TColumnDisplay& d) { d.SetAsBoolean(false); });
    EXPECT_EQ(Count(box, clWindowText), 0);
    EXPECT_EQ(Count(box, clWindow), 81);

    // Pressed boxes are filled with the button face; centred columns centre the box.
    column->SetAlignment(taCenter);
    auto& checkBox = dynamic_cast<TCheckBoxColumnDisplay&>(*column->Display());
    checkBox.DrawCheckBox(cell, false, true, true);
    EXPECT_EQ(PixelAt(*bitmap, 20, 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(*bitmap, 15, 5), ColorToRGB(clBtnShadow));
}

TEST_F(ColumnDisplays, ThemedCheckBoxStaysInItsBox)
{
    TThemeSwitch themes(true);
    auto* column = Make<TGxCheckBoxColumn>();
    const TRect cell{0, 0, 40, 20};
    const TRect box{2, 4, 15, 17}; // 13 x 13
    Paint(*column, cell, [](TColumnDisplay& d) { d.SetAsBoolean(true); });
    SaveScreenshot(*bitmap, "cell_check_box_themed", 4);
    auto checked = std::move(bitmap);
    TColumnDisplay& display = Paint(*column, cell, [](TColumnDisplay& d) { d.SetAsBoolean(false); });
    EXPECT_EQ(display.GetContentWidth(), 13);
    int differing = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inBox = PtInRect(box, {x, y});
            if (PixelAt(*checked, x, y) != PixelAt(*bitmap, x, y))
                differing += inBox ? 1 : 1000;
            if (!inBox) {
                EXPECT_EQ(PixelAt(*bitmap, x, y), ColorToRGB(clWindow)) << x << "," << y;
            }
        }
    EXPECT_GT(differing, 5);
    EXPECT_LT(differing, 1000); // only inside the box

    // A hot box looks different.
    const TColor normal = PixelAt(*bitmap, 8, 10);
    dynamic_cast<TCheckBoxColumnDisplay&>(display).DrawCheckBox(cell, false, true, false);
    EXPECT_NE(PixelAt(*bitmap, 8, 10), normal);
}

TEST_F(ColumnDisplays, ImageCellsDrawOnlyIndexesOfTheList)
{
    auto* column = Make<TGxImageColumn>();
    TImageList images(&owner);
    for (const TColor color : {clRed, clBlue}) {
        TBitmap image(16, 16, pf24bit);
        image.Canvas()->Brush()->SetColor(color);
        image.Canvas()->FillRect({0, 0, 16, 16});
        images.Add(&image, nullptr);
    }
    const TRect cell{0, 0, 40, 24};
    const auto paintIndex = [&](int index) {
        Paint(*column, cell, [index](TColumnDisplay& d) { d.SetAsInteger(index); });
    };
    paintIndex(1);
    EXPECT_EQ(Count(cell, clBlue), 0) << "no list, no image";
    EXPECT_EQ(column->Display()->GetContentWidth(), 0);

    column->SetImages(&images);
    paintIndex(1);
    EXPECT_EQ(InkBox(cell, ColorToRGB(clBlue)), (TRect{2, 4, 18, 20}));
    EXPECT_EQ(column->Display()->GetContentWidth(), 16);
    for (const int outside : {-1, 2}) {
        paintIndex(outside);
        EXPECT_EQ(Count(cell, clWindow), 40 * 24) << outside;
    }
    column->SetAlignment(taRightJustify);
    column->SetVerticalAlignment(taAlignBottom);
    paintIndex(0);
    SaveScreenshot(*bitmap, "cell_image_right_bottom", 3);
    EXPECT_EQ(InkBox(cell, ColorToRGB(clRed)), (TRect{22, 6, 38, 22}));
}
