#pragma once

#include "gui_driver.h"
#include "platform/gui/windows/keys.h"

// A loop that ended while a mouse button was down (a press outside a menu, a drag cancelled by a key) leaves
// the button held, and the next test's keys would count as typed with it held: it goes up over control.
inline void ReleaseHeldButtons(TWinControl* control)
{
    if (GetKeyState(VK_LBUTTON) < 0)
        MouseUp(control, {0, 0}, mbLeft);
    if (GetKeyState(VK_RBUTTON) < 0)
        MouseUp(control, {0, 0}, mbRight);
}
