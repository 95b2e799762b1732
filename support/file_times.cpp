#include "support/file_times.h"

#include "support/date_time.h"

#include <ctime>

namespace {

constexpr int64_t SecondsPerDay = 86400;

} // namespace

TDateTime UnixTimeToLocalDateTime(int64_t seconds, int64_t nanoseconds)
{
    tzset(); // follow a change of TZ while the program runs
    const time_t clock = static_cast<time_t>(seconds);
    tm local{};
    if (localtime_r(&clock, &local) == nullptr)
        return UnknownFileTime;
    const auto days = static_cast<int64_t>(EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    const double dayFraction = (secondOfDay + nanoseconds / 1e9) / SecondsPerDay;
    // Before the epoch day the whole part counts backwards while the fraction still counts forwards.
    return days >= 0 ? days + dayFraction : days - dayFraction;
}
