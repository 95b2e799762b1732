#include "controls/grid/value_texts.h"

#include "controls/grid/number_text.h"
#include "support/date_time.h"
#include "support/errors.h"
#include "support/format_settings.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

[[noreturn]] void NotA(const char* kind, std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid " + kind);
}

std::string TwoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// The numbers between separators, all of them plain decimal digits.
std::vector<int> Parts(std::string_view text, const std::string& separator, const char* kind)
{
    std::vector<int> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end == std::string_view::npos ? end : end - start);
        int32_t value = 0;
        if (part.empty() || part.find_first_not_of("0123456789") != std::string_view::npos ||
            !TryStringToInt(part, value))
            NotA(kind, text);
        parts.push_back(value);
        if (end == std::string_view::npos)
            return parts;
        start = end + separator.size();
    }
}

} // namespace

bool StrToBool(std::string_view text)
{
    if (SameTextIgnoreCase(text, "True"))
        return true;
    if (SameTextIgnoreCase(text, "False"))
        return false;
    if (const std::optional<double> number = ParseNumber(text))
        return *number != 0;
    NotA("Boolean value", text);
}

std::string BoolToStr(bool value)
{
    return value ? "True" : "False";
}

std::string DateTimeToStr(TDateTime value)
{
    const TFormatSettings& settings = GlobalFormatSettings();
    const TDateTimeParts p = DecodeDateTime(value);
    std::string text = std::to_string(p.Year) + settings.DateSeparator + TwoDigits(p.Month) +
                       settings.DateSeparator + TwoDigits(p.Day);
    if (p.Hour != 0 || p.Minute != 0 || p.Second != 0)
        text += " " + TwoDigits(p.Hour) + settings.TimeSeparator + TwoDigits(p.Minute) +
                settings.TimeSeparator + TwoDigits(p.Second);
    return text;
}

TDateTime StrToDateTime(std::string_view text)
{
    const TFormatSettings& settings = GlobalFormatSettings();
    const size_t blank = text.find(' ');
    const std::vector<int> date = Parts(text.substr(0, blank), settings.DateSeparator, "date and time");
    if (date.size() != 3)
        NotA("date and time", text);
    TDateTime value = EncodeDate(date[0], date[1], date[2]);
    if (blank == std::string_view::npos)
        return value;
    const std::vector<int> time = Parts(text.substr(blank + 1), settings.TimeSeparator, "date and time");
    if (time.size() < 2 || time.size() > 3)
        NotA("date and time", text);
    const TDateTime dayTime = EncodeTime(time[0], time[1], time.size() == 3 ? time[2] : 0, 0);
    return value < 0 ? value - dayTime : value + dayTime;
}
