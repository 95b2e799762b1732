#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number texts. Only StringToInt raises; everything else reports failure by its result.

std::string IntToString(int32_t value);
std::string Int64ToString(int64_t value);

// The standard integer conversion: leading blanks, an optional sign, then decimal digits in the signed
// 32-bit range, or hexadecimal digits after "$" or "0x" (up to 32 bits, read as a signed 32-bit pattern).
// Raises EConvertError for anything else, trailing characters included.
int32_t StringToInt(std::string_view text);

// StringToInt without raising: False leaves the value unchanged.
bool TryStringToInt(std::string_view text, int32_t& value);

bool CanConvertToInt(std::string_view text);

// The standard float conversion with the global format settings: blanks around, an optional sign, digits
// with at most one decimal separator, an optional exponent. False leaves the value unchanged.
bool TryStrToFloat(std::string_view text, double& value);

bool CanConvertToFloat(std::string_view text);

// Reads "25", "23.976" and "23,976" alike whatever the decimal separator; defaultValue on any failure.
double StrToFloatTolerant(std::string_view text, double defaultValue);

// The value with at most `decimals` decimals and no trailing zeros, in the decimal separator of the format
// settings; a non-empty separatorReplacement stands in for that separator.
std::string FloatToStrTrimmed(double value, int decimals, std::string_view separatorReplacement);

// The value with exactly `decimals` decimals and "." as decimal point whatever the format settings.
std::string FloatToFixedStr(double value, int decimals);

// Hexadecimal digits, with or without a leading "$", up to 64 bits. False leaves the value unchanged.
bool TryHexToInt64(std::string_view text, int64_t& value);
bool TryHexToByte(std::string_view text, uint8_t& value);

// StringToInt of a value from 0 to 255.
bool TryStrToByte(std::string_view text, uint8_t& value);

int32_t ClampInt(int32_t value, int32_t min, int32_t max);

// Character-level tests of what the user types: blanks removed first when ignoreBlanks is set, at most
// one "-" and only in front, a leading "+" ignored; then only digits and "-" for integers, and digits,
// "-", one "E", and one "." or one "," for floats.
bool IsValidIntStr(std::string_view text, bool ignoreBlanks);
bool IsValidFloatStr(std::string_view text, bool ignoreBlanks);
