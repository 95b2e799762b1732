#pragma once

#include "support/basic_types.h"

#include <string>
#include <string_view>

// Date-time values as text in the formats of the global format settings (support/format_settings.h).

// The value through a format pattern: runs of y, m, d, h, n, s and z stand for year, month, day, hour,
// minute, second and millisecond ("yy" the year's last two digits; a doubled letter pads to two digits,
// "zzz" to three); "/" and ":" are the date and time separators of the settings; text in quotes and every
// other character is copied.
std::string FormatDateTime(std::string_view pattern, TDateTime value);

// The date in the short date format, followed by a blank and the time in the long time format unless the
// value is at midnight.
std::string DateTimeToStr(TDateTime value);

// A date of three numbers in the order of the short date format, separated by the date separator (or the
// one the format writes), optionally followed by blanks and a time; or a time alone (then the date is
// 1899-12-30). A time is hours and minutes, optionally seconds and milliseconds ("9:05", "09:05:30.250"),
// separated by the time separator. A year of one or two digits is in 1950..2049. Blanks around are
// allowed. False leaves the value unchanged.
bool TryStrToDateTime(std::string_view text, TDateTime& value);

// TryStrToDateTime that raises EConvertError.
TDateTime StrToDateTime(std::string_view text);

// TryStrToDateTime with a fallback.
TDateTime StrToDateTimeDef(std::string_view text, TDateTime defaultValue);
