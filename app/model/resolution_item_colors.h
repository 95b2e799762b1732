#pragma once

#include "support/basic_types.h"

#include <string_view>

// The colours of an item of the resolution list, by its text and index: a percentage on pale yellow,
// "Custom" (item 1) on dark grey, 16:9 sizes on green, 4:3 sizes on rose, everything else on near white.
struct TResolutionItemColors
{
    TColor Background;
    TColor Text;
    friend bool operator==(const TResolutionItemColors&, const TResolutionItemColors&) = default;
};

TResolutionItemColors ResolutionItemColors(std::string_view text, int index);
