#include "support/file_times.h"

#include <ctime>

namespace {

constexpr int64_t SecondsPerDay = 86400;

// Days from 1899-12-30 to the given civil date (proleptic Gregorian calendar).
int64_t DaysSinceDateTimeEpoch(int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t daysSince1970 = era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
    return daysSince1970 + 25569;
}

} // namespace

TDateTime UnixTimeToLocalDateTime(int64_t seconds, int64_t nanoseconds)
{
    tzset(); // follow a change of TZ while the program runs
    const time_t clock = static_cast<time_t>(seconds);
    tm local{};
    if (localtime_r(&clock, &local) == nullptr)
        return UnknownFileTime;
    const int64_t days = DaysSinceDateTimeEpoch(local.tm_year + 1900LL, local.tm_mon + 1, local.tm_mday);
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    const double dayFraction = (secondOfDay + nanoseconds / 1e9) / SecondsPerDay;
    // Before the epoch day the whole part counts backwards while the fraction still counts forwards.
    return days >= 0 ? days + dayFraction : days - dayFraction;
}
