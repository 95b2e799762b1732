#include "controls/grid/number_text.h"

#include "locale_cases.h"

#include <gtest/gtest.h>

TEST(NumberText, FilterTurnsAnyTextIntoANumberText)
{
    const TNumberRange none;
    const TNumberRange range{1, 10};
    const struct
    {
        std::string text;
        bool decimal, signs;
        const TNumberRange& range;
        std::optional<std::string> expected;
    } cases[] = {
        {"12.5", true, true, none, "12.5"},
        {"a1b2.c5", true, true, none, "12.5"},
        {"1.2.3", true, true, none, "1.23"}, // one separator
        {"1.5", false, true, none, "15"},    // none without decimals
        {"-5", true, true, none, "-5"},
        {"5-", true, true, none, "5"}, // a sign only first
        {"-5", true, false, none, "5"},
        {"-", true, true, none, "0"}, // a lone sign is 0
        {"+", true, true, none, "0"},
        {"007", true, true, none, "7"},
        {"abc", true, true, range, "1"}, // nothing left: Min
        {"15", true, true, range, "10"}, // clamped
        {"0.5", true, true, range, "1"},
        {".", true, true, none, std::nullopt}, // no number: never an exception
        {"-.", true, true, none, std::nullopt},
        {"1\b2", true, true, none, std::nullopt}, // Backspace is kept and spoils the number
    };
    for (const std::string separator : {".", ","}) {
        TFormatSettingsGuard locale(WithSeparator(separator));
        for (const auto& c : cases) {
            std::optional<std::string> expected = c.expected;
            if (expected)
                expected = Localised(*expected, separator);
            EXPECT_EQ(FilterNumber(Localised(c.text, separator), c.decimal, c.signs, c.range), expected)
                << separator << " " << c.text;
        }
    }
}

TEST(NumberText, TypedCharactersThatMayGoIn)
{
    const struct
    {
        char32_t ch;
        std::string text;
        int selStart, selLength;
        bool decimal, signs;
        bool allowed;
    } cases[] = {
        {U'5', "12", 1, 0, true, true, true},   {U'a', "12", 1, 0, true, true, false},
        {U'.', "12", 1, 0, true, true, true},   {U'.', "1.2", 0, 0, true, true, false},
        {U'.', "1.2", 1, 1, true, true, true},  {U'.', "12", 1, 0, false, true, false},
        {U'-', "12", 0, 0, true, true, true},   {U'-', "12", 2, 0, true, true, false},
        {U'-', "-5", 0, 2, true, true, true},   {U'-', "-5", 0, 0, true, true, false},
        {U'+', "12", 0, 0, true, false, false}, {3, "", 0, 0, false, false, true},
        {22, "", 0, 0, false, false, true},     {24, "", 0, 0, false, false, true},
        {9, "", 0, 0, false, false, true},      {1, "", 0, 0, false, false, true},
        {8, "1", 1, 0, false, false, true},     {13, "1", 1, 0, false, false, true},
        {2, "1", 1, 0, true, true, false},      {U'é', "1", 1, 0, true, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberCharAllowed(c.ch, {c.text, c.selStart, c.selLength}, c.decimal, c.signs), c.allowed)
            << static_cast<uint32_t>(c.ch) << " into " << c.text;
}

TEST(NumberText, PasteInsertsTheFilteredNumberAtTheCaret)
{
    const TNumberRange none;
    EXPECT_EQ(PasteNumber({"45", 1, 0}, "-3", true, true, none), "435"); // signs only at the start
    EXPECT_EQ(PasteNumber({"4.5", 3, 0}, "1.5", true, true, none), "4.515");
    EXPECT_EQ(PasteNumber({"4.5", 1, 2}, "1.5", true, true, none), "41.5"); // the separator was selected
    EXPECT_EQ(PasteNumber({"", 0, 0}, "007", true, true, none), "7");
    EXPECT_EQ(PasteNumber({"12", 2, 0}, "abc", true, true, TNumberRange{6, 20}), "126");
    EXPECT_EQ(PasteNumber({"12", 2, 0}, ".", true, true, none), "120"); // no number: as nothing left
    EXPECT_EQ(PasteNumber({"12", 0, 2}, "-.", true, true, TNumberRange{-5, 5}), "-5");
}

TEST(NumberText, LeadingZeros)
{
    EXPECT_EQ(TrimLeadingZeros("000"), "");
    EXPECT_EQ(TrimLeadingZeros("0012"), "12");
    EXPECT_EQ(TrimLeadingZeros("0.50"), ".50");
    EXPECT_EQ(TrimLeadingZeros("-0.5"), "-0.5");
}
