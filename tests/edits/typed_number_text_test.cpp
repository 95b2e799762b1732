#include "controls/edits/typed_number_text.h"
#include "typed_edit_fixture.h"

#include <gtest/gtest.h>

namespace {

using C = TNumberClass;

TEST(TypedNumberText, ClassesInBothFormats)
{
    const struct
    {
        const char* point; // with "." decimals and "," grouping
        const char* comma; // the same text in the other format
        TNumberClass klass;
    } cases[] = {
        {"", "", C::Other},
        {"123", "123", C::Integer},
        {"-", "-", C::Integer},
        {"1-2", "1-2", C::Integer}, // where the sign stands is not looked at
        {"--1", "--1", C::Other},
        {"12.5", "12,5", C::Float},
        {"1,234.5", "1.234,5", C::Float},
        {"12,345", "12.345", C::Float},
        {",234", ".234", C::Other},   // a separator in place 1
        {"1,2,3", "1.2.3", C::Other}, // two characters between separators at least
        {"1,23,456", "1.23.456", C::Float},
        {"1.2.3", "1,2,3", C::Other}, // two decimal separators
        {"12a", "12a", C::Hexadecimal},
        {"-FF", "-FF", C::Hexadecimal},
        {"12g", "12g", C::Other},
        {" 12", " 12", C::Other},
    };
    for (const auto& c : cases) {
        {
            TFormatSettingsGuard format(PointDecimals());
            EXPECT_EQ(ClassifyNumber(c.point), c.klass) << c.point;
        }
        TFormatSettingsGuard format(CommaDecimals());
        EXPECT_EQ(ClassifyNumber(c.comma), c.klass) << c.comma;
    }
}

TEST(TypedNumberText, ConversionsNeverRaise)
{
    TFormatSettingsGuard format(PointDecimals());
    EXPECT_DOUBLE_EQ(TextToFloat("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(TextToFloat("abc"), 0);
    EXPECT_DOUBLE_EQ(TextToFloat("INF"), 0);
    EXPECT_DOUBLE_EQ(TextToFloat(""), 0);
    {
        TFormatSettingsGuard comma(CommaDecimals());
        EXPECT_DOUBLE_EQ(TextToFloat("1.234,5"), 1234.5);
        EXPECT_DOUBLE_EQ(TextToFloat("3.5"), 35); // "." groups here
    }
    const struct
    {
        const char* text;
        int32_t value;
    } hex[] = {
        {"ff", 255}, {"FF", 255}, {"1g", 16}, {"123456789", 0x23456789}, {"FFFFFFFF", -1}, {"", 0}, {"-1", 1},
    };
    for (const auto& c : hex)
        EXPECT_EQ(HexToInt(c.text), c.value) << c.text;
    const struct
    {
        const char* text;
        int32_t value;
    } leading[] = {
        {"12.75", 12},
        {"  -34x", -34},
        {"+7", 7},
        {"$ff", 255},
        {"0x1F", 31},
        {"x10", 16},
        {"abc", 0},
        {"99999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
    };
    for (const auto& c : leading)
        EXPECT_EQ(LeadingWholeNumber(c.text), c.value) << c.text;
    EXPECT_EQ(StrictWholeNumber("12"), 12);
    EXPECT_EQ(StrictWholeNumber("12a"), 0);
    EXPECT_EQ(StrictWholeNumber("$10"), 16);
}

TEST(TypedNumberText, FormatsFollowTheSeparators)
{
    for (const bool comma : {false, true}) {
        TFormatSettingsGuard format(comma ? CommaDecimals() : PointDecimals());
        const std::string d = comma ? "," : ".";
        const std::string t = comma ? "." : ",";
        EXPECT_EQ(FormatFixed(3.5, 2), "3" + d + "50");
        EXPECT_EQ(FormatGrouped(1234.5, 2), "1" + t + "234" + d + "50");
        EXPECT_EQ(FormatGrouped(-1234567, 0), "-1" + t + "234" + t + "567");
        EXPECT_EQ(FormatGeneral(0.25), "0" + d + "25");
        EXPECT_EQ(IntegerPartText(-1234.9, true), "1" + t + "234");
        EXPECT_EQ(IntegerPartText(1234.9, false), "1234");
    }
    EXPECT_EQ(HexText(255), "FF");
    EXPECT_EQ(HexText(0), "0");
    EXPECT_EQ(HexText(-1), "FFFFFFFF");
}

TEST(TypedNumberText, MixedCaseStartsWords)
{
    const struct
    {
        const char* text;
        const char* mixed;
    } cases[] = {
        {"mcfoo", "McFoo"},
        {"o'bar-baz", "O'Bar-Baz"},
        {"king ii", "King II"},
        {"quux iii", "Quux III"},
        {"macbar", "MacBar"},
        {"zed mcqux", "Zed McQux"},
        {"zed mac", "Zed Mac"},
        {"ABC DEF", "Abc Def"},
        {"a.b/c:d", "A.B/C:D"},
        {"quux iv", "Quux IV"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MixedCase(c.text), c.mixed) << c.text;
}

} // namespace
