#include "engine/setting_text_parsing.h"

#include "engine/engine_utils.h"
#include "engine/media_info_records.h"
#include "support/math_routines.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"
#include "support/utf8.h"

namespace {

int32_t IntOrZero(const std::string& text)
{
    int32_t value = 0;
    TryStringToInt(text, value);
    return value;
}

int32_t RoundedUpToEven(int32_t value)
{
    return value % 2 != 0 ? value + 1 : value;
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

void ParseResolutionText(std::string_view text, const TVideoFileInfo& info, int32_t& width, int32_t& height)
{
    width = 2;
    height = 2;
    std::string resolution = AsciiLowerCase(RemoveAll(text, " ", false));
    if (const size_t dash = resolution.find('-'); dash != std::string::npos)
        resolution = Trim(resolution.substr(0, dash));
    if (const size_t x = resolution.find('x'); x != std::string::npos) {
        TryStringToInt(resolution.substr(0, x), width);
        TryStringToInt(resolution.substr(x + 1), height);
    }
    int32_t percent = 0;
    if (const size_t sign = resolution.find('%');
        sign != std::string::npos && TryStringToInt(resolution.substr(0, sign), percent)) {
        const TVideoStreamInfo& video = info.VideoStreams[0];
        width = RoundedUpToEven(PercentOfValue(video.Width, percent));
        height = RoundedUpToEven(PercentOfValue(video.Height, percent));
    }
    width = RoundToMultiple(width, 8);
    height = RoundToMultiple(height, 8);
}
