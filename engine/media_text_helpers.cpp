#include "engine/media_text_helpers.h"

#include "engine/engine_utils.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"

#include <charconv>

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
    const std::string separator = GetDecimalSeparator();
    return ReplaceAll(ReplaceAll(text, ".", separator, false), ",", separator, false);
}

std::string NormaliseFirstSeparators(std::string_view text)
{
    const std::string separator = GetDecimalSeparator();
    return ReplaceFirst(ReplaceFirst(text, ".", separator, false), ",", separator, false);
}

} // namespace media_text
