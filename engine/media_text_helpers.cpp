#include "engine/media_text_helpers.h"

#include "support/number_conversion.h"
#include "support/text_routines.h"

#include <charconv>
#include <cstdio>

namespace media_text {

std::optional<int32_t> IntText(std::string_view text)
{
    int32_t value = 0;
    return TryStringToInt(text, value) ? std::optional(value) : std::nullopt;
}

std::optional<int64_t> Int64Text(std::string_view text)
{
    const std::string plain = Trim(text);
    const char* first = plain.data() + (plain.starts_with('+') ? 1 : 0);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (plain.empty() || error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> FloatText(std::string_view text)
{
    double value = 0;
    return TryStrToFloat(text, value) ? std::optional(value) : std::nullopt;
}

std::string NormaliseSeparators(std::string_view text)
{
    const std::string separator = GetDecimalSeparatorChar();
    return ReplaceAll(ReplaceAll(text, ".", separator, false), ",", separator, false);
}

std::string NormaliseFirstSeparators(std::string_view text)
{
    const std::string separator = GetDecimalSeparatorChar();
    return ReplaceFirst(ReplaceFirst(text, ".", separator, false), ",", separator, false);
}

double TimeStrToSeconds(std::string_view text)
{
    const std::string plain = RemoveAll(NormaliseSeparators(text), " ", false);
    const size_t first = plain.find(':');
    if (first == std::string::npos) {
        return 0;
    }
    const double hours = IntText(plain.substr(0, first)).value_or(0);
    const size_t second = plain.find(':', first + 1);
    if (second == std::string::npos) {
        return hours * 3600;
    }
    const double minutes = IntText(plain.substr(first + 1, second - first - 1)).value_or(0);
    const double seconds = FloatText(plain.substr(second + 1)).value_or(0);
    return hours * 3600 + minutes * 60 + seconds;
}

std::string MsToTimeStrWithMs(int64_t ms)
{
    if (ms <= 0) {
        return "00:00:00.000";
    }
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld.%03lld", static_cast<long long>(ms / 3600000),
                  static_cast<long long>(ms / 60000 % 60), static_cast<long long>(ms / 1000 % 60),
                  static_cast<long long>(ms % 1000));
    return text;
}

} // namespace media_text
