#pragma once

#include "platform/gui/windows/control.h"

// Hidden windows that exist only to receive messages (posted notifications, timers): each message goes to
// the given method, which sets the answer in Result.

HWND AllocateHWnd(TWndMethod method);
// Destroys a window made by AllocateHWnd; messages still queued for it are dropped.
void DeallocateHWnd(HWND window);
