#pragma once

#include "platform/gui/windows/messages.h"

// The UI state: whether a window hides its accelerator underlines (UISF_HIDEACCEL) and its focus
// rectangles (UISF_HIDEFOCUS). The messages, wParam MAKEWPARAM(action, flags):
//   WM_CHANGEUISTATE asks for a change: a child window hands it to its parent; the top-level window, when
//     the change alters its state, sends WM_UPDATEUISTATE to itself;
//   WM_UPDATEUISTATE applies the change to the window and passes it to every child window;
//   WM_QUERYUISTATE answers the window's flags (a window never changed answers its parent's).
// UIS_INITIALIZE hides the flags when the last key or button pressed was a button and shows them after a key;
// flags 0 stands for both. While keyboard cues are on, the desktop's setting here, nothing is ever hidden.

constexpr unsigned UIS_SET = 1;
constexpr unsigned UIS_CLEAR = 2;
constexpr unsigned UIS_INITIALIZE = 3;

constexpr unsigned UISF_HIDEFOCUS = 0x1;
constexpr unsigned UISF_HIDEACCEL = 0x2;
constexpr unsigned UISF_ACTIVE = 0x4;

// Keyboard cues on: underlines and focus rectangles always show (SPI_GETKEYBOARDCUES answers it).
bool KeyboardCues();
void SetKeyboardCues(bool on);

class TWinControl;
// The windowed control's default handling of the three messages; false for other messages.
bool DefaultUIStateHandling(TWinControl& window, TMessage& message);
