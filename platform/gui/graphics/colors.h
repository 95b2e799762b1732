#pragma once

#include "support/color_routines.h"
#include "support/system_colors.h"

// System colours on this desktop: taken from the application's palette once the palette resolver is
// installed (ColorToRGB then answers with them); drawing resolves them when it draws.

// The palette's value of system colour index (0..30; others give black).
TColor PaletteSystemColor(int index);
void InstallPaletteSystemColors();

// The system colour indexes by name, for GetSysColor.
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;

// The RGB value of a system colour index as drawing uses it now (black for an index without a colour).
inline TColor GetSysColor(int index)
{
    return index >= 0 && index <= 0xFF ? ColorToRGB(SystemColor(static_cast<uint8_t>(index))) : clBlack;
}

inline uint8_t GetRValue(TColor color)
{
    return color & 0xFF;
}
inline uint8_t GetGValue(TColor color)
{
    return (color >> 8) & 0xFF;
}
inline uint8_t GetBValue(TColor color)
{
    return (color >> 16) & 0xFF;
}
