#pragma once

#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/messages.h"

// The theme calls that reach into the windows and the system's sizes.

// The size the visual style gives a system metric: the scroll bars' (SM_CXVSCROLL, SM_CYVSCROLL,
// SM_CXHSCROLL, SM_CYHSCROLL), the border's (SM_CXBORDER, SM_CYBORDER) and the caption buttons'
// (SM_CXSIZE, SM_CYSIZE); 0 for other metrics. Without a theme, the system metric.
int GetThemeSysSize(HTHEME theme, int index);

// Paints into dc, which draws in window's client coordinates, what the parent shows under the window (its
// background and its client area, as it paints them for WM_ERASEBKGND and WM_PRINTCLIENT): the picture
// behind the see-through parts of a themed control. rect limits it (nullptr: everything). False when the
// window has no parent with a window.
bool DrawThemeParentBackground(HWND window, HDC dc, const TRect* rect);
