#include "platform/system/float_text.h"

#include "platform/system/decimal_digits.h"
#include "support/errors.h"
#include "support/format_settings.h"
#include "support/number_conversion.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Sign(const TDecimalDigits& number)
{
    return number.Negative && !number.IsZero() ? "-" : "";
}

// "1.5E-7": one digit before the point, the exponent as short as it goes.
std::string ScientificText(const TDecimalDigits& number)
{
    std::string text = Sign(number) + number.Digits.substr(0, 1);
    if (number.Digits.size() > 1)
        text += GlobalFormatSettings().DecimalSeparator + number.Digits.substr(1);
    return text + "E" + std::to_string(number.Exponent - 1);
}

std::string FixedText(const TDecimalDigits& number, int decimals)
{
    std::string text = Sign(number) + number.IntegerDigits();
    if (decimals > 0)
        text += GlobalFormatSettings().DecimalSeparator + number.FractionDigits(decimals);
    return text;
}

std::string GeneralText(const TDecimalDigits& number, int precision)
{
    if (number.IsZero())
        return "0";
    if (number.Exponent > precision || number.Exponent < -4)
        return ScientificText(number);
    return FixedText(number, std::max(0, static_cast<int>(number.Digits.size()) - number.Exponent));
}

} // namespace

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    precision = std::clamp(precision, 1, 18);
    TDecimalDigits number = ToDecimalDigits(value, precision);
    if (format == ffGeneral || number.Exponent > precision)
        return GeneralText(number, precision);
    digits = std::clamp(digits, 0, 18);
    RoundToDecimals(number, digits);
    return FixedText(number, digits);
}

std::string FloatToStr(double value)
{
    return FloatToStrF(value, ffGeneral, 15, 0);
}

double StrToFloat(std::string_view text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}
