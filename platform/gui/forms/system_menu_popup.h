#pragma once

#include "platform/gui/windows/messages.h"

// The window menu of a top-level window (windows/system_menu.h) shown as a popup menu: the entries with
// their states, the default entry in bold, and the chosen entry sent to the window as WM_SYSCOMMAND with its
// command id once the menu has closed. Alt+Space opens it at the window's top-left corner.

// Shows window's menu with its top-left corner at screenPos. False, and nothing shown, when the window has
// no window menu.
bool PopupSystemMenu(HWND window, TPoint screenPos);
// The same at the window's top-left corner.
bool PopupSystemMenu(HWND window);
