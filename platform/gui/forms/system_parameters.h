#pragma once

#include "support/basic_types.h"

#include <string>

// The desktop's settings that menus, captions and toolbars follow, with the values that suit a Linux
// desktop: menus neither slide nor fade unless the desktop asks for it, menus are not flat, accelerator
// underlines always show, captions have no gradient.

constexpr unsigned SPI_GETNONCLIENTMETRICS = 41;
constexpr unsigned SPI_GETWORKAREA = 48;
constexpr unsigned SPI_GETMENUSHOWDELAY = 0x006A;
constexpr unsigned SPI_GETMENUANIMATION = 0x1002;
constexpr unsigned SPI_SETMENUANIMATION = 0x1003;
constexpr unsigned SPI_GETGRADIENTCAPTIONS = 0x1008;
constexpr unsigned SPI_GETKEYBOARDCUES = 0x100A;
constexpr unsigned SPI_SETKEYBOARDCUES = 0x100B;
constexpr unsigned SPI_GETMENUFADE = 0x1012;
constexpr unsigned SPI_SETMENUFADE = 0x1013;
constexpr unsigned SPI_GETFLATMENU = 0x1022;
constexpr unsigned SPI_SETFLATMENU = 0x1023;

// A font as the settings describe it; SetFontFromLogFont makes a TFont of it.
struct TLogFont
{
    int lfHeight = 0;   // negative: the character height in pixels
    int lfWeight = 400; // 700 and more is bold
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    std::string lfFaceName;
};

struct TNonClientMetrics
{
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    TLogFont lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    TLogFont lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    TLogFont lfMenuFont;
    TLogFont lfStatusFont;
    TLogFont lfMessageFont;
};

// Reads one setting into data: an int (0 off, non-zero on) for the on/off settings, an int of milliseconds
// for SPI_GETMENUSHOWDELAY, a TRect (screen coordinates) for SPI_GETWORKAREA, a TNonClientMetrics for
// SPI_GETNONCLIENTMETRICS. False for a setting not kept here or without data; data is then unchanged.
// The SET settings switch something on when data is not nullptr, off otherwise: SPI_SETKEYBOARDCUES the
// keyboard cues, SPI_SETMENUANIMATION and SPI_SETMENUFADE the menu effects, SPI_SETFLATMENU flat menus (for
// this program only).
bool SystemParametersInfo(unsigned action, unsigned param, void* data, unsigned winIni);

class TFont;
void SetFontFromLogFont(TFont& font, const TLogFont& logFont);
