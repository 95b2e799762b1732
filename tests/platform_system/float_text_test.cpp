#include "platform/system/float_text.h"
#include "support/errors.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TFormatSettings CommaSettings()
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    return settings;
}

} // namespace

TEST(FloatToStr, GivesTheShortestTextOfFifteenDigits)
{
    const struct
    {
        double value;
        const char* point;
        const char* comma;
    } cases[] = {
        {0, "0", "0"},
        {-0.0, "0", "0"},
        {100, "100", "100"},
        {-1.5, "-1.5", "-1,5"},
        {0.1 + 0.2, "0.3", "0,3"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3, "0.666666666666667", "0,666666666666667"},
        {1234.5678, "1234.5678", "1234,5678"},
        {123456789012345, "123456789012345", "123456789012345"},
        {1e15, "1E15", "1E15"},
        {-2.5e20, "-2.5E20", "-2,5E20"},
        {0.00001, "0.00001", "0,00001"},
        {1.5e-7, "1.5E-7", "1,5E-7"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN", "NAN"},
        {std::numeric_limits<double>::infinity(), "INF", "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF", "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatToStr(c.value), c.point) << c.point;
        TFormatSettingsGuard comma(CommaSettings());
        EXPECT_EQ(FloatToStr(c.value), c.comma) << c.comma;
    }
}

TEST(FloatToStrF, FixedNotationRoundsHalfAwayFromZero)
{
    const struct
    {
        double value;
        int digits;
        const char* text;
    } cases[] = {
        {2.5, 2, "2.50"},    {0.125, 2, "0.13"}, // exactly half
        {2.675, 2, "2.67"},                      // just below half in binary
        {-2.5, 0, "-3"},     {12345.6789, 0, "12346"}, {0.6, 0, "1"}, {-0.001, 2, "0.00"},
        {9.999, 2, "10.00"}, {1e20, 2, "1E20"}, // more digits before the point than the precision
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, ffFixed, 18, c.digits), c.text) << c.value << " " << c.digits;
    TFormatSettingsGuard comma(CommaSettings());
    EXPECT_EQ(FloatToStrF(1234.5, ffFixed, 18, 1), "1234,5");
}

TEST(StrToFloat, ReadsOnlyTheSeparatorOfTheSettings)
{
    EXPECT_DOUBLE_EQ(StrToFloat(" 2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-1e3"), -1000);
    EXPECT_THROW(StrToFloat("2,5"), EConvertError);
    EXPECT_THROW(StrToFloat(""), EConvertError);
    TFormatSettingsGuard comma(CommaSettings());
    EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
    EXPECT_THROW(StrToFloat("2.5"), EConvertError);
}

TEST(FormatFloat, LaysTheValueOutByTheMask)
{
    const struct
    {
        const char* mask;
        double value;
        const char* point;
        const char* comma;
    } cases[] = {
        {"0.00", 2.5, "2.50", "2,50"},
        {"#,##0.00", 1234567.891, "1,234,567.89", "1.234.567,89"},
        {"#,##0", -1234, "-1,234", "-1.234"},
        {"0.##", 1, "1", "1"},
        {"0.##", 1.5, "1.5", "1,5"},
        {"#.##", 0.5, ".5", ",5"},
        {"000", 7, "007", "007"},
        {"00.00", 1234.5, "1234.50", "1234,50"},
        {"0", 2.5, "3", "3"},
        {"0", -0.4, "0", "0"},
        {"#", 0, "", ""},
        {"0 %", 50, "50 %", "50 %"},
        {"\"$\"#,##0", 1234, "$1,234", "$1.234"},
        {"0.00;(0.00)", -3.14159, "(3.14)", "(3,14)"},
        {"0;-0;\"zero\"", 0, "zero", "zero"},
        {"0.00;;'nil'", -2, "-2.00", "-2,00"},
        {"0.00E+00", 12345, "1.23E+04", "1,23E+04"},
        {"0.0E-0", 0.000123, "1.2E-4", "1,2E-4"},
        {"", 1.5, "1.5", "1,5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloat(c.mask, c.value), c.point) << c.mask << " " << c.value;
        TFormatSettingsGuard comma(CommaSettings());
        EXPECT_EQ(FormatFloat(c.mask, c.value), c.comma) << c.mask << " " << c.value;
    }
}
