#include "support/date_time.h"
#include "support/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

TEST(MsToTimeStr, RoundsToSecondsOrShowsMilliseconds)
{
    const struct
    {
        int64_t milliseconds;
        const char* withoutMs;
        const char* withMs;
    } cases[] = {
        {0, "00:00:00", "00:00:00.000"},         {-5, "00:00:00", "00:00:00.000"},
        {499, "00:00:00", "00:00:00.499"},       {59'499, "00:00:59", "00:00:59.499"},
        {59'500, "00:01:00", "00:00:59.500"},    {3'599'500, "01:00:00", "00:59:59.500"},
        {3'723'004, "01:02:03", "01:02:03.004"}, {360'000'000, "100:00:00", "100:00:00.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MsToTimeStr(c.milliseconds, true), c.withoutMs) << c.milliseconds;
        EXPECT_EQ(MsToTimeStr(c.milliseconds, false), c.withMs) << c.milliseconds;
    }
}

TEST(DateTime, EncodeAndDecodeAgree)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585.0);
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);

    const TDateTime value = EncodeDate(2024, 3, 7) + EncodeTime(9, 5, 1, 42);
    EXPECT_EQ(DecodeDateTime(value), (TDateTimeParts{2024, 3, 7, 9, 5, 1, 42}));
    // The last half millisecond of a day belongs to the next one.
    EXPECT_EQ(DecodeDateTime(EncodeDate(2023, 12, 31) + 0.9999999999),
              (TDateTimeParts{2024, 1, 1, 0, 0, 0, 0}));
    // Before the epoch the time of day still counts forward from midnight.
    EXPECT_EQ(DecodeDateTime(-1.25), (TDateTimeParts{1899, 12, 29, 6, 0, 0, 0}));
    EXPECT_EQ(DecodeDateTime(NAN), TDateTimeParts{});

    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 13, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(DateTime, NowIsTheLocalClock)
{
    // A zone far from UTC with an odd offset, so that UTC or a whole-hour slip shows.
    const char* savedZone = getenv("TZ");
    const std::string saved = savedZone ? savedZone : "";
    setenv("TZ", "QMT-05:45", 1);
    tzset();
    const time_t seconds = time(nullptr);
    tm local{};
    localtime_r(&seconds, &local);
    const TDateTimeParts now = DecodeDateTime(Now());
    savedZone ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
    // Compare to the minute, in case the clock turns between the two readings.
    const TDateTime expected = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
                               EncodeTime(local.tm_hour, local.tm_min, 0, 0);
    const TDateTime actual =
        EncodeDate(now.Year, now.Month, now.Day) + EncodeTime(now.Hour, now.Minute, 0, 0);
    EXPECT_NEAR(actual, expected, 1.5 / 1440);
}

TEST(DateTimeToCompactStr, PadsEveryPartButTheYear)
{
    const TDateTime value = EncodeDate(2024, 3, 7) + EncodeTime(9, 5, 1, 42);
    EXPECT_EQ(DateTimeToCompactStr(value, "-", "_", "@", ".", true), "2024-03-07@09_05_01.042");
    EXPECT_EQ(DateTimeToCompactStr(value, "", "", " ", ".", false), "20240307 090501");
    EXPECT_EQ(DateTimeToCompactStr(EncodeDate(987, 1, 2), "/", ":", " ", ".", false), "987/01/02 00:00:00");
}
