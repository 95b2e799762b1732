#pragma once

#include "platform/gui/windows/messages.h"

// A button pressed in a window whose top-level window is not the active one: before the press, the window
// under the pointer gets WM_MOUSEACTIVATE (wParam the top-level window, lParam MAKELPARAM(hit-test code,
// button message)); by default a window answers its parent window's non-zero answer, else MA_ACTIVATE.
// MA_ACTIVATE and MA_ACTIVATEANDEAT activate the top-level window, unless it never takes activation
// (WS_EX_NOACTIVATE: menus, drop-down lists and hints); the EAT answers throw the press away.

class TWinControl;

// For the input translation, before a press reaches window (no window holding the mouse); false when the
// press is thrown away or the window went.
bool MouseActivate(TWinControl& window, int hitTest, uint32_t buttonMessage);

// The windowed control's default handling of WM_MOUSEACTIVATE; false for other messages.
bool DefaultMouseActivateHandling(TWinControl& window, TMessage& message);
