#include "controls/pack/glyph_caption_layout.h"

#include "platform/gui/graphics/gdi.h"

#include <gtest/gtest.h>

namespace {

// Captions measure 30 x 13 whatever they say.
TSize MeasureFixed(const std::string&, int, unsigned)
{
    return {30, 13};
}

} // namespace

TEST(PlaceGlyphAndCaption, WorkedExamples)
{
    TBitmap glyph(16, 16);
    TBitmap noGlyph;
    const TRect client{0, 0, 75, 25};
    const struct
    {
        const char* what;
        const TGraphic* glyph;
        const char* caption;
        TButtonLayout layout;
        int margin, spacing;
        bool pressed;
        unsigned biDi;
        TPoint glyphPos, textPos;
    } cases[] = {
        {"defaults", &glyph, "Close", blGlyphLeft, -1, 4, false, 0, {12, 5}, {32, 6}},
        {"pressed", &glyph, "Close", blGlyphLeft, -1, 4, true, 0, {13, 6}, {33, 7}},
        {"both automatic", &glyph, "Close", blGlyphLeft, -1, -1, false, 0, {9, 5}, {34, 6}},
        {"margin given", &glyph, "Close", blGlyphLeft, 5, -1, false, 0, {5, 5}, {33, 6}},
        {"caption alone", &noGlyph, "Close", blGlyphLeft, -1, 4, false, 0, {22, 13}, {22, 6}},
        {"glyph alone", &glyph, "", blGlyphLeft, -1, 4, false, 0, {29, 5}, {45, 12}},
        {"glyph right", &glyph, "Close", blGlyphRight, -1, 4, false, 0, {47, 5}, {13, 6}},
        {"right to left", &glyph, "Close", blGlyphLeft, -1, 4, false, DT_RIGHT, {47, 5}, {13, 6}},
        {"glyph top", &glyph, "Close", blGlyphTop, -1, 0, false, 0, {30, -2}, {22, 14}},
        {"content too wide", &glyph, "Close", blGlyphLeft, -1, 40, false, 0, {-5, 5}, {51, 6}},
    };
    for (const auto& c : cases) {
        const TGlyphAndCaptionPlaces places =
            PlaceGlyphAndCaption(MeasureFixed, c.glyph, client, c.pressed, false, c.caption, c.layout,
                                 c.margin, c.spacing, c.biDi);
        EXPECT_EQ(places.GlyphPos, c.glyphPos) << c.what;
        EXPECT_EQ(places.TextPos, c.textPos) << c.what;
    }
}

TEST(PlaceGlyphAndCaption, MeasuresWithTheCanvasFont)
{
    TBitmap bitmap(10, 10);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetName("DejaVu Sans");
    const std::string caption = "Browse...";
    const int width = canvas.TextWidth(caption);
    const TGlyphAndCaptionPlaces places =
        PlaceGlyphAndCaption(canvas, nullptr, {10, 0, 110, 30}, false, false, caption, blGlyphLeft, -1, 4, 0);
    EXPECT_EQ(places.TextPos.X, 10 + (100 - width) / 2);
}
