#pragma once

#include <string>

// A floating value as decimal digits, the form the float texts are laid out from.
struct TDecimalDigits
{
    bool Negative = false;
    // Significant digits without trailing zeros; empty for zero. The value is 0.Digits × 10^Exponent.
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.empty(); }
    // The digits before the decimal point ("0" when there are none).
    std::string IntegerDigits() const;
    // `count` digits after the decimal point, padded with zeros.
    std::string FractionDigits(int count) const;
};

// The finite value with at most `significant` digits (1 to 18), rounded to the nearest.
TDecimalDigits ToDecimalDigits(double value, int significant);

// Rounds half away from zero to `decimals` digits after the point.
void RoundToDecimals(TDecimalDigits& number, int decimals);

// Rounds half away from zero to `significant` digits.
void RoundToSignificant(TDecimalDigits& number, int significant);
