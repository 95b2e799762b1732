#include "controls/edits/typed_number_text.h"

#include "platform/system/float_text.h"
#include "support/format_settings.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A separator of the format settings as one code point (0 for none).
char32_t SeparatorChar(const std::string& separator)
{
    const std::u32string chars = Utf8ToUtf32(separator);
    return chars.empty() ? 0 : chars.front();
}

int HexDigitValue(char32_t c)
{
    if (IsDigit(c))
        return static_cast<int>(c - U'0');
    if (c >= U'A' && c <= U'F')
        return static_cast<int>(c - U'A') + 10;
    if (c >= U'a' && c <= U'f')
        return static_cast<int>(c - U'a') + 10;
    return -1;
}

// Digits read from text at pos in base (10 or 16) into value, stopping at the first other character and
// holding the value at limit when it would pass it; the number of digits read.
int ReadDigits(std::u32string_view text, size_t& pos, int base, int64_t limit, int64_t& value)
{
    int count = 0;
    for (; pos < text.size(); ++pos, ++count) {
        const int digit =
            base == 16 ? HexDigitValue(text[pos]) : (IsDigit(text[pos]) ? text[pos] - U'0' : -1);
        if (digit < 0)
            break;
        value = std::min(limit, value * base + digit);
    }
    return count;
}

struct TWholeNumber
{
    int32_t Value = 0;
    int Digits = 0;
    bool Overflow = false;
    size_t End = 0; // where reading stopped
};

// The whole number at the text's start (see LeadingWholeNumber).
TWholeNumber ReadWholeNumber(std::u32string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && text[pos] == U' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == U'+' || text[pos] == U'-'))
        negative = text[pos++] == U'-';
    int base = 10;
    if (pos < text.size() && (text[pos] == U'$' || text[pos] == U'x' || text[pos] == U'X')) {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == U'0' &&
               (text[pos + 1] == U'x' || text[pos + 1] == U'X')) {
        base = 16;
        pos += 2;
    }
    const int64_t limit =
        base == 16 ? int64_t{0xFFFFFFFF} : (negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1);
    int64_t magnitude = 0;
    TWholeNumber number;
    number.Digits = ReadDigits(text, pos, base, limit + 1, magnitude);
    number.Overflow = magnitude > limit;
    magnitude = std::min(magnitude, limit);
    // Hexadecimal digits give the 32-bit pattern.
    const int64_t value = base == 16 ? static_cast<int32_t>(static_cast<uint32_t>(magnitude)) : magnitude;
    number.Value = static_cast<int32_t>(negative ? -value : value);
    number.End = pos;
    return number;
}

bool IsWordSeparator(char32_t c)
{
    return std::u32string_view(U" \"'$)*,-./:\\").find(c) != std::u32string_view::npos;
}

// Whether a word starts after position i (1-based) of the mixed-case text being made.
bool StartsWordAfter(const std::u32string& text, size_t i)
{
    if ((i == 2 && text.starts_with(U"Mc")) || (i == 3 && text.starts_with(U"Mac")))
        return true;
    if (const size_t found = text.find(U" Mc"); found != std::u32string::npos && found + 3 == i && i > 2)
        return true;
    if (i + 3 > text.size()) {
        const std::u32string_view done = std::u32string_view(text).substr(0, i);
        return done.ends_with(U" I") || done.ends_with(U" II");
    }
    return false;
}

std::string GroupDigits(const std::string& digits)
{
    const std::string& separator = GlobalFormatSettings().ThousandSeparator;
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

char32_t DecimalSeparatorChar()
{
    return SeparatorChar(GlobalFormatSettings().DecimalSeparator);
}

char32_t ThousandSeparatorChar()
{
    return SeparatorChar(GlobalFormatSettings().ThousandSeparator);
}

TNumberClass ClassifyNumber(std::string_view text)
{
    const std::u32string chars = Utf8ToUtf32(text);
    if (chars.empty())
        return TNumberClass::Other;
    const char32_t decimal = DecimalSeparatorChar();
    const char32_t thousand = ThousandSeparatorChar();
    bool integer = true;
    bool isFloat = true;
    bool hex = true;
    int previousSeparator = -1; // 1-based place of the last thousand separator; the place before the text
    int minuses = 0;
    int decimals = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        const bool digitOrMinus = IsDigit(c) || c == U'-';
        minuses += c == U'-';
        decimals += c == decimal;
        integer = integer && digitOrMinus;
        hex = hex && (digitOrMinus || HexDigitValue(c) >= 0);
        if (c == thousand) {
            const int place = static_cast<int>(i) + 1;
            isFloat = isFloat && place - previousSeparator >= 3;
            previousSeparator = place;
        } else {
            isFloat = isFloat && (digitOrMinus || c == decimal);
        }
    }
    if (minuses > 1 || decimals > 1)
        return TNumberClass::Other;
    return integer   ? TNumberClass::Integer
           : isFloat ? TNumberClass::Float
           : hex     ? TNumberClass::Hexadecimal
                     : TNumberClass::Other;
}

std::string RemoveThousandSeparators(std::string_view text)
{
    const std::string& separator = GlobalFormatSettings().ThousandSeparator;
    std::string result(text);
    if (separator.empty())
        return result;
    for (size_t pos = result.find(separator); pos != std::string::npos; pos = result.find(separator, pos))
        result.erase(pos, separator.size());
    return result;
}

double TextToFloat(std::string_view text)
{
    double value = 0;
    if (!TryStrToFloat(RemoveThousandSeparators(text), value) || !std::isfinite(value))
        return 0;
    return value;
}

int32_t HexToInt(std::string_view text)
{
    const std::u32string chars = Utf8ToUtf32(text);
    uint32_t value = 0;
    uint32_t weight = 1;
    for (size_t k = 0; k < chars.size(); ++k) {
        const int digit = HexDigitValue(chars[chars.size() - 1 - k]);
        value += static_cast<uint32_t>(std::max(digit, 0)) * weight;
        weight *= 16;
    }
    return static_cast<int32_t>(value);
}

int32_t LeadingWholeNumber(std::string_view text)
{
    return ReadWholeNumber(Utf8ToUtf32(text)).Value;
}

int32_t StrictWholeNumber(std::string_view text)
{
    int32_t value = 0;
    return TryStringToInt(text, value) ? value : 0;
}

std::string FormatGeneral(double value)
{
    return FloatToStrF(value, ffGeneral, 15, 0);
}

std::string FormatFixed(double value, int decimals)
{
    return FloatToStrF(value, ffFixed, 15, std::clamp(decimals, 0, 18));
}

std::string FormatGrouped(double value, int decimals)
{
    const std::string fixed = FormatFixed(value, decimals);
    // A value too large for fixed digits is shown scientific, and then not grouped.
    if (fixed.find_first_of("EN") != std::string::npos)
        return fixed;
    const bool negative = fixed.starts_with('-');
    const std::string body = negative ? fixed.substr(1) : fixed;
    const size_t end = body.find_first_not_of("0123456789");
    const std::string digits = body.substr(0, end);
    return (negative ? "-" : "") + GroupDigits(digits) + (end == std::string::npos ? "" : body.substr(end));
}

std::string IntegerPartText(double value, bool grouped)
{
    const double whole = std::trunc(std::fabs(value));
    std::string digits = FormatFixed(whole, 0);
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return digits; // too large for whole digits
    return grouped ? GroupDigits(digits) : digits;
}

std::string HexText(int64_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    uint64_t rest = value < 0 ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[rest % 16]);
        rest /= 16;
    } while (rest > 0);
    return text;
}

std::string MixedCase(std::string_view text)
{
    std::u32string chars = Utf8ToUtf32(text);
    bool capitalNext = true;
    for (size_t i = 0; i < chars.size(); ++i) {
        if (IsWordSeparator(chars[i])) {
            capitalNext = true;
        } else {
            chars[i] = capitalNext ? UnicodeUpper(chars[i]) : UnicodeLower(chars[i]);
            capitalNext = false;
        }
        if (StartsWordAfter(chars, i + 1))
            capitalNext = true;
    }
    return Utf32ToUtf8(chars);
}
