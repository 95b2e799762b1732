#include "controls/grid/number_text.h"

#include "support/format_settings.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

char32_t DecimalSeparator()
{
    const std::u32string separator = Utf8ToUtf32(GlobalFormatSettings().DecimalSeparator);
    return separator.empty() ? U'.' : separator[0];
}

// "." stands for the decimal separator of the format settings.
std::string WithDecimalSeparator(std::string text)
{
    const size_t dot = text.find('.');
    return dot == std::string::npos ? text : text.replace(dot, 1, GlobalFormatSettings().DecimalSeparator);
}

bool IsSign(char32_t ch)
{
    return ch == U'+' || ch == U'-';
}

bool IsDigit(char32_t ch)
{
    return ch >= U'0' && ch <= U'9';
}

// The significant digits (trailing zeros removed) and the exponent of value = d.ddd * 10^exponent, rounded
// to 15 digits.
void SignificantDigits(double value, std::string& digits, int& exponent)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string text = buffer;
    const size_t e = text.find('e');
    digits = text.substr(0, 1) + text.substr(2, e - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    exponent = std::atoi(text.c_str() + e + 1);
}

std::string GeneralText(const std::string& digits, int exponent)
{
    if (exponent >= 15 || exponent < -4) {
        std::string text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        return text + "E" + std::to_string(exponent);
    }
    if (exponent < 0)
        return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole)
        return digits + std::string(whole - digits.size(), '0');
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

} // namespace

double TNumberRange::Clamp(double value) const
{
    if (!Active())
        return value;
    if (value > Max)
        value = Max;
    if (value < Min)
        value = Min;
    return value;
}

std::string FormatShortest(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";
    std::string digits;
    int exponent = 0;
    SignificantDigits(value, digits, exponent);
    return WithDecimalSeparator((value < 0 ? "-" : "") + GeneralText(digits, exponent));
}

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e18)
        return FormatShortest(value);
    // Rounded once, at the last decimal asked for or at the 18th significant digit, whichever comes first;
    // the decimals past that are zeros.
    decimals = std::clamp(decimals, 0, 18);
    const int exponent = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int rounded = std::clamp(std::min(decimals, 17 - exponent), 0, decimals);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", rounded, value);
    std::string text = buffer;
    if (rounded < decimals)
        text += (rounded == 0 ? "." : "") + std::string(static_cast<size_t>(decimals - rounded), '0');
    // A value that rounds to zero shows no sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return WithDecimalSeparator(text);
}

std::optional<double> ParseNumber(std::string_view text)
{
    double value = 0;
    if (!TryStrToFloat(text, value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string FilterNumberChars(std::string_view text, bool allowDecimal, bool allowSigns)
{
    const char32_t separator = DecimalSeparator();
    std::u32string kept;
    bool separatorKept = false;
    for (const char32_t ch : Utf8ToUtf32(text)) {
        if (ch == separator) {
            if (!allowDecimal || separatorKept)
                continue;
            separatorKept = true;
        } else if (IsSign(ch)) {
            if (!allowSigns || !kept.empty())
                continue;
        } else if (!IsDigit(ch) && ch != 8) {
            continue;
        }
        kept += ch;
    }
    if (kept == U"-" || kept == U"+")
        return "0";
    return Utf32ToUtf8(kept);
}

std::optional<std::string> FilterNumber(std::string_view text, bool allowDecimal, bool allowSigns,
                                        const TNumberRange& range)
{
    const std::string filtered = FilterNumberChars(text, allowDecimal, allowSigns);
    if (filtered.empty())
        return FormatShortest(range.Min);
    const std::optional<double> value = ParseNumber(filtered);
    if (!value)
        return std::nullopt;
    return FormatShortest(range.Clamp(*value));
}

std::string TrimLeadingZeros(std::string_view text)
{
    const size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

bool NumberCharAllowed(char32_t ch, const TNumberEditText& edit, bool allowDecimal, bool allowSigns)
{
    constexpr char32_t CtrlA = 1, CtrlC = 3, Backspace = 8, Tab = 9, Enter = 13, CtrlV = 22, CtrlX = 24;
    if (ch == CtrlC || ch == Tab || ch == CtrlV || ch == CtrlX)
        return true;
    const std::u32string text = Utf8ToUtf32(edit.Text);
    const std::u32string selected =
        text.substr(std::min<size_t>(static_cast<size_t>(std::max(edit.SelStart, 0)), text.size()),
                    static_cast<size_t>(std::max(edit.SelLength, 0)));
    const char32_t separator = DecimalSeparator();
    if (ch == separator)
        return allowDecimal && (text.find(separator) == std::u32string::npos ||
                                selected.find(separator) != std::u32string::npos);
    if (IsSign(ch)) {
        const auto hasSign = [](const std::u32string& s) {
            return s.find_first_of(U"+-") != std::u32string::npos;
        };
        return allowSigns && ((edit.SelStart == 0 && !hasSign(text)) || hasSign(selected));
    }
    return ch == CtrlA || ch == Backspace || ch == Enter || IsDigit(ch);
}

std::string PasteNumber(const TNumberEditText& edit, std::string_view clipboardText, bool allowDecimal,
                        bool allowSigns, const TNumberRange& range)
{
    std::u32string rest = Utf8ToUtf32(edit.Text);
    const size_t start = std::min<size_t>(static_cast<size_t>(std::max(edit.SelStart, 0)), rest.size());
    rest.erase(start, static_cast<size_t>(std::max(edit.SelLength, 0)));
    const bool decimalsAllowed = allowDecimal && rest.find(DecimalSeparator()) == std::u32string::npos;
    const bool signsAllowed = allowSigns && start == 0;
    // A filtered non-number counts as nothing left: the text of Min.
    const std::string inserted =
        FilterNumber(clipboardText, decimalsAllowed, signsAllowed, range).value_or(FormatShortest(range.Min));
    rest.insert(start, Utf8ToUtf32(inserted));
    return Utf32ToUtf8(rest);
}
