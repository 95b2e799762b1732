#include "controls/grid/number_text.h"

#include "platform/system/float_text.h"
#include "support/format_settings.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <algorithm>
#include <cmath>

namespace {

char32_t DecimalSeparator()
{
    const std::u32string separator = Utf8ToUtf32(GlobalFormatSettings().DecimalSeparator);
    return separator.empty() ? U'.' : separator[0];
}

bool IsSign(char32_t ch)
{
    return ch == U'+' || ch == U'-';
}

bool IsDigit(char32_t ch)
{
    return ch >= U'0' && ch <= U'9';
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
        return FloatToStr(range.Min);
    const std::optional<double> value = ParseNumber(filtered);
    if (!value)
        return std::nullopt;
    return FloatToStr(range.Clamp(*value));
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
                        bool allowSigns, const TNumberFilter& filter)
{
    std::u32string rest = Utf8ToUtf32(edit.Text);
    const size_t start = std::min<size_t>(static_cast<size_t>(std::max(edit.SelStart, 0)), rest.size());
    rest.erase(start, static_cast<size_t>(std::max(edit.SelLength, 0)));
    const bool decimalsAllowed = allowDecimal && rest.find(DecimalSeparator()) == std::u32string::npos;
    const bool signsAllowed = allowSigns && start == 0;
    rest.insert(start, Utf8ToUtf32(filter(clipboardText, decimalsAllowed, signsAllowed)));
    return Utf32ToUtf8(rest);
}

std::string PasteNumber(const TNumberEditText& edit, std::string_view clipboardText, bool allowDecimal,
                        bool allowSigns, const TNumberRange& range)
{
    return PasteNumber(edit, clipboardText, allowDecimal, allowSigns,
                       [&range](std::string_view text, bool decimals, bool signs) {
                           // A filtered non-number counts as nothing left: the text of Min.
                           return FilterNumber(text, decimals, signs, range).value_or(FloatToStr(range.Min));
                       });
}

bool SpinStepAllowed(double value, double increment, bool up, bool allowSigns, const TNumberRange& range)
{
    if (up)
        return !(range.Active() && value + increment > range.Max);
    if (!allowSigns && value - increment < 0)
        return false;
    return !(range.Active() && value - increment < range.Min);
}
