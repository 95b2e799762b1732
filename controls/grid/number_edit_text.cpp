#include "controls/grid/number_edit_text.h"

#include "platform/system/float_text.h"

#include <algorithm>

namespace {

// The most decimals a fixed number text has.
constexpr int MaxFixedDecimals = 18;

} // namespace

std::string FormatNumberValue(const TNumberEditFormat& format, double value, bool withUnit)
{
    std::string text;
    if (!format.Options.Contains(ednDecimals))
        text = FloatToStrF(value, ffFixed, 18, 0);
    else if (format.Precision <= 0)
        text = FloatToStr(value);
    else
        text = FloatToStrF(value, ffFixed, 18, std::min(format.Precision, MaxFixedDecimals));
    if (withUnit)
        text += format.TextAfter;
    return format.HideLeadingZeros ? TrimLeadingZeros(text) : text;
}

std::string FilterNumberText(const TNumberEditFormat& format, std::string_view text, bool allowSigns,
                             bool allowDecimal)
{
    const std::string kept = FilterNumberChars(text, allowDecimal, allowSigns);
    const std::optional<double> number = kept.empty() ? std::nullopt : ParseNumber(kept);
    const std::string shown = FloatToStr(number ? format.Adjusted(*number) : format.Min);
    return format.HideLeadingZeros ? TrimLeadingZeros(shown) : shown;
}

double ReadNumberValue(const TNumberEditFormat& format, std::string_view text)
{
    if (!format.TextAfter.empty() && text.ends_with(format.TextAfter))
        text.remove_suffix(format.TextAfter.size());
    if (text.empty())
        return format.Min;
    std::string filtered = FilterNumberText(format, text, format.Options.Contains(ednSigns),
                                            format.Options.Contains(ednDecimals));
    if (filtered.empty())
        filtered = FloatToStr(format.Min);
    const std::optional<double> number = ParseNumber(filtered);
    return number ? format.Adjusted(*number) : format.Min;
}

bool NumberEditCharAllowed(const TNumberEditFormat& format, char32_t ch, const TNumberEditText& edit)
{
    constexpr char32_t CtrlA = 1;
    return ch != CtrlA && NumberCharAllowed(ch, edit, format.Options.Contains(ednDecimals),
                                            format.Options.Contains(ednSigns));
}

std::string PasteIntoNumberEdit(const TNumberEditFormat& format, const TNumberEditText& edit,
                                std::string_view clipboardText)
{
    return PasteNumber(edit, clipboardText, format.Options.Contains(ednDecimals),
                       format.Options.Contains(ednSigns),
                       [&format](std::string_view text, bool decimals, bool signs) {
                           return FilterNumberText(format, text, signs, decimals);
                       });
}
