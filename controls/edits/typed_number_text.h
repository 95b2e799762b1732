#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number rules of the typed edit on texts alone: what kind of number a text holds, reading it as a
// float, a whole number or hexadecimal digits, and writing numbers the way the edit shows them. The decimal
// and thousand separators are those of the global format settings (support/format_settings.h), never the
// process locale's. Characters are code points. No routine here raises: a text that does not convert reads
// as 0.

// The separators of the format settings as characters (0 for none).
char32_t DecimalSeparatorChar();
char32_t ThousandSeparatorChar();

inline bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

enum class TNumberClass
{
    Integer,     // only digits and '-'
    Float,       // digits, '-', decimal and well-placed thousand separators
    Hexadecimal, // digits, '-', 'A'..'F' and 'a'..'f'
    Other
};

// The class of a text: the first of Integer, Float and Hexadecimal whose characters it keeps to, Other for
// an empty text and for a text with more than one '-' or more than one decimal separator. A thousand
// separator must stand at least three places after the previous one (the place before the first character
// counting as the previous one's), so ",5" and "1,2,3" are no floats. Where the minus sign stands is not
// looked at.
TNumberClass ClassifyNumber(std::string_view text);

// The text without its thousand separators.
std::string RemoveThousandSeparators(std::string_view text);

// The text without thousand separators read as a float with the decimal separator; 0 when it does not
// convert (a text that reads as an infinity or not a number does not).
double TextToFloat(std::string_view text);

// The text read as hexadecimal digits in 32-bit arithmetic: the k-th character from the right adds its
// digit times 16^k, a character that is no hexadecimal digit counts 0 and keeps its place, so only the last
// eight characters count.
int32_t HexToInt(std::string_view text);

// The whole number a text begins with: blanks skipped, an optional sign, then decimal digits, or
// hexadecimal ones after "$", "x", "X", "0x" or "0X"; reading stops at the first other character, and a
// value beyond 32 bits stops at the nearest limit. 0 without digits.
int32_t LeadingWholeNumber(std::string_view text);

// The text read strictly as a whole number (blanks in front, a sign, decimal digits or "$" and "0x"
// hexadecimal ones, nothing after them, in 32 bits); 0 for any other text.
int32_t StrictWholeNumber(std::string_view text);

// "%g": the shortest text of at most 15 significant digits, scientific for very small and very large values.
std::string FormatGeneral(double value);
// "%.nf": decimals digits after the decimal separator (at most 18), rounded half away from zero.
std::string FormatFixed(double value, int decimals);
// "%.nn": as FormatFixed with the integer part grouped by thousand separators.
std::string FormatGrouped(double value, int decimals);
// The integer digits of the value's magnitude truncated toward zero, grouped when asked.
std::string IntegerPartText(double value, bool grouped);
// Upper-case hexadecimal digits of the value without leading zeros ("0" for zero); a negative value reads
// as its 32-bit pattern.
std::string HexText(int64_t value);

// The text with each word's first letter in upper case and the others in lower case. Words end at a blank
// and at " \"'$)*,-./:\\". "Mc" and "Mac" at the start, the first " Mc" inside and a trailing " I" or " II"
// also start a word, so "mcfoo" becomes "McFoo" and "king ii" "King II".
std::string MixedCase(std::string_view text);
