#pragma once

#include "platform/gui/windows/messages.h"

// The monitor that a rectangle, point or window lies on (the nearest one): its whole area, or its work
// area (without the desktop's panels) when workArea is true.

TRect GetPrimaryMonitorRect(bool workArea);
bool HasMultipleMonitors();
TRect GetMonitorRectOfRect(const TRect& r, bool workArea);
TRect GetMonitorRectOfPoint(TPoint p, bool workArea);
TRect GetMonitorRectOfWindow(HWND window, bool workArea);
