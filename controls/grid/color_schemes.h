#pragma once

#include "support/basic_types.h"

#include <cstdint>

class TControl;

// Fixed colour tables that give headers, borders and gradients their look without any theme: the
// 5-series schemes (24 elements each) and the smaller 6-series table (19 elements each).

enum TColorScheme
{
    csDefault,
    csBlack,
    csBlue,
    csSilver,
    csBlue2010,
    csSilver2010,
    csBlack2010
};

// The scheme csDefault stands for; nothing changes it.
constexpr TColorScheme CurrentColorScheme = csBlue;
// The 6-series scheme that scheme 0 stands for.
constexpr uint8_t CurrentColorScheme6 = 2;

constexpr int SchemeColorCount = 24;
constexpr int SchemeColorCount6 = 19;

// Element 0..23 of a scheme; csDefault reads the current scheme.
TColor GetSchemeColor(int element, TColorScheme scheme);
// Element 0..18 of a 6-series scheme 1..5; 0 reads the current 6-series scheme.
TColor GetSchemeColor6(int element, uint8_t scheme);

// The controls that follow the scheme register while they live.
void RegisterSchemeControl(TControl* control);
// Nothing for a control that is not registered.
void UnregisterSchemeControl(TControl* control);
bool IsSchemeControlRegistered(const TControl* control);
