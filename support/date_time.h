#pragma once

#include "support/basic_types.h"

#include <cstdint>
#include <string>
#include <string_view>

// Date-time values (TDateTime: days since 30 December 1899, the fraction the time of day) and the
// duration and date texts the program writes.

struct TDateTimeParts
{
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
    friend bool operator==(const TDateTimeParts&, const TDateTimeParts&) = default;
};

// The date at midnight; raises EConvertError outside 1..9999 or for a day the month does not have.
TDateTime EncodeDate(int year, int month, int day);

// The time of day as a fraction; raises EConvertError for values outside their ranges.
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);

// The parts of the value, rounded to the nearest millisecond. Before 1899-12-30 the fraction still counts
// forward from midnight (-1.25 is 1899-12-29 06:00).
TDateTimeParts DecodeDateTime(TDateTime value);

// The current local date and time.
TDateTime Now();

// "hh:mm:ss.zzz", or "hh:mm:ss" rounded to the nearest second with withoutMilliseconds; hours have as many
// digits as they need. Zero and negative durations give zeros.
std::string MsToTimeStr(int64_t milliseconds, bool withoutMilliseconds);

// Year, month, day, hour, minute, second (and milliseconds) joined by the given separators, every part
// but the year padded with zeros: "2024-03-07@09_05_01.042".
std::string DateTimeToCompactStr(TDateTime value, std::string_view dateSeparator,
                                 std::string_view timeSeparator, std::string_view dateTimeSeparator,
                                 std::string_view millisecondSeparator, bool withMilliseconds);
