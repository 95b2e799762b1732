#pragma once

#include "controls/grid/number_text.h"
#include "platform/gui/core/set_of.h"

#include <string>
#include <string_view>

// The 6-series number edit's texts without any window: how a value is shown, how any text is filtered into
// a number text, how the value is read back, and what typing and pasting may put into the text. Texts are
// UTF-8, positions count code points, and the decimal separator is the one of the program-wide format
// settings. Nothing here raises.

enum TGxNumericEditOption
{
    ednDecimals,
    ednSigns
};
using TGxNumericEditOptions = TSet<TGxNumericEditOption>;

// What decides how a number edit shows and reads its value.
struct TNumberEditFormat
{
    double Min = 0;
    double Max = 0;
    bool AdjustToRange = true;     // values read are clamped into an active range
    bool HideLeadingZeros = false; // "0" characters at the start of the shown text are left out
    TGxNumericEditOptions Options{ednDecimals, ednSigns};
    int Precision = 2;     // decimals shown; 0 or less: the shortest text
    std::string TextAfter; // unit text after the number

    TNumberRange Range() const { return {Min, Max}; }
    // The value clamped when AdjustToRange asks for it.
    double Adjusted(double value) const { return AdjustToRange ? Range().Clamp(value) : value; }
};

// The text of a value: fixed with Precision decimals (at most 18), the shortest text without a precision,
// no decimals without ednDecimals; the unit text after it when asked for; leading zeros taken off the whole
// text when they are to be hidden.
std::string FormatNumberValue(const TNumberEditFormat& format, double value, bool withUnit);
// Any text as a number text: only a sign in front, digits and one decimal separator are kept (as allowed);
// the number they make, clamped as AdjustToRange asks, in its shortest text. What makes no number (nothing,
// a lone separator, a sign before one) counts as Min.
std::string FilterNumberText(const TNumberEditFormat& format, std::string_view text, bool allowSigns,
                             bool allowDecimal);
// The value a shown text holds: the unit text taken off its end, the rest filtered; Min for a text
// without a number.
double ReadNumberValue(const TNumberEditFormat& format, std::string_view text);
// Whether a typed character may go into a spin edit's text: the copy, cut and paste keys and Tab always;
// otherwise Backspace, Enter, the digits, a decimal separator while the text holds none outside the
// selection, and a sign at the start of a text without one outside the selection.
bool NumberEditCharAllowed(const TNumberEditFormat& format, char32_t ch, const TNumberEditText& edit);
// The text after pasting clipboardText over the selection: the filtered number at the selection's start.
std::string PasteIntoNumberEdit(const TNumberEditFormat& format, const TNumberEditText& edit,
                                std::string_view clipboardText);
