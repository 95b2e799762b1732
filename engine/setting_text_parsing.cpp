#include "engine/setting_text_parsing.h"

#include "engine/engine_utils.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"

namespace {

int32_t IntOrZero(const std::string& text)
{
    int32_t value = 0;
    TryStringToInt(text, value);
    return value;
}

} // namespace

bool ParseRatio(std::string_view text, double& x, double& y)
{
    const std::string separator = GetDecimalSeparator();
    std::string ratio = ReplaceFirst(Trim(text), ".", separator, false);
    ratio = ReplaceFirst(ratio, ",", separator, false);
    ratio = ReplaceAll(ReplaceAll(ratio, "/", ":", false), "\\", ":", false);
    if (ratio.find(':') == std::string::npos)
        ratio += ":1";
    const size_t colon = ratio.find(':');
    const std::string first = Trim(ratio.substr(0, colon));
    const std::string second = Trim(ratio.substr(colon + 1));
    if (!CanConvertToFloat(first) || !CanConvertToFloat(second))
        return false;
    x = StrToFloatTolerant(first, -1);
    y = StrToFloatTolerant(second, -1);
    return true;
}

bool IsValidRatio(std::string_view text)
{
    double x = 0;
    double y = 0;
    return ParseRatio(text, x, y);
}

double TimeStrToSeconds(std::string_view text)
{
    const std::string separator = GetDecimalSeparator();
    std::string time = ReplaceAll(ReplaceAll(text, ".", separator, false), ",", separator, false);
    time = RemoveAll(time, " ", false);
    const size_t firstColon = time.find(':');
    if (firstColon == std::string::npos)
        return 0;
    const double hours = IntOrZero(time.substr(0, firstColon));
    const size_t secondColon = time.find(':', firstColon + 1);
    if (secondColon == std::string::npos)
        return hours * 3600;
    const double minutes = IntOrZero(time.substr(firstColon + 1, secondColon - firstColon - 1));
    double seconds = 0;
    TryStrToFloat(time.substr(secondColon + 1), seconds);
    return hours * 3600 + minutes * 60 + seconds;
}
