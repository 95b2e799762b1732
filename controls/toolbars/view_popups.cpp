#include "controls/toolbars/view.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"

#include <climits>
#include <optional>

// --- child popups
// ------------------------------------------------------------------------------------------------

bool TBarView::OpenChildPopup(bool selectFirstItem)
{
    StopViewTimer(ViewTimerClose);
    StopViewTimer(ViewTimerOpen);
    if (FSelected == FOpenViewer)
        return FOpenViewerWindow != nullptr;
    CloseChildPopups();
    if (FSelected && FSelected->Item()->Enabled() && FSelected->Item()->ItemStyle().Contains(tbisSubmenu))
        FSelected->Item()->CreatePopup(this, FSelected, !FIsToolbar, selectFirstItem, false, {0, 0},
                                       tbpaLeft);
    return FOpenViewerWindow != nullptr;
}

void TBarView::CloseChildPopups()
{
    if (FOpenViewerView)
        FOpenViewerView->CloseChildPopups();
    StopViewTimer(ViewTimerClose);
    if (TBarPopupWindow* window = FOpenViewerWindow)
        window->Free();
    FOpenViewerWindow = nullptr;
    FOpenViewerView = nullptr;
    FOpenViewer = nullptr;
}

void TBarView::CancelChildPopups()
{
    if (FIsToolbar)
        FState.Exclude(vsDropDownMenus);
    CloseChildPopups();
}

// --- timers
// ----------------------------------------------------------------------------------------------------------

namespace {

HWND PopupWindowHandle(TWinControl* window)
{
    auto* popup = dynamic_cast<TBarPopupWindow*>(window);
    return popup && popup->HandleAllocated() ? popup->Handle() : nullptr;
}

} // namespace

void TBarView::StartViewTimer(int timer, unsigned interval)
{
    StopViewTimer(timer);
    if (HWND window = PopupWindowHandle(FWindow)) {
        SetTimer(window, ViewTimerBaseId + static_cast<uintptr_t>(timer), interval);
        if (timer <= 7)
            FActiveTimers.Include(timer);
    }
}

void TBarView::StopViewTimer(int timer)
{
    if (!FActiveTimers.Contains(timer))
        return;
    if (HWND window = PopupWindowHandle(FWindow))
        KillTimer(window, ViewTimerBaseId + static_cast<uintptr_t>(timer));
    FActiveTimers.Exclude(timer);
}

void TBarView::StopAllViewTimers()
{
    for (int timer = ViewTimerOpen; timer <= ViewTimerScrollDown; ++timer)
        StopViewTimer(timer);
}

// --- scrolling
// -------------------------------------------------------------------------------------------------------

void TBarView::ScrollStep(bool down)
{
    ValidatePositions();
    const int arrow = PopupScrollArrowHeight();
    std::optional<int> edge;
    for (TBarItemViewer* viewer : FViewers) {
        if (!viewer->FClipped || viewer->Item()->ItemStyle().Contains(tbisSeparator))
            continue;
        const TRect& r = viewer->FBoundsRect;
        if (down && r.Bottom > FMaxHeight - arrow && (!edge || r.Bottom < *edge))
            edge = r.Bottom;
        if (!down && r.Top < arrow && (!edge || r.Top > *edge))
            edge = r.Top;
    }
    if (!edge)
        return;
    FScrollOffset += down ? *edge - (FMaxHeight - arrow) : *edge - arrow;
    UpdatePositions();
}

void TBarView::ScrollSelectedIntoView()
{
    ValidatePositions();
    if (!FSelected || !FSelected->FClipped)
        return;
    const int arrow = PopupScrollArrowHeight();
    const TRect& r = FSelected->FBoundsRect;
    if (r.Top < arrow)
        FScrollOffset += r.Top - arrow;
    else if (r.Bottom > FMaxHeight - arrow)
        FScrollOffset += r.Bottom - (FMaxHeight - arrow);
    else
        return;
    UpdatePositions();
}

// --- underlines, hints, accessibility
// -------------------------------------------------------------------------------

void TBarView::UpdateAccelUnderlines(bool showAccels)
{
    const bool show = showAccels || !FStyle.Contains(vsUseHiddenAccels) || AreKeyboardCuesEnabled();
    if (show == FState.Contains(vsShowAccels))
        return;
    if (show)
        FState.Include(vsShowAccels);
    else
        FState.Exclude(vsShowAccels);
    if (!FWindow || !FWindow->HandleAllocated() || !IsWindowVisible(FWindow->Handle()))
        return;
    for (TBarItemViewer* viewer : FViewers)
        if (viewer->CaptionShown() && GetAccelChar(viewer->GetDisplayCaption()) != U'\0')
            Invalidate(viewer);
}

void TBarView::HandleHintShowMessage(TMessage& message)
{
    THintInfo& info = *reinterpret_cast<THintInfo*>(message.LParam);
    info.HintStr.clear();
    TBarItemViewer* viewer = ViewerFromPoint(info.CursorPos);
    if (!viewer)
        return;
    info.CursorRect = viewer->FBoundsRect;
    info.HintStr = viewer->GetHintText();
    info.HintData = viewer;
}

std::shared_ptr<TBarBaseAccObject> TBarView::GetAccObject()
{
    if (!FAccObjectInstance)
        FAccObjectInstance = BarAccessibility().ObjectForView(*this);
    return FAccObjectInstance;
}

bool TBarView::HandleGetObject(TMessage& message)
{
    return static_cast<int>(message.LParam) == OBJID_CLIENT &&
           BarAccessibility().AnswerGetObject(*this, message);
}

void TBarView::NotifyFocusEvent()
{
    if (!FState.Contains(vsModal) || !RootView()->FState.Contains(vsModal) || IsModalEnding() || !FWindow ||
        !FWindow->HandleAllocated() || !IsWindowVisible(FWindow->Handle()))
        return;
    if (!FSelected || !FSelected->IsAccessible()) {
        if (FParentView)
            FParentView->NotifyFocusEvent();
        else
            CallNotifyWinEvent(EVENT_OBJECT_FOCUS, FWindow->Handle(), OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    int child = 1;
    for (TBarItemViewer* viewer : FViewers) {
        if (viewer == FSelected)
            break;
        child += viewer->IsAccessible() ? 1 : 0;
    }
    CallNotifyWinEvent(EVENT_OBJECT_FOCUS, FWindow->Handle(), OBJID_CLIENT, child);
}
