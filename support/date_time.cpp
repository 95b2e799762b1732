#include "support/date_time.h"

#include "support/errors.h"
#include "support/math_routines.h"
#include "support/text_routines.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int64_t MillisecondsPerDay = 86'400'000;

// The day number of 30 December 1899 counted from 1 January 1970.
constexpr int64_t DateTimeEpochInUnixDays = -25'569;

std::string TwoDigits(int64_t value)
{
    return PadLeft(std::to_string(value), 2, U'0');
}

std::string ThreeDigits(int64_t value)
{
    return PadLeft(std::to_string(value), 3, U'0');
}

} // namespace

TDateTime EncodeDate(int year, int month, int day)
{
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{year}, std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (year < 1 || year > 9999 || month < 1 || day < 1 || !date.ok()) {
        throw EConvertError("Invalid date: " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                            std::to_string(day));
    }
    return static_cast<double>(sys_days(date).time_since_epoch().count() - DateTimeEpochInUnixDays);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999) {
        throw EConvertError("Invalid time: " + std::to_string(hour) + ":" + std::to_string(minute) + ":" +
                            std::to_string(second) + "." + std::to_string(millisecond));
    }
    const int64_t milliseconds = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(milliseconds) / MillisecondsPerDay;
}

TDateTimeParts DecodeDateTime(TDateTime value)
{
    using namespace std::chrono;
    // Round the whole value first so that 23:59:59.9996 carries into the next day.
    const int64_t total = RoundHalfEven(value * MillisecondsPerDay);
    // Days outside the years 1 to 9999 are no dates; keep the calendar arithmetic within them.
    const int64_t dayNumber = std::clamp<int64_t>(total / MillisecondsPerDay, -693'593, 2'958'465);
    const int64_t timeOfDay = std::abs(total % MillisecondsPerDay);
    const year_month_day date{sys_days(days(dayNumber + DateTimeEpochInUnixDays))};
    TDateTimeParts parts;
    parts.Year = static_cast<int>(date.year());
    parts.Month = static_cast<int>(static_cast<unsigned>(date.month()));
    parts.Day = static_cast<int>(static_cast<unsigned>(date.day()));
    parts.Hour = static_cast<int>(timeOfDay / 3'600'000);
    parts.Minute = static_cast<int>(timeOfDay / 60'000 % 60);
    parts.Second = static_cast<int>(timeOfDay / 1000 % 60);
    parts.Millisecond = static_cast<int>(timeOfDay % 1000);
    return parts;
}

TDateTime Now()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                      static_cast<int>(now.tv_nsec / 1'000'000));
}

std::string MsToTimeStr(int64_t milliseconds, bool withoutMilliseconds)
{
    const int64_t value = milliseconds > 0 ? milliseconds : 0;
    const int64_t seconds = value / 1000 + (withoutMilliseconds && value % 1000 >= 500 ? 1 : 0);
    const std::string text =
        TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60);
    return withoutMilliseconds ? text : text + "." + ThreeDigits(value % 1000);
}

std::string DateTimeToCompactStr(TDateTime value, std::string_view dateSeparator,
                                 std::string_view timeSeparator, std::string_view dateTimeSeparator,
                                 std::string_view millisecondSeparator, bool withMilliseconds)
{
    const TDateTimeParts parts = DecodeDateTime(value);
    std::string text = std::to_string(parts.Year);
    text.append(dateSeparator).append(TwoDigits(parts.Month));
    text.append(dateSeparator).append(TwoDigits(parts.Day));
    text.append(dateTimeSeparator).append(TwoDigits(parts.Hour));
    text.append(timeSeparator).append(TwoDigits(parts.Minute));
    text.append(timeSeparator).append(TwoDigits(parts.Second));
    if (withMilliseconds) {
        text.append(millisecondSeparator).append(ThreeDigits(parts.Millisecond));
    }
    return text;
}
