#include "platform/system/decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void StripTrailingZeros(TDecimalDigits& number)
{
    const size_t last = number.Digits.find_last_not_of('0');
    number.Digits.erase(last == std::string::npos ? 0 : last + 1);
    if (number.Digits.empty())
        number.Exponent = 0;
}

// Keeps the first `keep` digits, adding one to the last kept digit when the first dropped one is 5 or more.
void KeepDigits(TDecimalDigits& number, int keep)
{
    if (keep >= static_cast<int>(number.Digits.size()))
        return;
    if (keep < 0) {
        number.Digits.clear();
        StripTrailingZeros(number);
        return;
    }
    const bool roundUp = number.Digits[static_cast<size_t>(keep)] >= '5';
    number.Digits.erase(static_cast<size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && number.Digits[static_cast<size_t>(i)] == '9')
            number.Digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++number.Digits[static_cast<size_t>(i)];
        } else {
            number.Digits.insert(number.Digits.begin(), '1');
            ++number.Exponent;
        }
    }
    StripTrailingZeros(number);
}

} // namespace

std::string TDecimalDigits::IntegerDigits() const
{
    if (Exponent <= 0)
        return "0";
    std::string digits = Digits.substr(0, static_cast<size_t>(Exponent));
    digits.resize(static_cast<size_t>(Exponent), '0');
    return digits;
}

std::string TDecimalDigits::FractionDigits(int count) const
{
    std::string digits;
    for (int i = 0; i < count; ++i) {
        const int index = Exponent + i;
        digits +=
            index >= 0 && index < static_cast<int>(Digits.size()) ? Digits[static_cast<size_t>(index)] : '0';
    }
    return digits;
}

TDecimalDigits ToDecimalDigits(double value, int significant)
{
    TDecimalDigits number;
    number.Negative = std::signbit(value);
    char buffer[64];
    // "d.ddde+XX": the C library prints the exact binary value rounded to the digits asked for.
    std::snprintf(buffer, sizeof buffer, "%.*e", std::clamp(significant, 1, 18) - 1, std::fabs(value));
    const std::string text = buffer;
    const size_t e = text.find('e');
    number.Digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : "");
    number.Exponent = std::atoi(text.c_str() + e + 1) + 1;
    StripTrailingZeros(number);
    return number;
}

void RoundToDecimals(TDecimalDigits& number, int decimals)
{
    KeepDigits(number, number.Exponent + decimals);
}

void RoundToSignificant(TDecimalDigits& number, int significant)
{
    KeepDigits(number, significant);
}
