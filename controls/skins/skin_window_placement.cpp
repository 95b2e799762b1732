// The normal position and show state of a form, as the compound title bar keeps them.

#include "controls/skins/skin_bar_helpers.h"
#include "controls/toolbars/dock_helpers.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/window_functions.h"
#include "platform/gui/windows/window_placement.h"

int GetWindowPlacementInfo(TCustomForm* form, TRect& rect)
{
    rect = {};
    WINDOWPLACEMENT placement;
    if (!form || !form->HandleAllocated() || !GetWindowPlacement(form->Handle(), placement))
        return 0;
    const TRect& normal = placement.rcNormalPosition;
    rect = {normal.Left, normal.Top, normal.Width(), normal.Height()};
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
        return 1;
    case SW_SHOWMAXIMIZED:
        return 2;
    default:
        return 0;
    }
}

void SetWindowPlacementInfo(TCustomForm* form, int state, const TRect& rect)
{
    if (!form || !form->HandleAllocated())
        return;
    WINDOWPLACEMENT placement;
    GetWindowPlacement(form->Handle(), placement);
    placement.showCmd = state == 1 ? SW_SHOWMINIMIZED : state == 2 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    const TRect normal{rect.Left, rect.Top, rect.Left + rect.Right, rect.Top + rect.Bottom};
    if (!IsRectEmpty(normal))
        placement.rcNormalPosition = normal;
    SetWindowPlacement(form->Handle(), placement);
}
