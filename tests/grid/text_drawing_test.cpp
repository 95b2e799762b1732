#include "controls/grid/text_drawing.h"
#include "controls/grid/text_measuring.h"
#include "paint_test_support.h"

#include <gtest/gtest.h>

namespace {

class TextDrawing : public testing::Test
{
protected:
    TextDrawing() : bitmap(FilledBitmap(120, 100, clYellow)), canvas(*bitmap->Canvas())
    {
        canvas.Font()->SetName("DejaVu Sans");
        canvas.Font()->SetHeight(-13);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetColor(clWhite);
    }

    // Paints the background again.
    void Clear()
    {
        canvas.Brush()->SetColor(clYellow);
        canvas.FillRect({0, 0, bitmap->Width(), bitmap->Height()});
        canvas.Brush()->SetColor(clWhite);
    }

    // The smallest rectangle around the pixels that are not the background.
    TRect InkBox() const
    {
        TRect box{1000, 1000, -1, -1};
        for (int y = 0; y < bitmap->Height(); ++y)
            for (int x = 0; x < bitmap->Width(); ++x)
                if (canvas.Pixels(x, y) != clYellow)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        return box;
    }

    std::unique_ptr<TBitmap> bitmap;
    TCanvas& canvas;
};

} // namespace

TEST_F(TextDrawing, WrappedTextMovesDownForCentreAndBottom)
{
    const std::string text = "converts every file";
    const TRect rect{0, 0, 80, 100};
    const int textHeight = MeasureWrappedText(canvas, rect, text).cy;
    ASSERT_GT(textHeight, canvas.TextHeight("A")); // two lines or more

    DrawTextInRect(canvas, rect, taLeftJustify, taAlignTop, text, TextWrap::twWordWrap, false);
    EXPECT_LT(InkBox().Top, 5);

    Clear();
    DrawTextInRect(canvas, rect, taLeftJustify, taAlignBottom, text, TextWrap::twWordWrap, false);
    EXPECT_GE(InkBox().Top, 100 - textHeight);
    EXPECT_GT(InkBox().Bottom, 90);

    Clear();
    DrawTextInRect(canvas, rect, taCenter, taVerticalCenter, text, TextWrap::twWordWrap, false);
    const TRect centred = InkBox();
    EXPECT_NEAR((centred.Top + centred.Bottom) / 2, 50, 4);
    EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
    SaveScreenshot(*bitmap, "paint_kit_wrapped_text_centred");
}

TEST_F(TextDrawing, SingleLineTextKeepsTheBackgroundAndAligns)
{
    DrawTextRectEx(canvas, {0, 0, 120, 20}, taRightJustify, "Right", bdLeftToRight);
    const TRect right = InkBox();
    EXPECT_GT(right.Right, 112);
    EXPECT_GT(right.Left, 60);
    EXPECT_EQ(canvas.Pixels(2, 2), clYellow); // no background was filled
    EXPECT_EQ(canvas.Brush()->Style(), bsSolid);

    Clear();
    DrawSingleLineText(canvas, {10, 40, 120, 60}, "Left", bdLeftToRight);
    EXPECT_LT(InkBox().Left, 14);
    EXPECT_NEAR((InkBox().Top + InkBox().Bottom) / 2, 50, 3);
}

TEST_F(TextDrawing, VerticalTextReadsBottomToTop)
{
    DrawVerticalText(canvas, {10, 0, 40, 100}, "Vertical", false);
    const TRect box = InkBox();
    EXPECT_GT(box.Height(), 2 * box.Width());
    EXPECT_EQ(canvas.Font()->Orientation(), 0); // the canvas's own font is back

    Clear();
    DrawVerticalText(canvas, {10, 0, 100, 100}, "One\r\nTwo", true);
    EXPECT_GT(InkBox().Width(), canvas.TextHeight("One")); // two columns side by side
    SaveScreenshot(*bitmap, "paint_kit_vertical_text");
}

TEST_F(TextDrawing, MeasuringTakesTheWidestLine)
{
    EXPECT_EQ(CalcTextWidth(canvas, "a\r\nwider line"), canvas.TextWidth("wider line"));
    EXPECT_EQ(WideTextExtent(canvas, "Grid"), canvas.TextExtent("Grid"));
    EXPECT_EQ(MeasureText(canvas, "&&A", true).cx, canvas.TextWidth("&&A"));
    EXPECT_EQ(MeasureText(canvas, "&&A", false).cx, canvas.TextWidth("&A"));
}
