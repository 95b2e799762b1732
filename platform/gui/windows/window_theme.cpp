#include "platform/gui/windows/window_theme.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/win_control.h"

int GetThemeSysSize(HTHEME theme, int index)
{
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYHSCROLL:
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXSIZE:
    case SM_CYSIZE:
        // The theme painter draws these parts in the sizes of the system metrics.
        return GetSystemMetrics(index);
    default:
        return theme ? 0 : GetSystemMetrics(index);
    }
}

bool DrawThemeParentBackground(HWND window, HDC dc, const TRect* rect)
{
    TWinControl* control = TWinControl::FromHandle(window);
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!dc || !parent || !parent->HandleAllocated())
        return false;
    const TPoint origin = control->ClientToParent({0, 0});
    const int saved = SaveDC(*dc);
    if (rect)
        IntersectClipRect(*dc, rect->Left, rect->Top, rect->Right, rect->Bottom);
    MoveWindowOrg(*dc, -origin.X, -origin.Y);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(*dc, saved);
    return true;
}
