#include "engine/media_text_helpers.h"

#include "support/format_settings.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace media_text {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

const std::string& DecimalSeparator()
{
    return GlobalFormatSettings().DecimalSeparator;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
    return text;
}

std::string ReplaceFirst(std::string text, std::string_view from, std::string_view to)
{
    const size_t pos = text.find(from);
    if (pos != std::string::npos) {
        text.replace(pos, from.size(), to);
    }
    return text;
}

std::optional<int64_t> ToIntInRange(std::string_view text, int64_t low, int64_t high)
{
    // Leading blanks are skipped as the platform conversion does; trailing ones are not.
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("$")) {
        text.remove_prefix(1), base = 16;
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2), base = 16;
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
        return std::nullopt;
    }
    const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool IsPlainDecimal(std::string_view text)
{
    size_t i = 0;
    const auto digits = [&] {
        const size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

} // namespace

std::string Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::optional<int32_t> ToInt(std::string_view text)
{
    const auto value =
        ToIntInRange(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int32_t>(*value);
}

std::optional<int64_t> ToInt64(std::string_view text)
{
    return ToIntInRange(text, std::numeric_limits<int64_t>::min() + 1, std::numeric_limits<int64_t>::max());
}

std::optional<double> ToFloat(std::string_view text)
{
    std::string plain = Trim(text);
    const std::string& separator = DecimalSeparator();
    if (separator != ".") {
        if (plain.find('.') != std::string::npos) {
            return std::nullopt;
        }
        plain = ReplaceAll(plain, separator, ".");
    }
    if (!IsPlainDecimal(plain)) {
        return std::nullopt;
    }
    const char* first = plain.data() + (plain.front() == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

double StrToFloatTolerant(std::string_view text, double fallback)
{
    return ToFloat(NormaliseSeparators(text)).value_or(fallback);
}

std::string NormaliseSeparators(std::string_view text)
{
    const std::string& separator = DecimalSeparator();
    return ReplaceAll(ReplaceAll(std::string(text), ".", separator), ",", separator);
}

std::string NormaliseFirstSeparators(std::string_view text)
{
    const std::string& separator = DecimalSeparator();
    return ReplaceFirst(ReplaceFirst(std::string(text), ".", separator), ",", separator);
}

int64_t RoundHalfEven(double value)
{
    return static_cast<int64_t>(std::nearbyint(value));
}

double TimeStrToSeconds(std::string_view text)
{
    std::string plain = NormaliseSeparators(text);
    std::erase(plain, ' ');
    const size_t first = plain.find(':');
    if (first == std::string::npos) {
        return 0;
    }
    const double hours = ToInt(plain.substr(0, first)).value_or(0);
    const size_t second = plain.find(':', first + 1);
    if (second == std::string::npos) {
        return hours * 3600;
    }
    const double minutes = ToInt(plain.substr(first + 1, second - first - 1)).value_or(0);
    const double seconds = ToFloat(plain.substr(second + 1)).value_or(0);
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

std::string FileSizeToStr(int64_t size, std::string_view suffix)
{
    const double x = std::fabs(static_cast<double>(size));
    char text[64];
    if (x < 1024) {
        std::snprintf(text, sizeof text, "%2.0f", x);
        return (size < 0 ? "-" : "") + std::string(text) + std::string(suffix);
    }
    struct Unit
    {
        double Scale;
        const char* Name;
    };
    constexpr Unit units[] = {{1024.0, "KB"}, {1048576.0, "MB"}, {1073741824.0, "GB"}};
    const Unit& unit = x < 1048576.0 ? units[0] : x < 1073741824.0 ? units[1] : units[2];
    std::snprintf(text, sizeof text, "%s%.2f %s", size < 0 ? "-" : "", x / unit.Scale, unit.Name);
    return text;
}

int64_t GetFileSizeSafe(const std::string& fileName)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    return error ? 0 : static_cast<int64_t>(size);
}

} // namespace media_text
