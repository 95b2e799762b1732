#pragma once

#include "support/basic_types.h"

#include <string>

// A colour written in the HTML-like label's tag language: "#RGB" or "#RRGGBB", "rgb(r,g,b)" or three
// numbers apart by commas or blanks, "rgb(v)" a grey, a colour name ("clBlue"), or a number in the platform's
// 0x00BBGGRR form ("$FF0000" is blue). clNone for anything else: no tag takes clNone for a colour.
TColor ParseTagColor(const std::string& text);
