#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The number cell editors' texts without any window: the filter that turns any text into a number text, and
// what typing and pasting may put into a number's text. Numbers are written as FloatToStr writes them. Texts
// are UTF-8, positions count code points, and the decimal separator is the one of the program-wide format
// settings.

// Limits that apply while one of them is not 0.
struct TNumberRange
{
    double Min = 0;
    double Max = 0;
    bool Active() const { return Max != 0 || Min != 0; }
    // Above Max becomes Max, then below Min becomes Min, while the range is active.
    double Clamp(double value) const;
};

// The strict conversion of the format settings: blanks around, an optional sign, digits with at most one
// decimal separator, an optional exponent; nothing for any other text.
std::optional<double> ParseNumber(std::string_view text);

// Keeps Backspace (code 8), "+", "-", the digits and the decimal separator of text: a separator only when
// decimals are allowed and none was kept before, a sign only when signs are allowed and it comes first. A
// lone sign becomes "0".
std::string FilterNumberChars(std::string_view text, bool allowDecimal, bool allowSigns);
// The shortest text of the number the filtered text holds, clamped into the range; the text of Min when
// nothing is left; nothing when what is left is no number (a lone separator, a sign before one).
std::optional<std::string> FilterNumber(std::string_view text, bool allowDecimal, bool allowSigns,
                                        const TNumberRange& range);

// The text from its first character that is not "0"; empty for zeros only.
std::string TrimLeadingZeros(std::string_view text);

// An editor's text with its selection (start and length in code points).
struct TNumberEditText
{
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
};

// Whether a typed character may go into a number's text: the copy, cut and paste keys and Tab always;
// otherwise only Ctrl+A, Backspace, Enter, the digits, a decimal separator while the text holds none
// outside the selection, and a sign at the start of a text without one outside the selection.
bool NumberCharAllowed(char32_t ch, const TNumberEditText& edit, bool allowDecimal, bool allowSigns);
// The number text a filter makes of any text, allowing decimals and signs or not.
using TNumberFilter = std::function<std::string(std::string_view text, bool allowDecimal, bool allowSigns)>;
// The text after pasting clipboardText over the selection: what filter makes of it goes in at the
// selection's start (a decimal separator only while the rest holds none, a sign only at the start). The
// caret stays at the selection's start.
std::string PasteNumber(const TNumberEditText& edit, std::string_view clipboardText, bool allowDecimal,
                        bool allowSigns, const TNumberFilter& filter);
// The same with FilterNumber into the range; a filtered non-number counts as nothing left (Min).
std::string PasteNumber(const TNumberEditText& edit, std::string_view clipboardText, bool allowDecimal,
                        bool allowSigns, const TNumberRange& range);

// Whether a spin step by increment from value may go: up not past an active range's Max; down not below its
// Min, and not below 0 without signs. A step that would pass a limit is refused whole.
bool SpinStepAllowed(double value, double increment, bool up, bool allowSigns, const TNumberRange& range);
