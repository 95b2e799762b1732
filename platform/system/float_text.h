#pragma once

#include <string>
#include <string_view>

// Floating values as text with the separators of the global format settings (support/format_settings.h).
// NaN and the infinities read "NAN", "INF" and "-INF" in every form.

enum TFloatFormat
{
    ffGeneral, // the shortest text of at most `precision` significant digits
    ffFixed    // `digits` decimals
};

// ffGeneral: trailing zeros dropped, the decimal separator only when needed; scientific notation ("1.5E-7",
// "1E20") when the value is below 0.00001 or has more than `precision` digits before the point.
// ffFixed: the value rounded half away from zero to `digits` decimals (0 to 18) from `precision`
// significant digits; scientific as with ffGeneral when more than `precision` digits stand before the point.
// `precision` is 1 to 18.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// The shortest general text: FloatToStrF(value, ffGeneral, 15, 0).
std::string FloatToStr(double value);

// The text read as a float with the decimal separator of the settings (blanks around allowed); raises
// EConvertError for anything else.
double StrToFloat(std::string_view text);

// The value laid out by a format mask. Up to three sections separated by ";" serve positive values,
// negative values (shown without their sign) and zero; an empty or missing section falls back to the first.
// In a section "0" is a digit always shown, "#" a digit shown when significant, the first "." the place of
// the decimal separator, a "," before it asks for thousand separators, "E+", "E-", "e+" or "e-" followed by
// zeros a scientific exponent of at least that many digits; text in quotes and every other character is
// copied. Digits are rounded half away from zero. An empty mask gives FloatToStr.
std::string FormatFloat(std::string_view mask, double value);
