#pragma once

#include "platform/gui/windows/messages.h"

// The desktop's changes, as every window hears of them:
//   Colors  WM_SYSCOLORCHANGE to each top-level window, whose default handling sends CM_SYSCOLORCHANGE to
//           itself and down to every control it holds;
//   Fonts   the desktop's fonts belong to its non-client metrics: WM_SETTINGCHANGE with
//           SPI_SETNONCLIENTMETRICS to each top-level window, which sends CM_WININICHANGE with the same
//           parameters down to every control; then CM_SYSFONTCHANGED to each top-level window and down;
//   Theme   WM_THEMECHANGED to every window, each before the windows it holds;
//   Style   CM_STYLECHANGED to each top-level window and down to every control (the program's style
//           changed).
// Top-level windows go in the order they were made; each window then paints again, frame included. The
// toolkit's notices arrive by themselves: the application's palette changing is Colors, its font Fonts, the
// window system's theme changing (for the windows it names) Theme. DesktopChanged is the layer's own way in.

enum class TDesktopChange
{
    Colors,
    Fonts,
    Theme,
    Style
};

constexpr unsigned SPI_SETNONCLIENTMETRICS = 42;

void DesktopChanged(TDesktopChange change);

class TWinControl;
// The windowed control's default handling: WM_SYSCOLORCHANGE and WM_SETTINGCHANGE become the control
// layer's messages, which go on to every child control; WM_THEMECHANGED and WM_SETFONT need nothing more.
// False for other messages.
bool DefaultDesktopChangeHandling(TWinControl& window, TMessage& message);

// Sends the window WM_SETFONT with its control's font (wParam a TFont*; lParam 1 to repaint), as the window
// is made and whenever the font changes; nothing while the window does not exist.
void SendFontToWindow(TWinControl& window, bool redraw);

// From the first top-level window on, the toolkit's notices of desktop changes reach the windows.
void WatchDesktopChanges();
