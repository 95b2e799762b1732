#include "support/errors.h"
#include "support/format_settings.h"
#include "support/number_conversion.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TFormatSettings WithDecimalSeparator(const char* separator)
{
    TFormatSettings settings;
    settings.DecimalSeparator = separator;
    return settings;
}

} // namespace

TEST(StringToInt, AcceptsDecimalAndHexadecimal)
{
    const struct
    {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"+12", 12},
        {"-12", -12},
        {"  42", 42},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"$ff", 255},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$10", -16},
        {"$7FFFFFFF", INT32_MAX},
        {"$FFFFFFFF", -1}, // a 32-bit pattern, as colours with the top byte set are written
        {"$FF00000F", static_cast<int32_t>(0xFF00000F)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StringToInt(c.text), c.value) << c.text;
        EXPECT_TRUE(CanConvertToInt(c.text)) << c.text;
    }
}

TEST(StringToInt, RejectsJunkAndOverflow)
{
    for (const char* text : {"", " ", "-", "+", "$", "0x", "12 ", "12a", "1.5", "2147483648", "-2147483649",
                             "$100000000", "x1F", "$-1", "--1", "+-1", "1e3", "\xEF\xBC\x91"}) {
        EXPECT_THROW(StringToInt(text), EConvertError) << text;
        EXPECT_FALSE(CanConvertToInt(text)) << text;
        int32_t value = 99;
        EXPECT_FALSE(TryStringToInt(text, value)) << text;
        EXPECT_EQ(value, 99);
    }
}

TEST(FloatConversion, FollowsTheDecimalSeparatorOfTheSettings)
{
    {
        TFormatSettingsGuard guard(WithDecimalSeparator("."));
        EXPECT_TRUE(CanConvertToFloat(" 1.5 "));
        EXPECT_TRUE(CanConvertToFloat("-.5e-3"));
        EXPECT_TRUE(CanConvertToFloat("3."));
        EXPECT_FALSE(CanConvertToFloat("1,5"));
        double value = 0;
        EXPECT_TRUE(TryStrToFloat("+2.5E2", value));
        EXPECT_EQ(value, 250.0);
    }
    TFormatSettingsGuard guard(WithDecimalSeparator(","));
    EXPECT_TRUE(CanConvertToFloat("1,5"));
    EXPECT_FALSE(CanConvertToFloat("1.5"));
    for (const char* bad : {"", ",", "1,5,", "1e", "e5", "inf", "nan", "1 5", "1e999", "0x10"}) {
        double value = 7;
        EXPECT_FALSE(TryStrToFloat(bad, value)) << bad;
        EXPECT_EQ(value, 7);
    }
}

TEST(StrToFloatTolerant, ReadsPointAndCommaInEverySettings)
{
    for (const char* separator : {".", ","}) {
        TFormatSettingsGuard guard(WithDecimalSeparator(separator));
        EXPECT_EQ(StrToFloatTolerant("25", -1), 25.0) << separator;
        EXPECT_EQ(StrToFloatTolerant("23.976", -1), 23.976) << separator;
        EXPECT_EQ(StrToFloatTolerant("23,976", -1), 23.976) << separator;
        EXPECT_EQ(StrToFloatTolerant("1,234.5", -1), -1) << separator;
        EXPECT_EQ(StrToFloatTolerant("N/A", 2.5), 2.5) << separator;
    }
}

TEST(FloatToStrTrimmed, TrimsZerosAndUsesTheSettingsSeparator)
{
    const struct
    {
        double value;
        const char* pointText;
    } cases[] = {
        {2.5, "2.5"},    {2.999, "3"},   {2.0, "2"},
        {1.25, "1.25"},  {10.0, "10"},   {100.004, "100"},
        {-0.001, "0"},   {-1.5, "-1.5"}, {1e15, "1000000000000000"},
        {0.125, "0.12"},
    };
    for (const char* separator : {".", ","}) {
        TFormatSettingsGuard guard(WithDecimalSeparator(separator));
        for (const auto& c : cases) {
            std::string expected = c.pointText;
            if (expected.find('.') != std::string::npos) {
                expected.replace(expected.find('.'), 1, separator);
            }
            EXPECT_EQ(FloatToStrTrimmed(c.value, 2, ""), expected) << c.value;
            EXPECT_EQ(FloatToStrTrimmed(c.value, 2, "."), c.pointText) << c.value;
        }
    }
    TFormatSettingsGuard guard(WithDecimalSeparator(","));
    EXPECT_EQ(FloatToFixedStr(1.005, 1), "1.0");
    EXPECT_EQ(FloatToFixedStr(29.97, 3), "29.970");
}

TEST(HexAndByteConversion, RangesAndPrefixes)
{
    int64_t wide = 5;
    EXPECT_TRUE(TryHexToInt64("$7fffffffffffffff", wide));
    EXPECT_EQ(wide, INT64_MAX);
    EXPECT_TRUE(TryHexToInt64("FFFFFFFFFFFFFFFF", wide));
    EXPECT_EQ(wide, -1);
    for (const char* bad : {"", "$", "$$1", "1G", "0x10", "10000000000000000", " 1"}) {
        EXPECT_FALSE(TryHexToInt64(bad, wide)) << bad;
    }
    EXPECT_EQ(wide, -1);

    const struct
    {
        const char* text;
        bool hexOk;
        bool decimalOk;
        uint8_t hexValue;
        uint8_t decimalValue;
    } cases[] = {
        {"FF", true, false, 255, 0},  {"$ff", true, true, 255, 255}, {"100", false, true, 0, 100},
        {"255", false, true, 0, 255}, {"256", false, false, 0, 0},   {"-1", false, false, 0, 0},
        {"0", true, true, 0, 0},      {"", false, false, 0, 0},
    };
    for (const auto& c : cases) {
        uint8_t hex = 7;
        uint8_t decimal = 7;
        EXPECT_EQ(TryHexToByte(c.text, hex), c.hexOk) << c.text;
        EXPECT_EQ(hex, c.hexOk ? c.hexValue : 7) << c.text;
        EXPECT_EQ(TryStrToByte(c.text, decimal), c.decimalOk) << c.text;
        EXPECT_EQ(decimal, c.decimalOk ? c.decimalValue : 7) << c.text;
    }
}

TEST(IntToString, PlainDecimalAndClamp)
{
    EXPECT_EQ(IntToString(INT32_MIN), "-2147483648");
    EXPECT_EQ(Int64ToString(INT64_MAX), "9223372036854775807");
    EXPECT_EQ(ClampInt(-5, 0, 10), 0);
    EXPECT_EQ(ClampInt(15, 0, 10), 10);
    EXPECT_EQ(ClampInt(5, 0, 10), 5);
}

TEST(ValidNumberText, CharacterLevelRules)
{
    const struct
    {
        const char* text;
        bool ignoreBlanks;
        bool isInt;
        bool isFloat;
    } cases[] = {
        {"+12", false, true, true},     {"-12", false, true, true},     {"1-2", false, false, false},
        {"--1", false, false, false},   {"+-1", false, false, false},   {"1 000", true, true, true},
        {"1 000", false, false, false}, {"12a", false, false, false},   {"1,5", false, false, true},
        {"-1.5E3", false, false, true}, {"-1.5e3", false, false, true}, {"1.5,3", false, false, false},
        {"1..5", false, false, false},  {"1,,5", false, false, false},  {"1E5E", false, false, false},
        {"1E-5", false, false, false},  {"1 .5", true, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidIntStr(c.text, c.ignoreBlanks), c.isInt) << c.text;
        EXPECT_EQ(IsValidFloatStr(c.text, c.ignoreBlanks), c.isFloat) << c.text;
    }
}
