#include "support/math_routines.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int32_t ClampToInt32(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

int64_t RoundHalfEven(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    double rounded = std::round(value); // ties away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        rounded = 2.0 * std::round(value / 2.0);
    }
    // 2^63 is the first double beyond the range; everything below it converts exactly.
    constexpr double limit = 9223372036854775808.0;
    if (rounded >= limit) {
        return std::numeric_limits<int64_t>::max();
    }
    if (rounded < -limit) {
        return std::numeric_limits<int64_t>::min();
    }
    return static_cast<int64_t>(rounded);
}

bool IsInRange(int32_t value, int32_t min, int32_t max)
{
    return min <= value && value <= max;
}

int32_t PercentOfValue(int32_t value, double percent)
{
    return ClampToInt32(RoundHalfEven(value * percent / 100.0));
}

double PercentOf(double part, double total)
{
    return total == 0 ? 0 : part * 100.0 / total;
}

int32_t RoundToMultiple(int32_t value, int32_t step)
{
    if (step == 0) {
        return 0;
    }
    if (static_cast<int64_t>(value) % step == 0) { // 64-bit: INT32_MIN % -1 would overflow
        return value;
    }
    int64_t multiple = step * RoundHalfEven(static_cast<double>(value) / step);
    // Near the ends of the range the nearest multiple may lie outside it; take the one inside.
    const int64_t stepSize = std::abs(static_cast<int64_t>(step));
    if (multiple > std::numeric_limits<int32_t>::max()) {
        multiple -= stepSize;
    } else if (multiple < std::numeric_limits<int32_t>::min()) {
        multiple += stepSize;
    }
    return static_cast<int32_t>(multiple);
}

double DegreesToRadians(double degrees)
{
    return degrees * 0.017453292519943295;
}
