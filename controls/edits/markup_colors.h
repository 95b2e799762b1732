#pragma once

#include "support/basic_types.h"

#include <optional>
#include <string_view>

// Colour values in the label markup: "#RRGGBB", or one of forty colour names ("clred", "clbtnface"...).

// The colour of a non-empty value: "#" and three pairs of hexadecimal digits (a pair that is not two
// hexadecimal digits reads as 0), else a name looked up without regard to case; an unknown name is black.
// An empty value has no colour: callers decide what that means.
std::optional<TColor> MarkupColor(std::u32string_view value);

// The table lookup of a lower-case name; nullopt for a name that is not in it.
std::optional<TColor> ColorFromName(std::u32string_view lowerCaseName);
