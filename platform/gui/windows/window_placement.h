#pragma once

#include "platform/gui/windows/messages.h"

// Where a top-level window is: its show command (SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED) and
// the bounds it has in the normal state, in screen coordinates, also while it is minimized or maximized.
// A child window is always in the normal state, its bounds in its parent's client area.
struct WINDOWPLACEMENT
{
    unsigned length = sizeof(WINDOWPLACEMENT);
    unsigned flags = 0;
    unsigned showCmd = 0;
    TPoint ptMinPosition;
    TPoint ptMaxPosition;
    TRect rcNormalPosition;
};

// False for no window. A hidden window answers its state as it will show.
bool GetWindowPlacement(HWND window, WINDOWPLACEMENT& placement);
// Gives the window its normal bounds (when not empty) and then its show command: SW_SHOWMINIMIZED,
// SW_MINIMIZE, SW_SHOWMAXIMIZED, anything else is the normal state. A hidden window keeps hidden and takes
// the state when it next shows. False for no window.
bool SetWindowPlacement(HWND window, const WINDOWPLACEMENT& placement);
