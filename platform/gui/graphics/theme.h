#pragma once

#include "platform/gui/graphics/canvas.h"

#include <string>

// The program's own visual-style painter: the parts and states of the platform's themed controls drawn in
// a flat look of our own. ThemesEnabled switches it off; OpenThemeData then answers nullptr and callers
// take their classic drawing paths.

class TThemeData;
using HTHEME = TThemeData*;

void SetThemesEnabled(bool enabled);
// Whether the desktop composes windows with see-through glass frames: never here, so callers take their
// opaque paths.
inline bool DwmIsCompositionEnabled()
{
    return false;
}
bool ThemesEnabled();
bool IsThemeActive();
bool IsAppThemed();

// classList names one class or several separated by ";" ("Button", "Header;ListView"), in any case;
// nullptr when themes are off or no class is known.
HTHEME OpenThemeData(const std::string& classList);
void CloseThemeData(HTHEME theme);

bool DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& rect,
                         const TRect* clip = nullptr);
// Text in the part's colour for the state, laid out by DrawText with flags.
bool DrawThemeText(HTHEME theme, TCanvas& canvas, int part, int state, const std::string& text,
                   unsigned flags, const TRect& rect);

// Options of DrawThemeTextEx: which fields count (DTT_*), the text colour and the glow's radius.
struct DTTOPTS
{
    unsigned dwFlags = 0;
    TColor crText = clBlack;
    int iGlowSize = 0;
};
constexpr unsigned DTT_TEXTCOLOR = 0x0001;
constexpr unsigned DTT_CALCRECT = 0x0200;
constexpr unsigned DTT_GLOWSIZE = 0x0800;
// Text for a 32-bit bitmap with its alpha: the canvas keeps the alpha of what it draws in any case.
constexpr unsigned DTT_COMPOSITED = 0x2000;
// DrawThemeText with options: crText in place of the part's colour, a light glow of iGlowSize pixels behind
// the text, or with DTT_CALCRECT only the rectangle the text needs (DrawText's DT_CALCRECT).
bool DrawThemeTextEx(HTHEME theme, TCanvas& canvas, int part, int state, const std::string& text,
                     unsigned flags, TRect& rect, const DTTOPTS* options);
bool DrawThemeEdge(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& rect, unsigned edge,
                   unsigned flags, TRect* contentRect);

enum THEMESIZE
{
    TS_MIN,
    TS_TRUE,
    TS_DRAW
};
bool GetThemePartSize(HTHEME theme, TCanvas* canvas, int part, int state, const TRect* rect, THEMESIZE size,
                      TSize& result);
// The area inside a part's border, where its content goes.
bool GetThemeBackgroundContentRect(HTHEME theme, TCanvas* canvas, int part, int state, const TRect& bounds,
                                   TRect& content);
TColor GetThemeTextColor(HTHEME theme, int part, int state);
// True when the part leaves some of its rectangle unpainted, so that what lies behind shows there.
bool IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);

// Parts and states of the classes the controls draw.
enum
{
    BP_PUSHBUTTON = 1,
    BP_RADIOBUTTON = 2,
    BP_CHECKBOX = 3,
    BP_GROUPBOX = 4
};
enum
{
    PBS_NORMAL = 1,
    PBS_HOT = 2,
    PBS_PRESSED = 3,
    PBS_DISABLED = 4,
    PBS_DEFAULTED = 5
};
// Check box states: 1-4 unchecked, 5-8 checked, 9-12 mixed (normal, hot, pressed, disabled each).
enum
{
    CBS_UNCHECKEDNORMAL = 1,
    CBS_CHECKEDNORMAL = 5,
    CBS_MIXEDNORMAL = 9
};
// The combo box's border: 1 normal, 2 hot, 3 focused, 4 disabled.
enum
{
    CP_DROPDOWNBUTTON = 1,
    CP_BORDER = 4
};
enum
{
    EP_EDITTEXT = 1
};
enum
{
    HP_HEADERITEM = 1,
    HP_HEADERITEMLEFT = 2,
    HP_HEADERITEMRIGHT = 3
};
enum
{
    SBP_ARROWBTN = 1,
    SBP_THUMBBTNHORZ = 2,
    SBP_THUMBBTNVERT = 3,
    SBP_LOWERTRACKHORZ = 4,
    SBP_UPPERTRACKHORZ = 5,
    SBP_LOWERTRACKVERT = 6,
    SBP_UPPERTRACKVERT = 7,
    SBP_GRIPPERHORZ = 8,
    SBP_GRIPPERVERT = 9,
    SBP_SIZEBOX = 10
};
// Scroll arrows: 1-4 up, 5-8 down, 9-12 left, 13-16 right (normal, hot, pressed, disabled each).
enum
{
    SPNP_UP = 1,
    SPNP_DOWN = 2
};
enum
{
    TABP_TABITEM = 1,
    TABP_PANE = 9
};
enum
{
    TP_BUTTON = 1,
    TP_DROPDOWNBUTTON = 2,
    TP_SPLITBUTTON = 3,
    TP_SPLITBUTTONDROPDOWN = 4,
    TP_SEPARATOR = 5,
    TP_SEPARATORVERT = 6
};
enum
{
    PP_BAR = 1,
    PP_CHUNK = 3
};
// Track-bar thumbs: 1 normal, 2 hot, 3 pressed, 4 focused, 5 disabled.
enum
{
    TKP_TRACK = 1,
    TKP_THUMB = 3,
    TKP_THUMBBOTTOM = 4
};
enum
{
    TVP_GLYPH = 2
};
enum
{
    GLPS_CLOSED = 1,
    GLPS_OPENED = 2
};
// Captions: 1 active, 2 inactive, 3 disabled. Frames: 1 active, 2 inactive (FS_*).
enum
{
    WP_CAPTION = 1,
    WP_SMALLCAPTION = 2,
    WP_FRAMELEFT = 7,
    WP_FRAMERIGHT = 8,
    WP_FRAMEBOTTOM = 9,
    WP_SMALLFRAMELEFT = 10,
    WP_SMALLFRAMERIGHT = 11,
    WP_SMALLFRAMEBOTTOM = 12,
    WP_CLOSEBUTTON = 18
};
enum
{
    FS_ACTIVE = 1,
    FS_INACTIVE = 2
};
// Menu items and bar items: 1 normal, 2 hot (selected), 3 pushed, 4 disabled; popup items: 1 normal,
// 2 hot, 3 disabled, 4 disabled and hot; popup checks: 1 check, 2 disabled check, 3 bullet, 4 disabled
// bullet; check backgrounds: 1 disabled, 2 normal, 3 behind an image; the bar background: 1 active,
// 2 inactive; submenu arrows: 1 normal, 2 disabled.
enum
{
    MENU_MENUITEM = 1,
    MENU_MENUBARITEM = 3,
    MENU_BARBACKGROUND = 7,
    MENU_BARITEM = 8,
    MENU_POPUPBACKGROUND = 9,
    MENU_POPUPBORDERS = 10,
    MENU_POPUPCHECK = 11,
    MENU_POPUPCHECKBACKGROUND = 12,
    MENU_POPUPGUTTER = 13,
    MENU_POPUPITEM = 14,
    MENU_POPUPSEPARATOR = 15,
    MENU_POPUPSUBMENU = 16
};
enum
{
    RP_GRIPPER = 1,
    RP_GRIPPERVERT = 2,
    RP_BAND = 3
};
// Rebars: part 0 is the bar's background.
enum
{
    SP_PANE = 1,
    SP_GRIPPERPANE = 2,
    SP_GRIPPER = 3
};
// Tooltips: 1 normal, 2 a link.
enum
{
    TTP_STANDARD = 1,
    TTP_STANDARDTITLE = 2
};
enum
{
    TTSS_NORMAL = 1,
    TTSS_LINK = 2
};
enum
{
    EBP_HEADERBACKGROUND = 1,
    EBP_NORMALGROUPBACKGROUND = 5
};
