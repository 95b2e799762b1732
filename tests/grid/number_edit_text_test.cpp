#include "controls/grid/number_edit_text.h"
#include "locale_cases.h"

#include <gtest/gtest.h>

namespace {

// The separators to run every table in.
const std::string Separators[] = {".", ","};

TNumberEditFormat Ranged(double min, double max, bool adjust = true)
{
    TNumberEditFormat format;
    format.Min = min;
    format.Max = max;
    format.AdjustToRange = adjust;
    return format;
}

} // namespace

TEST(NumberEditText, ValuesShownInTheFormat)
{
    const auto with = [](int precision, bool decimals, bool hideZeros, std::string unit = "") {
        TNumberEditFormat format;
        format.Precision = precision;
        format.Options =
            decimals ? TGxNumericEditOptions{ednDecimals, ednSigns} : TGxNumericEditOptions{ednSigns};
        format.HideLeadingZeros = hideZeros;
        format.TextAfter = std::move(unit);
        return format;
    };
    const struct
    {
        TNumberEditFormat format;
        double value;
        std::string shown;
    } cases[] = {
        {with(2, true, false), 0, "0.00"},
        {with(0, true, false), 0, "0"},
        {with(-1, true, false), 2.5, "2.5"},
        {with(2, false, false), 2.6, "3"},
        {with(2, true, true), 0.25, ".25"},
        {with(2, true, true), 0, ".00"},
        {with(0, true, true), 0, ""},
        {with(1, true, true), -0.5, "-0.5"},
        {with(2, true, false, " px"), 12, "12.00 px"},
        {with(0, true, true, " px"), 0, " px"},
        {with(30, true, false), 1.5, "1.500000000000000000"}, // at most 18 decimals
    };
    for (const std::string& separator : Separators) {
        TFormatSettingsGuard locale(WithSeparator(separator));
        for (const auto& c : cases)
            EXPECT_EQ(FormatNumberValue(c.format, c.value, true), Localised(c.shown, separator))
                << separator << " " << c.value;
    }
    EXPECT_EQ(FormatNumberValue(with(2, true, false, " px"), 12, false), "12.00");
}

TEST(NumberEditText, ValuesReadFromAnyText)
{
    TNumberEditFormat noDecimals;
    noDecimals.Options = ednSigns;
    TNumberEditFormat px;
    px.TextAfter = " px";
    TNumberEditFormat squareMetres;
    squareMetres.TextAfter = "m2";
    TNumberEditFormat hidden;
    hidden.HideLeadingZeros = true;
    const struct
    {
        TNumberEditFormat format;
        std::string text;
        double value;
    } cases[] = {
        {Ranged(6, 20), "25", 20},   {Ranged(6, 20, false), "25", 25},
        {Ranged(6, 20), "", 6},      {Ranged(6, 20), "abc", 6},
        {Ranged(6, 20), ".", 6}, // no number after filtering: Min, never an error
        {Ranged(6, 20), "-.", 6},    {Ranged(0, 0), "-1234.5", -1234.5},
        {noDecimals, "2.6", 26},     {px, "12.00 px", 12},
        {squareMetres, "5.00m2", 5}, // the unit text is taken off before reading
        {hidden, ".25", 0.25},       {hidden, "", 0},
        {Ranged(1, 9), "1\b2", 1}, // Backspace spoils the number
    };
    for (const std::string& separator : Separators) {
        TFormatSettingsGuard locale(WithSeparator(separator));
        for (const auto& c : cases)
            EXPECT_EQ(ReadNumberValue(c.format, Localised(c.text, separator)), c.value)
                << separator << " " << c.text;
    }
}

TEST(NumberEditText, FilterNeverFails)
{
    TNumberEditFormat hidden = Ranged(0, 0);
    hidden.HideLeadingZeros = true;
    const struct
    {
        TNumberEditFormat format;
        std::string text;
        bool signs, decimals;
        std::string filtered;
    } cases[] = {
        {Ranged(0, 0), "a1b2.c5", true, true, "12.5"}, {Ranged(0, 0), "007", true, true, "7"},
        {Ranged(0, 0), "-", true, true, "0"},          {Ranged(0, 0), ".", true, true, "0"},
        {Ranged(2, 8), "-.", true, true, "2"},         {Ranged(2, 8), "15", true, true, "8"},
        {Ranged(2, 8, false), "15", true, true, "15"}, {Ranged(0, 0), "-5", false, true, "5"},
        {Ranged(0, 0), "1.5", true, false, "15"},      {hidden, "0.5", true, true, ".5"},
    };
    for (const std::string& separator : Separators) {
        TFormatSettingsGuard locale(WithSeparator(separator));
        for (const auto& c : cases)
            EXPECT_EQ(FilterNumberText(c.format, Localised(c.text, separator), c.signs, c.decimals),
                      Localised(c.filtered, separator))
                << separator << " " << c.text;
    }
}

TEST(NumberEditText, PasteAndTyping)
{
    const TNumberEditFormat none;
    const struct
    {
        TNumberEditFormat format;
        TNumberEditText edit;
        std::string clipboard;
        std::string pasted;
    } pastes[] = {
        {none, {"45", 1, 0}, "-3", "435"}, // a sign only at the start
        {none, {"2.5", 3, 0}, "1.5", "2.515"},
        {none, {"", 0, 0}, "007", "7"},
        {Ranged(6, 20), {"", 0, 0}, "letters", "6"},
        {Ranged(6, 20), {"1", 1, 0}, "99", "120"},
        {none, {"12", 0, 2}, "-.", "0"},
    };
    const struct
    {
        char32_t ch;
        TNumberEditText edit;
        bool allowed;
    } typed[] = {
        {U'-', {"12", 2, 0}, false},  {U'-', {"-5", 0, 2}, true},  {U'-', {"5", 0, 0}, true},
        {U'.', {"1.5", 3, 0}, false}, {U'.', {"1.5", 1, 1}, true}, {1, {"1", 0, 0}, false}, // Ctrl+A
        {3, {"1", 0, 0}, true},       {22, {"1", 0, 0}, true},     {U'x', {"1", 0, 0}, false},
        {8, {"1", 1, 0}, true},
    };
    for (const std::string& separator : Separators) {
        TFormatSettingsGuard locale(WithSeparator(separator));
        for (const auto& c : pastes) {
            const TNumberEditText edit{Localised(c.edit.Text, separator), c.edit.SelStart, c.edit.SelLength};
            EXPECT_EQ(PasteIntoNumberEdit(c.format, edit, Localised(c.clipboard, separator)),
                      Localised(c.pasted, separator))
                << separator << " " << c.clipboard << " into " << c.edit.Text;
        }
        for (const auto& c : typed) {
            const char32_t ch = c.ch == U'.' ? static_cast<char32_t>(separator[0]) : c.ch;
            const TNumberEditText edit{Localised(c.edit.Text, separator), c.edit.SelStart, c.edit.SelLength};
            EXPECT_EQ(NumberEditCharAllowed(none, ch, edit), c.allowed)
                << separator << " " << static_cast<uint32_t>(c.ch) << " into " << c.edit.Text;
        }
    }
    TNumberEditFormat unsigned_;
    unsigned_.Options = ednDecimals;
    EXPECT_FALSE(NumberEditCharAllowed(unsigned_, U'-', {"", 0, 0}));
}

TEST(NumberEditText, SpinStepsStopBeforeALimit)
{
    const TNumberRange none;
    const TNumberRange range{6, 20};
    EXPECT_FALSE(SpinStepAllowed(20, 1, true, true, range));
    EXPECT_FALSE(SpinStepAllowed(19.5, 1, true, true, range)); // 20.5 would pass Max
    EXPECT_TRUE(SpinStepAllowed(19, 1, true, true, range));
    EXPECT_FALSE(SpinStepAllowed(6, 1, false, true, range));
    EXPECT_FALSE(SpinStepAllowed(0, 1, false, false, none));
    EXPECT_FALSE(SpinStepAllowed(0.5, 1, false, false, none)); // never below 0 without signs
    EXPECT_TRUE(SpinStepAllowed(0.5, 1, false, true, none));
}
