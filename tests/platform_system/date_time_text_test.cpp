#include "platform/system/date_time_text.h"
#include "support/date_time.h"
#include "support/errors.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, ms);
}

TFormatSettings DottedSettings()
{
    TFormatSettings settings;
    settings.DateSeparator = ".";
    settings.TimeSeparator = ".";
    settings.ShortDateFormat = "dd/mm/yyyy";
    return settings;
}

} // namespace

TEST(DateTimeText, DateAndTimeInTheFormatsOfTheSettings)
{
    EXPECT_EQ(DateTimeToStr(At(2024, 3, 7)), "2024-03-07");
    EXPECT_EQ(DateTimeToStr(At(2024, 3, 7, 9, 5, 1)), "2024-03-07 09:05:01");
    EXPECT_EQ(DateTimeToStr(0), "1899-12-30");
    EXPECT_EQ(DateTimeToStr(-1.25), "1899-12-29 06:00:00");
    EXPECT_EQ(FormatDateTime("d/m/yy h:nn:ss.zzz 'at' \"x\"", At(2024, 3, 7, 9, 5, 1, 42)),
              "7-3-24 9:05:01.042 at x");

    TFormatSettingsGuard dotted(DottedSettings());
    EXPECT_EQ(DateTimeToStr(At(2024, 3, 7, 9, 5, 1)), "07.03.2024 09.05.01");
}

TEST(DateTimeText, ReadsWhatItWrites)
{
    const struct
    {
        const char* text;
        TDateTime value;
    } cases[] = {
        {"2024-03-07", At(2024, 3, 7)},
        {" 2024-3-7 ", At(2024, 3, 7)},
        {"2024-03-07 09:05:01", At(2024, 3, 7, 9, 5, 1)},
        {"2024-03-07  9:05", At(2024, 3, 7, 9, 5)},
        {"2024-03-07 9:05:30.250", At(2024, 3, 7, 9, 5, 30, 250)},
        {"24-03-07", At(2024, 3, 7)},
        {"99-01-01", At(1999, 1, 1)},
        {"9:05", EncodeTime(9, 5, 0, 0)},
        {"1899-12-29 06:00", -1.25},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(StrToDateTime(c.text), c.value) << c.text;
    for (const char* text : {"", "x", "2024-13-01", "2024-02-30", "2024-03", "2024-03-07 25:00",
                             "2024-03-07 9", "2024-03-07 9:05 x", "9", "2024/03/07"})
        EXPECT_THROW(StrToDateTime(text), EConvertError) << text;
    EXPECT_DOUBLE_EQ(StrToDateTimeDef("bad", 7), 7);

    TFormatSettingsGuard dotted(DottedSettings());
    EXPECT_DOUBLE_EQ(StrToDateTime("07.03.2024 09.05.01"), At(2024, 3, 7, 9, 5, 1));
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(At(1950, 12, 31, 23, 59, 59))),
                     At(1950, 12, 31, 23, 59, 59));
}
