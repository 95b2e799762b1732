#include "controls/skins/skin_text_output.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/theme.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using TPixelSet = std::set<std::pair<int, int>>;

// A white picture with a pinned font to write on; the brush is green so that a routine that keeps the brush
// shows it.
class SkinText : public testing::Test
{
protected:
    SkinText() : bitmap(120, 120, pf24bit)
    {
        canvas().Font()->SetName("DejaVu Sans");
        canvas().Font()->SetHeight(-13);
        canvas().Font()->SetColor(clBlack);
        Clear();
        lineHeight = canvas().TextHeight("Ag");
    }
    TCanvas& canvas() { return *bitmap.Canvas(); }
    void Clear()
    {
        canvas().Brush()->SetStyle(bsSolid);
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect({0, 0, 120, 120});
        canvas().Brush()->SetColor(clGreen);
    }
    int W(const std::string& text) { return canvas().TextWidth(text); }
    // The pixels that are not white.
    TPixelSet Ink(const TRect& r = {0, 0, 120, 120})
    {
        TPixelSet ink;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (canvas().Pixels(x, y) != clWhite)
                    ink.insert({x, y});
        return ink;
    }
    static TRect InkBounds(const TPixelSet& ink)
    {
        TRect b{1000, 1000, -1000, -1000};
        for (const auto& [x, y] : ink)
            b = {std::min(b.Left, x), std::min(b.Top, y), std::max(b.Right, x + 1),
                 std::max(b.Bottom, y + 1)};
        return b;
    }
    static TPixelSet Shifted(const TPixelSet& ink, int dx, int dy)
    {
        TPixelSet moved;
        for (const auto& [x, y] : ink)
            moved.insert({x + dx, y + dy});
        return moved;
    }

    TBitmap bitmap;
    int lineHeight = 0;
};

} // namespace

TEST(SkinTextHelpers, StripMarksTabsAndEndings)
{
    const std::pair<const char*, const char*> ampersands[] = {{"&File", "File"},
                                                              {"Save && exit", "Save & exit"},
                                                              {"a&", "a"},
                                                              {"&&&&", "&&"},
                                                              {"Gr\xC3\xBC&n", "Gr\xC3\xBCn"}};
    for (const auto& [text, stripped] : ampersands)
        EXPECT_EQ(StripAmpersands(text), stripped) << text;
    EXPECT_EQ(StripAfterTab("Open\tCtrl+O"), "Open");
    EXPECT_EQ(StripAfterTab("Open"), "Open");
    const std::pair<const char*, const char*> endings[] = {
        {"Open...", "Open"}, {":", ":"}, {"a:", "a"}, {"...", "..."}, {"x...", "x"}, {"Size...:", "Size..."}};
    for (const auto& [text, stripped] : endings)
        EXPECT_EQ(StripCaptionEnding(text), stripped) << text;
}

TEST_F(SkinText, GlowIsTheTextAtItsOffsetsUnderTheTextItself)
{
    TRect r{20, 20, 100, 60};
    DrawSkinText(canvas(), "Wg", r, DT_SINGLELINE, gldNone, clRed, tra0);
    const TPixelSet text = Ink();
    ASSERT_FALSE(text.empty());

    const struct
    {
        TQvGlowDirection glow;
        std::vector<TPoint> offsets;
    } cases[] = {
        {gldAll, {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}},
        {gldTopLeft, {{-1, -1}}},
        {gldBottomRight, {{1, 1}}},
    };
    for (const auto& c : cases) {
        Clear();
        // The glow in the text's own colour shows where it went.
        TRect drawn = r;
        const int height = DrawSkinText(canvas(), "Wg", drawn, DT_SINGLELINE, c.glow, clBlack, tra0);
        EXPECT_EQ(height, lineHeight);
        TPixelSet expected = text;
        for (const TPoint offset : c.offsets) {
            const TPixelSet moved = Shifted(text, offset.X, offset.Y);
            expected.insert(moved.begin(), moved.end());
        }
        EXPECT_EQ(Ink(), expected) << c.glow;
        EXPECT_EQ(canvas().Brush()->Color(), clGreen);
        EXPECT_EQ(canvas().Brush()->Style(), bsSolid);
        EXPECT_EQ(canvas().Font()->Color(), clBlack);
    }

    // A red glow lies under the text: the text's full-black pixels stay black.
    Clear();
    DrawSkinText(canvas(), "Wg", r, DT_SINGLELINE, gldAll, clRed, tra0);
    for (const auto& [x, y] : text)
        ASSERT_NE(canvas().Pixels(x, y), clRed) << x << "," << y;

    // Measuring draws nothing, and an empty rectangle neither.
    Clear();
    TRect measured{0, 0, 300, 1};
    EXPECT_EQ(DrawSkinText(canvas(), "Wg", measured, DT_SINGLELINE | DT_CALCRECT, gldAll, clRed, tra0),
              lineHeight);
    EXPECT_EQ(measured, (TRect{0, 0, W("Wg"), lineHeight}));
    TRect empty{20, 20, 20, 60};
    EXPECT_EQ(DrawSkinText(canvas(), "Wg", empty, DT_SINGLELINE | DT_NOCLIP, gldAll, clRed, tra0), 0);
    EXPECT_TRUE(Ink().empty());
}

TEST_F(SkinText, RotatedTextStandsInItsColumn)
{
    const int textWidth = W("Hello");
    for (const TQvTextRotationAngle angle : {tra90, tra270}) {
        TRect calc{10, 5, 40, 6};
        EXPECT_EQ(DrawRotatedText(canvas(), "&Hello", calc, DT_CALCRECT, angle), lineHeight);
        EXPECT_EQ(calc, (TRect{10, 5, 10 + lineHeight, 5 + textWidth})) << angle;

        // Centred across a 40-pixel column and along its 100 pixels.
        Clear();
        TRect r{10, 5, 50, 105};
        DrawSkinText(canvas(), "Hello", r, DT_CENTER, gldNone, clNone, angle);
        const int x = (40 - lineHeight) / 2 + 10, y = (100 - textWidth) / 2 + 5;
        const TRect ink = InkBounds(Ink());
        EXPECT_GE(ink.Left, x) << angle;
        EXPECT_LE(ink.Right, x + lineHeight) << angle;
        EXPECT_GE(ink.Top, y - 1) << angle;
        EXPECT_LE(ink.Bottom, y + textWidth + 1) << angle;
        EXPECT_GT(ink.Height(), textWidth - 4) << angle;
        EXPECT_EQ(canvas().Font()->Orientation(), 0);
        TRect box;
        GetClipBox(canvas(), box);
        EXPECT_EQ(box, (TRect{0, 0, 120, 120}));
    }
}

TEST_F(SkinText, RotatedMnemonicIsUnderlinedBelowTheBaseLine)
{
    const TTextMetric metrics = canvas().TextMetrics();
    const int line = W("Hello"), h = W("H");
    const struct
    {
        TQvTextRotationAngle angle;
        int column; // from the text column's left
        int from;   // from the text's top
    } cases[] = {
        {tra270, metrics.tmDescent - 2, 0},
        {tra90, metrics.tmAscent + 1, line - h},
    };
    for (const auto& c : cases) {
        Clear();
        TRect r{10, 5, 10 + lineHeight, 105};
        DrawSkinText(canvas(), "&Hello", r, 0, gldNone, clNone, c.angle);
        const TPixelSet underline = Ink({10 + c.column, 5 + c.from, 11 + c.column, 5 + c.from + h});
        EXPECT_EQ(static_cast<int>(underline.size()), h) << c.angle;

        Clear();
        DrawSkinText(canvas(), "&Hello", r, DT_HIDEPREFIX, gldNone, clNone, c.angle);
        EXPECT_LT(static_cast<int>(Ink({10 + c.column, 5 + c.from, 11 + c.column, 5 + c.from + h}).size()), h)
            << c.angle;
    }
}

TEST_F(SkinText, RotatedTextEndsInDotsWhenTooLong)
{
    const struct
    {
        int height;
        std::string shown;
    } cases[] = {
        {W("Conv..."), "Conv..."},
        {W("Conv...") - 1, "Con..."},
        {2, "C..."},
        {W("Convert"), "Convert"},
    };
    for (const auto& c : cases) {
        TRect r{0, 0, 30, c.height};
        DrawRotatedText(canvas(), "Convert", r, DT_END_ELLIPSIS | DT_CALCRECT, tra270);
        EXPECT_EQ(r.Bottom, W(c.shown)) << c.height;
    }
}

TEST_F(SkinText, CaptionLayoutPlacesTextAndGlyphs)
{
    const int tw = W("Open"), th = lineHeight;
    const TSize glyph{16, 16}, none{0, 0}, arrow{8, 4};
    const TRect wide{0, 0, 100, 24}, tall{0, 0, 60, 50}, turned{0, 0, 24, 100};
    // Lays out "Open" (or no caption) and compares the three rectangles and the height.
    const auto expect = [&](const char* what, const TRect& r, bool caption, TAlignment alignment,
                            unsigned flags, TSize glyphSize, TSize rightGlyphSize, TQvGlyphLayout layout,
                            bool pushed, bool rotated, TRect text, TRect glyphRect, TRect rightGlyphRect) {
        TRect outText{-1, -1, -1, -1}, outGlyph = outText, outRightGlyph = outText;
        const int height =
            CalcCaptionLayout(canvas(), r, caption ? "Open" : "", alignment, flags, glyphSize, rightGlyphSize,
                              layout, pushed, outText, outGlyph, outRightGlyph, rotated);
        EXPECT_EQ(height, caption ? th : 0) << what;
        EXPECT_EQ(outText, text) << what;
        EXPECT_EQ(outGlyph, glyphRect) << what;
        EXPECT_EQ(outRightGlyph, rightGlyphRect) << what;
    };
    const int middle = (24 - th) / 2;
    expect("left", wide, true, taLeftJustify, 0, glyph, none, ghlGlyphLeft, false, false,
           Bounds(20, middle, tw, th), {0, 4, 16, 20}, {});
    expect("pushed", wide, true, taLeftJustify, 0, glyph, none, ghlGlyphLeft, true, false,
           Bounds(21, middle + 1, tw, th), {1, 5, 17, 21}, {});
    expect("right", wide, true, taRightJustify, 0, glyph, none, ghlGlyphLeft, false, false,
           Bounds(100 - tw - 20, middle, tw, th), {84, 4, 100, 20}, {});
    expect("centre", wide, true, taCenter, 0, glyph, none, ghlGlyphLeft, false, false,
           Bounds((100 - tw) / 2 + 10, middle, tw, th), Bounds((100 - 16 - 4 - tw) / 2, 4, 16, 16), {});
    // On top the glyph is centred; the caption keeps its own alignment and moves down.
    expect("glyph on top", tall, true, taLeftJustify, 0, glyph, none, ghlGlyphTop, false, false,
           Bounds(0, (50 - th) / 2 + 8, tw, th), Bounds(22, (50 - 17 - th) / 2, 16, 16), {});
    expect("glyph alone", wide, false, taLeftJustify, 0, glyph, none, ghlGlyphLeft, false, false, {},
           {0, 4, 16, 20}, {});
    expect("right glyph", wide, true, taLeftJustify, DT_END_ELLIPSIS, none, arrow, ghlGlyphLeft, false, false,
           Bounds(0, middle, tw, th), {}, {92, 10, 100, 14});
    // Laid out across the turned rectangle: the results are turned back.
    expect("turned", turned, true, taLeftJustify, 0, glyph, none, ghlGlyphLeft, false, true,
           {middle, 20, middle + th, 20 + tw}, {4, 0, 20, 16}, {});

    // The right glyph takes its room from a long caption.
    TRect text, glyphRect, rightGlyphRect;
    CalcCaptionLayout(canvas(), {0, 0, 40, 24}, "Convert all files", taLeftJustify, DT_END_ELLIPSIS, none,
                      arrow, ghlGlyphLeft, false, text, glyphRect, rightGlyphRect, false);
    EXPECT_LE(text.Right, 40 - 12);
}

TEST_F(SkinText, GlowTextLightensAroundTheText)
{
    const bool themes = ThemesEnabled();
    SetThemesEnabled(true);
    canvas().Brush()->SetColor(0x606060);
    canvas().FillRect({0, 0, 120, 120});
    TRect r{20, 20, 100, 60};
    DrawGlowText(canvas(), "Hi", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER, 8);
    SetThemesEnabled(themes);

    int darker = 0, lighter = 0;
    for (int y = 20; y < 60; ++y)
        for (int x = 20; x < 100; ++x) {
            const int value = canvas().Pixels(x, y) & 0xFF;
            darker += value < 0x60;
            lighter += value > 0x60;
        }
    EXPECT_GT(darker, 10);
    EXPECT_GT(lighter, darker);
    // Outside the rectangle nothing changes.
    EXPECT_EQ(canvas().Pixels(10, 40), 0x606060u);
    EXPECT_EQ(canvas().Pixels(60, 65), 0x606060u);
}
