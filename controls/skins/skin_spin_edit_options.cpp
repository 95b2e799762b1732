#include "controls/skins/skin_spin_edit_options.h"

#include "platform/system/float_text.h"
#include "support/math_routines.h"
#include "support/number_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// 2^63: the first value outside the 64-bit range; every double below it in size converts exactly.
constexpr double Int64Limit = 9223372036854775808.0;

bool FitsInt64(double value)
{
    return value > -Int64Limit && value < Int64Limit;
}

void EraseFirst(std::string& text, const std::string& part)
{
    if (part.empty())
        return;
    const size_t at = text.find(part);
    if (at != std::string::npos)
        text.erase(at, part.size());
}

std::string TrimBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool TryDecimalToInt64(const std::string& text, int64_t& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int64_t parsed = 0;
    const auto [stop, error] = std::from_chars(begin, end, parsed);
    if (error != std::errc() || stop != end || begin == end)
        return false;
    value = parsed;
    return true;
}

std::string HexText(int64_t value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
    return buffer;
}

} // namespace

void TQvSpinEditOptions::SetValue(double value)
{
    // Also refuses NaN and the infinities, which no text could show.
    if (value == FValue || !std::isfinite(value))
        return;
    const bool bounded = FMinValue != FMaxValue;
    if (bounded && (value < FMinValue || value > FMaxValue))
        return;
    FValue = value + 0.0; // no negative zero
    DoValueChanged();
    UpdateText();
}

void TQvSpinEditOptions::SetMaxValue(double value)
{
    if (value == FMaxValue)
        return;
    FMaxValue = value;
    if (value < FValue)
        SetValue(value);
}

void TQvSpinEditOptions::SetMinValue(double value)
{
    if (value == FMinValue)
        return;
    FMinValue = value;
    if (value > FValue)
        SetValue(value);
}

void TQvSpinEditOptions::SetDecimal(int value)
{
    value = std::clamp(value, 0, 10);
    if (value == FDecimal)
        return;
    FDecimal = value;
    UpdateText();
}

void TQvSpinEditOptions::SetPrefix(const std::string& value)
{
    if (value == FPrefix)
        return;
    FPrefix = value;
    UpdateText();
}

void TQvSpinEditOptions::SetPostfix(const std::string& value)
{
    if (value == FPostfix)
        return;
    FPostfix = value;
    UpdateText();
}

void TQvSpinEditOptions::SetValueType(TQvSpinType value)
{
    if (value == FValueType)
        return;
    FValueType = value;
    if (value == spnInteger || value == spnHex)
        FIncrement = std::max<double>(static_cast<double>(RoundHalfEven(FIncrement)), 1);
    UpdateText();
}

int64_t TQvSpinEditOptions::ValueAsInteger() const
{
    return RoundHalfEven(FValue);
}

void TQvSpinEditOptions::DoValueChanged()
{
    if (OnValueChanged)
        OnValueChanged(this);
}

// A step of Increment, or onto the next multiple of it; the tiny allowance keeps a value a rounding error
// below a multiple from stepping onto that same multiple.
void TQvSpinEditOptions::Step(bool up)
{
    if (!(FIncrement > 0))
        return;
    if (!FValueSnap) {
        SetValue(up ? FValue + FIncrement : FValue - FIncrement);
        return;
    }
    const double allowance = FIncrement * 1e-10;
    const double multiple =
        up ? std::floor(FValue / FIncrement + allowance + 1) : std::ceil(FValue / FIncrement - allowance - 1);
    if (!FitsInt64(multiple))
        return;
    SetValue(static_cast<double>(static_cast<int64_t>(multiple)) * FIncrement);
}

void TQvSpinEditOptions::ValueInc()
{
    Step(true);
}

void TQvSpinEditOptions::ValueDec()
{
    Step(false);
}

std::string TQvSpinEditOptions::NumberText() const
{
    switch (FValueType) {
    case spnFloat:
        return FloatToStrF(FValue, ffFixed, 15, FDecimal);
    case spnHex:
        return HexText(ValueAsInteger());
    case spnInteger:
        break;
    }
    return std::to_string(ValueAsInteger());
}

void TQvSpinEditOptions::UpdateText()
{
    if (OnSetText)
        OnSetText(this, FPrefix + NumberText() + FPostfix);
}

double TQvSpinEditOptions::ValueFromText(const std::string& text) const
{
    if (text.empty())
        return FValue;
    int64_t whole = 0;
    double number = 0;
    switch (FValueType) {
    case spnFloat:
        return TryStrToFloat(text, number) ? number : FValue;
    case spnHex:
        return TryHexToInt64("$" + text, whole) ? static_cast<double>(whole)
                                                : static_cast<double>(ValueAsInteger());
    case spnInteger:
        break;
    }
    return TryDecimalToInt64(text, whole) ? static_cast<double>(whole)
                                          : static_cast<double>(ValueAsInteger());
}

void TQvSpinEditOptions::UpdateValueFromText(bool force)
{
    std::string text;
    bool accept = true;
    if (OnGetText)
        OnGetText(this, text, accept);
    EraseFirst(text, FPrefix);
    EraseFirst(text, FPostfix);
    const double candidate = ValueFromText(TrimBlanks(text));
    if (force || candidate != FValue) {
        SetValue(candidate);
        UpdateText();
    }
}
