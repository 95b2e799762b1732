#include "support/number_conversion.h"

#include "support/errors.h"
#include "support/format_settings.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Digits of the given base up to `limit`; nothing for an empty text, another character or a larger value.
std::optional<uint64_t> ParseDigits(std::string_view digits, int base, uint64_t limit)
{
    if (digits.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= base || value > (limit - digit) / base) {
            return std::nullopt;
        }
        value = value * base + digit;
    }
    return value;
}

std::optional<int32_t> ParseStandardInt(std::string_view text)
{
    const size_t firstNonBlank = text.find_first_not_of(' ');
    text.remove_prefix(firstNonBlank == std::string_view::npos ? text.size() : firstNonBlank);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    if (text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(text.starts_with('$') ? 1 : 2);
        const std::optional<uint64_t> bits = ParseDigits(text, 16, std::numeric_limits<uint32_t>::max());
        if (!bits) {
            return std::nullopt;
        }
        const uint32_t pattern = static_cast<uint32_t>(*bits);
        return static_cast<int32_t>(negative ? 0u - pattern : pattern);
    }
    const uint64_t magnitudeLimit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    const std::optional<uint64_t> magnitude = ParseDigits(text, 10, magnitudeLimit);
    if (!magnitude) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(*magnitude) : *magnitude);
}

size_t SkipDigits(std::string_view text, size_t pos)
{
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
    }
    return pos;
}

// The text in the form std::from_chars reads ("." as decimal point), or nothing when it is no number.
std::optional<std::string> NormalizeFloatText(std::string_view text, std::string_view decimalSeparator)
{
    std::string normalized;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        normalized += text[pos] == '-' ? "-" : "";
        ++pos;
    }
    size_t end = SkipDigits(text, pos);
    bool hasDigits = end > pos;
    normalized.append(text.substr(pos, end - pos));
    pos = end;
    if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
        pos += decimalSeparator.size();
        end = SkipDigits(text, pos);
        hasDigits = hasDigits || end > pos;
        normalized.append(".").append(text.substr(pos, end - pos));
        pos = end;
    }
    if (!hasDigits) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        normalized += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            normalized += text[pos++];
        }
        end = SkipDigits(text, pos);
        if (end == pos) {
            return std::nullopt;
        }
        normalized.append(text.substr(pos, end - pos));
        pos = end;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return normalized;
}

// The text with blanks removed (when asked) and a leading "+" dropped, or nothing when a "-" stands
// anywhere but in front or more than once.
std::optional<std::string> PrepareSignedText(std::string_view text, bool ignoreBlanks)
{
    std::string prepared = ignoreBlanks ? RemoveAll(text, " ", false) : std::string(text);
    const size_t minusCount = std::count(prepared.begin(), prepared.end(), '-');
    if (minusCount > 1 || (minusCount == 1 && !prepared.starts_with('-'))) {
        return std::nullopt;
    }
    if (prepared.starts_with('+')) {
        prepared.erase(0, 1);
    }
    return prepared;
}

// Stores a successfully parsed value that fits in a byte.
bool StoreIfByte(bool parsed, int64_t candidate, uint8_t& value)
{
    if (!parsed || candidate < 0 || candidate > 255) {
        return false;
    }
    value = static_cast<uint8_t>(candidate);
    return true;
}

bool ConsistsOf(std::string_view text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

} // namespace

std::string IntToString(int32_t value)
{
    return std::to_string(value);
}

std::string Int64ToString(int64_t value)
{
    return std::to_string(value);
}

int32_t StringToInt(std::string_view text)
{
    const std::optional<int32_t> value = ParseStandardInt(text);
    if (!value) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return *value;
}

bool TryStringToInt(std::string_view text, int32_t& value)
{
    const std::optional<int32_t> parsed = ParseStandardInt(text);
    if (parsed) {
        value = *parsed;
    }
    return parsed.has_value();
}

bool CanConvertToInt(std::string_view text)
{
    try {
        StringToInt(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

bool TryStrToFloat(std::string_view text, double& value)
{
    const std::optional<std::string> normalized =
        NormalizeFloatText(Trim(text), GlobalFormatSettings().DecimalSeparator);
    if (!normalized) {
        return false;
    }
    double parsed = 0;
    const char* end = normalized->data() + normalized->size();
    const auto [ptr, error] = std::from_chars(normalized->data(), end, parsed);
    if (error != std::errc() || ptr != end) {
        return false;
    }
    value = parsed;
    return true;
}

bool CanConvertToFloat(std::string_view text)
{
    double ignored = 0;
    return TryStrToFloat(text, ignored);
}

double StrToFloatTolerant(std::string_view text, double defaultValue)
{
    const std::string separator = GetDecimalSeparatorChar();
    double value = defaultValue;
    TryStrToFloat(ReplaceAll(ReplaceAll(text, ",", separator, false), ".", separator, false), value);
    return value;
}

std::string FloatToFixedStr(double value, int decimals)
{
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                            std::clamp(decimals, 0, 30));
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::string FloatToStrTrimmed(double value, int decimals, std::string_view separatorReplacement)
{
    const bool whole = value == std::trunc(value);
    std::string text = FloatToFixedStr(value, whole ? 0 : decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        text = RemoveTrailingChar(text, U'.');
    }
    if (text == "-0") {
        text = "0";
    }
    const std::string separator =
        separatorReplacement.empty() ? GetDecimalSeparatorChar() : std::string(separatorReplacement);
    return ReplaceFirst(text, ".", separator, false);
}

bool TryHexToInt64(std::string_view text, int64_t& value)
{
    if (text.starts_with('$')) {
        text.remove_prefix(1);
    }
    const std::optional<uint64_t> bits = ParseDigits(text, 16, std::numeric_limits<uint64_t>::max());
    if (bits) {
        value = static_cast<int64_t>(*bits);
    }
    return bits.has_value();
}

bool TryHexToByte(std::string_view text, uint8_t& value)
{
    int64_t parsed = 0;
    const bool ok = TryHexToInt64(text, parsed);
    return StoreIfByte(ok, parsed, value);
}

bool TryStrToByte(std::string_view text, uint8_t& value)
{
    int32_t parsed = 0;
    const bool ok = TryStringToInt(text, parsed);
    return StoreIfByte(ok, parsed, value);
}

int32_t ClampInt(int32_t value, int32_t min, int32_t max)
{
    if (value < min) {
        return min;
    }
    return value > max ? max : value;
}

bool IsValidIntStr(std::string_view text, bool ignoreBlanks)
{
    const std::optional<std::string> prepared = PrepareSignedText(text, ignoreBlanks);
    return prepared && ConsistsOf(*prepared, "0123456789-");
}

bool IsValidFloatStr(std::string_view text, bool ignoreBlanks)
{
    const std::optional<std::string> prepared = PrepareSignedText(text, ignoreBlanks);
    if (!prepared) {
        return false;
    }
    const std::string upper = AsciiUpperCase(*prepared);
    const auto count = [&](char c) { return std::count(upper.begin(), upper.end(), c); };
    if (count('E') > 1 || count('.') > 1 || count(',') > 1 || (count('.') == 1 && count(',') == 1)) {
        return false;
    }
    return ConsistsOf(upper, "0123456789-E.,");
}
