#include "controls/skins/skin_glyphs.h"

#include "gui_driver.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"

#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr TColor Ink = 0x804000;
constexpr TColor Shadow = 0x00C0FF;

// A white picture to draw glyphs on; its brush is green so that a glyph that keeps the brush shows it.
class SkinGlyphs : public testing::Test, public TPaintingPicture
{
protected:
    SkinGlyphs() : TPaintingPicture(40, clWhite) {}
    // The pixels of r as rows of bits, the leftmost in the highest bit: 1 where the colour is ink.
    std::vector<uint8_t> Rows(const TRect& r, TColor ink)
    {
        std::vector<uint8_t> rows;
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint8_t bits = 0;
            for (int x = r.Left; x < r.Right; ++x)
                bits = static_cast<uint8_t>(bits << 1 | (At(x, y) == ink));
            rows.push_back(bits);
        }
        return rows;
    }
    void ExpectToolsKept()
    {
        EXPECT_EQ(canvas().Brush()->Color(), clGreen);
        EXPECT_EQ(canvas().Brush()->Style(), bsSolid);
        EXPECT_EQ(canvas().Pen()->Color(), clMaroon);
    }
};

} // namespace

TEST_F(SkinGlyphs, CaptionButtonGlyphsPaintTheirRowsCentred)
{
    const struct
    {
        int kind;
        std::vector<uint8_t> rows;
    } glyphs[] = {
        {cbgClose, {0xC6, 0xEE, 0x7C, 0x38, 0x7C, 0xEE, 0xC6, 0x00}},
        {cbgMaximize, {0xFF, 0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF}},
        {cbgMinimize, {0x00, 0x00, 0x00, 0x00, 0x00, 0x7E, 0x7E, 0x00}},
        {cbgRestore, {0x3F, 0x3F, 0x21, 0xFD, 0xFD, 0x87, 0x84, 0x84, 0xFC}},
    };
    for (const auto& g : glyphs) {
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect({0, 0, 40, 40});
        canvas().Brush()->SetColor(clGreen);
        // In 20 x 21 the glyph's corner is ((20 - 8 + 1) div 2, (21 - height + 1) div 2).
        DrawCaptionButtonGlyph(canvas(), {0, 0, 20, 21}, g.kind, Ink);
        const int top = (21 - static_cast<int>(g.rows.size()) + 1) / 2;
        const TRect box = Bounds(6, top, 8, static_cast<int>(g.rows.size()));
        EXPECT_EQ(Rows(box, Ink), g.rows) << g.kind;
        EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, clWhite), 1600 - CountPixels(bitmap, box, Ink))
            << g.kind;
        ExpectToolsKept();
    }
    canvas().Brush()->SetColor(clWhite);
    canvas().FillRect({0, 0, 40, 40});
    DrawCaptionButtonGlyph(canvas(), {0, 0, 20, 20}, 4, Ink);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, clWhite), 1600);
}

TEST_F(SkinGlyphs, GripDotsAreRaisedPairsEveryFourPixels)
{
    // Even a 3 x 3 rectangle gets its dot.
    DrawGripDots(canvas(), {0, 0, 3, 3}, Ink, Shadow);
    const std::vector<uint8_t> ink = {0b110, 0b110, 0b000}, shadow = {0b000, 0b001, 0b011};
    EXPECT_EQ(Rows({0, 0, 3, 3}, Ink), ink);
    EXPECT_EQ(Rows({0, 0, 3, 3}, Shadow), shadow);

    DrawGripDots(canvas(), {10, 10, 19, 18}, Ink, Shadow); // 2 columns, 2 rows
    EXPECT_EQ(CountPixels(bitmap, {10, 10, 19, 18}, Ink), 4 * 4);
    EXPECT_EQ(CountPixels(bitmap, {10, 10, 19, 18}, Shadow), 4 * 3);
    EXPECT_EQ(At(14, 14), Ink);
    EXPECT_EQ(At(16, 16), Shadow);
    ExpectToolsKept();
}

TEST_F(SkinGlyphs, ArrowTrianglesPointTheirWay)
{
    // From (20, 20) over 5 pixels: an up or left arrow has its tip there, a down or right one its base.
    const struct
    {
        bool vertical, upOrLeft;
        TRect bounds;   // where the triangle lies
        bool alongRows; // its width changes from row to row
        bool growsAway; // it widens with the coordinate
    } arrows[] = {
        {true, true, {15, 20, 26, 26}, true, true},
        {true, false, {15, 20, 26, 26}, true, false},
        {false, true, {20, 15, 26, 26}, false, true},
        {false, false, {20, 15, 26, 26}, false, false},
    };
    for (const auto& a : arrows) {
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect({0, 0, 40, 40});
        DrawArrowTriangle(canvas(), 20, 20, Ink, a.vertical, a.upOrLeft, 5);
        const int all = CountPixels(bitmap, {0, 0, 40, 40}, Ink);
        EXPECT_GT(all, 10);
        EXPECT_EQ(CountPixels(bitmap, a.bounds, Ink), all);
        const auto line = [&](int i) {
            return a.alongRows ? CountPixels(bitmap, {0, i, 40, i + 1}, Ink)
                               : CountPixels(bitmap, {i, 0, i + 1, 40}, Ink);
        };
        const int first = a.alongRows ? a.bounds.Top : a.bounds.Left;
        EXPECT_EQ(line(first + 1) < line(first + 4), a.growsAway) << a.vertical << a.upOrLeft;
        EXPECT_EQ(canvas().Brush()->Color(), clWhite);
    }
}

TEST_F(SkinGlyphs, DropMarkHasNotchedEnds)
{
    canvas().Brush()->SetColor(Ink);
    canvas().Pen()->SetColor(Ink);
    DrawDropMark(canvas(), {10, 0, 16, 20});
    // The ends are a pixel narrower on their outer rows; the stem between them is inset by one.
    const std::vector<uint8_t> top = {0b011110, 0b111111, 0b111111, 0b000000, 0b011110};
    EXPECT_EQ(Rows({10, 0, 16, 5}, Ink), top);
    EXPECT_EQ(Rows({10, 15, 16, 20}, Ink),
              (std::vector<uint8_t>{0b011110, 0b000000, 0b111111, 0b111111, 0b011110}));
    DrawDropMark(canvas(), {30, 0, 30, 20});
    EXPECT_EQ(CountPixels(bitmap, {25, 0, 40, 40}, Ink), 0);
}

TEST_F(SkinGlyphs, FocusRectangleDotsTheEdgeOnly)
{
    SetTextColor(canvas(), clRed);
    DrawFocusRectBW(canvas(), {10, 10, 20, 20});
    const int edge = 100 - CountPixels(bitmap, {10, 10, 20, 20}, clWhite);
    EXPECT_GT(edge, 10);
    EXPECT_EQ(CountPixels(bitmap, {11, 11, 19, 19}, clWhite), 64);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, clRed), 0);
    EXPECT_EQ(GetTextColor(canvas()), clRed);
    DrawFocusRectBW(canvas(), {30, 30, 30, 40});
    EXPECT_EQ(CountPixels(bitmap, {25, 25, 40, 40}, clWhite), 225);
}
