#pragma once

#include "support/basic_types.h"

#include <functional>

// System colours: 0xFF000000 plus the index of an element colour of the desktop. They are resolved to
// RGB through a replaceable resolver; until the user interface installs its own, the classic desktop
// colours below are used.

constexpr TColor SystemColor(uint8_t index)
{
    return clSystemColor | index;
}

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

inline bool IsSystemColor(TColor color)
{
    return (color & 0xFF000000) == clSystemColor;
}

// The classic RGB value of a system colour index; black for an index without a colour.
TColor ClassicSystemColor(uint8_t index);

// Maps a system colour index to its RGB value.
using TSystemColorResolver = std::function<TColor(uint8_t index)>;

// Installs the resolver ColorToRGB uses; an empty one brings back the classic colours.
void SetSystemColorResolver(TSystemColorResolver resolver);

// A system colour resolved to RGB; any other colour unchanged.
TColor ColorToRGB(TColor color);
