#pragma once

#include "support/basic_types.h"

#include <cstdint>

// The date-time a file time holds when it could not be read.
constexpr TDateTime UnknownFileTime = -127552.0;

// A POSIX time (seconds and nanoseconds since 1970-01-01 UTC) as a local-time date-time.
TDateTime UnixTimeToLocalDateTime(int64_t seconds, int64_t nanoseconds = 0);
