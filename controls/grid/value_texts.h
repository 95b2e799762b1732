#pragma once

#include "support/basic_types.h"

#include <string>
#include <string_view>

// The texts of Boolean and date-time values that the cell editors read and write, in the program-wide
// format settings. Reading raises EConvertError for a text that holds no such value.
// layer: the Boolean and date-time texts of platform/system (being added for the grid's cells); until then
// these cover the editors' needs: dates as year, month, day and times as hours, minutes, seconds.

// "True" and "False" (either case), or a number: 0 is false, any other number true.
bool StrToBool(std::string_view text);
std::string BoolToStr(bool value);
// The date, then the time after a blank unless it is midnight.
std::string DateTimeToStr(TDateTime value);
TDateTime StrToDateTime(std::string_view text);
