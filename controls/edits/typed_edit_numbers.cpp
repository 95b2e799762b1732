// The typed edit's value read and written as a number.

#include "controls/edits/typed_number_text.h"
#include "controls/edits/typed_edit.h"
#include "support/format_settings.h"

#include <cmath>
#include <limits>

namespace {

// A float truncated toward zero and held inside the range of T (NaN gives 0).
template <typename T> T TruncatedInto(double value)
{
    if (std::isnan(value))
        return 0;
    const double whole = std::trunc(value);
    if (whole <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (whole >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(whole);
}

} // namespace

double TVezEdit::FloatValue() const
{
    std::string value = Text();
    switch (editType_) {
    case etString:
        return TextToFloat(value);
    case etNumeric:
    case etFloat:
        return value.empty() || value == "-" ? 0 : TextToFloat(value);
    case etMoney: {
        value = RemoveThousandSeparators(value);
        const std::string& decimal = GlobalFormatSettings().DecimalSeparator;
        if (const size_t at = value.find(decimal);
            at != std::string::npos && at + decimal.size() == value.size())
            value.erase(at);
        return value.empty() || value == "-" ? 0 : TextToFloat(value);
    }
    case etHex:
        return value.empty() ? 0 : HexToInt(value);
    default:
        return 0;
    }
}

int32_t TVezEdit::IntValue() const
{
    const std::string value = Text();
    switch (editType_) {
    case etNumeric:
    case etFloat:
        return LeadingWholeNumber(value);
    case etMoney:
        return LeadingWholeNumber(RemoveThousandSeparators(value));
    case etHex:
        return value.empty() ? 0 : HexToInt(value);
    default:
        return 0;
    }
}

TEditValue TVezEdit::Value() const
{
    if (editType_ == etNumeric)
        return IntValue();
    if (editType_ == etFloat)
        return FloatValue();
    return Text();
}

void TVezEdit::RenderFloat(double value)
{
    SetText(precision_ < 0 ? FormatGeneral(value) : FormatFixed(value, precision_));
}

void TVezEdit::SetFloatValue(double value)
{
    switch (editType_) {
    case etString:
    case etFloat:
        RenderFloat(value);
        break;
    case etMoney:
        RenderFloat(value);
        ApplyThousandSeparators();
        break;
    case etHex:
        SetText(HexText(TruncatedInto<int64_t>(value)));
        break;
    case etNumeric:
        // A whole number of 32 bits: what the type test takes.
        SetText(std::to_string(TruncatedInto<int32_t>(value)));
        break;
    default:
        break;
    }
    SetModified(true);
}

void TVezEdit::SetIntValue(int32_t value)
{
    switch (editType_) {
    case etNumeric:
    case etFloat:
        SetText(std::to_string(value));
        break;
    case etMoney:
        SetText(std::to_string(value));
        ApplyThousandSeparators();
        break;
    case etHex:
        SetText(HexText(value));
        break;
    default:
        break;
    }
    SetModified(true);
}

void TVezEdit::SetValue(const TEditValue& value)
{
    if (const auto* number = std::get_if<int32_t>(&value))
        SetText(std::to_string(*number));
    else if (const auto* real = std::get_if<double>(&value))
        SetText(FormatGeneral(*real));
    else
        SetText(std::get<std::string>(value));
}
