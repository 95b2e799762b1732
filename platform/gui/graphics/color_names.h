#pragma once

#include "support/basic_types.h"

#include <string>
#include <string_view>

// Colours by name, as forms and skin files write them: "clBtnFace", "clWhite", "clNone", or "$" and eight
// hexadecimal digits of the value (0x00BBGGRR).

// The named colours beyond the sixteen basic ones.
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// The name of the colour's constant where one exists, else "$" and eight upper-case hexadecimal digits.
std::string ColorToString(TColor color);
// A colour name (case does not matter) or an integer ("$" or "0x" for hexadecimal); raises EConvertError
// for any other text.
TColor StringToColor(std::string_view text);
