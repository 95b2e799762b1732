#include "platform/gui/graphics/graphics.h"
#include "platform/gui/graphics/text_metrics.h"

#include <gtest/gtest.h>

namespace {

TEST(TextMetrics, CaretStopsStandBeforeEveryCodePointAndAfterTheLast)
{
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetSize(12);
    const TTextMetrics metrics(font);
    EXPECT_EQ(metrics.CaretStops(U""), std::vector<int>{0});
    // A character beyond the basic plane is one code point and one step, however the toolkit stores it.
    const std::u32string text = U"W\U0001D400i";
    const std::vector<int> stops = metrics.CaretStops(text);
    ASSERT_EQ(stops.size(), text.size() + 1);
    EXPECT_EQ(stops[0], 0);
    for (size_t i = 1; i < stops.size(); ++i)
        EXPECT_GT(stops[i], stops[i - 1]) << "step " << i;
    EXPECT_GT(stops[1] - stops[0], stops[3] - stops[2]) << "W is wider than i";

    TFont large;
    large.Assign(&font);
    large.SetSize(24);
    EXPECT_GT(TTextMetrics(large).LineHeight(), metrics.LineHeight());
    EXPECT_GT(TTextMetrics(large).CaretStops(U"W").back(), stops[1]);
}

TEST(TextMetrics, CharacterClasses)
{
    struct Case
    {
        char32_t ch;
        bool word;
        bool space;
    };
    const Case cases[] = {{U'a', true, false},      {U'Z', true, false},      {U'7', true, false},
                          {U'_', true, false},      {U'\u00E9', true, false}, {U'\u0301', true, false},
                          {U'\u0416', true, false}, {U' ', false, true},      {U'\t', false, true},
                          {U'\r', false, true},     {U'\n', false, true},     {U'\u00A0', false, true},
                          {U'.', false, false},     {U'-', false, false},     {U'(', false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsWordChar(c.ch), c.word) << std::hex << static_cast<uint32_t>(c.ch);
        EXPECT_EQ(IsWhiteSpace(c.ch), c.space) << std::hex << static_cast<uint32_t>(c.ch);
    }
}

} // namespace
