#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// Where a dockable window lies and whether it shows: its moves between a form, a dock and a floating frame,
// its bounds, and the visibility of a floating window, which follows its form and the thread's activation.

namespace {

thread_local std::vector<TBarCustomDockableWindow*> floatingWindows;

} // namespace

const std::vector<TBarCustomDockableWindow*>& TBarCustomDockableWindow::FloatingWindows()
{
    return floatingWindows;
}

void TBarCustomDockableWindow::SetCurrentDock(TBarDock* value)
{
    if (ComponentState().Contains(csLoading))
        return;
    SetParent(value ? value : static_cast<TWinControl*>(ValidOwningForm(this)));
}

void TBarCustomDockableWindow::RecomputePlace()
{
    FCurrentDock = dynamic_cast<TBarDock*>(Parent());
    FFloating = dynamic_cast<TBarFloatingWindowParent*>(Parent()) != nullptr;
    FDocked = FCurrentDock != nullptr;
}

void TBarCustomDockableWindow::SetParent(TWinControl* value)
{
    auto* oldDock = dynamic_cast<TBarDock*>(Parent());
    auto* newDock = dynamic_cast<TBarDock*>(value);
    const bool newFloating = dynamic_cast<TBarFloatingWindowParent*>(value) != nullptr;
    if (value == Parent()) {
        RecomputePlace();
        UpdateFloatingList();
        return;
    }
    const bool announce = !ComponentState().Contains(csDestroying) && value;
    if (announce) {
        if (OnDockChanging)
            OnDockChanging(this, newFloating, newDock);
        if (OnRecreating)
            OnRecreating(this);
    }
    // Hidden while it moves; every counter and bracket is given back, also when the move fails.
    ++FHidden;
    ++FDisableOnMove;
    if (oldDock)
        oldDock->BeginUpdate();
    if (newDock)
        newDock->BeginUpdate();
    ++FUpdatingBounds;
    const int disableArrange = FDisableArrange;
    auto restore = [&] {
        FDisableArrange = disableArrange;
        --FUpdatingBounds;
        if (newDock)
            newDock->EndUpdate();
        if (oldDock)
            oldDock->EndUpdate();
        --FDisableOnMove;
        --FHidden;
        SyncVisibility();
    };
    try {
        SyncVisibility();
        if (value)
            DoDockChangingHidden(newFloating, newDock);
        BeginUpdate();
        FCurrentSize = 0;
        MoveToParent(value, oldDock, newDock, newFloating);
        UpdateFloatingList();
        Arrange();
        EndUpdate();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    if (Parent())
        NotifyMoved();
    if (announce) {
        if (OnRecreated)
            OnRecreated(this);
        if (OnDockChanged)
            OnDockChanged(this);
    }
}

void TBarCustomDockableWindow::MoveToParent(TWinControl* value, TBarDock* oldDock, TBarDock* newDock,
                                            bool newFloating)
{
    if (oldDock) {
        if (!(FUseLastDock && FLastDock == oldDock))
            std::erase(oldDock->DockList, this);
        oldDock->UpdateVisibleList(this, true);
    }
    // The window is set aside while the control leaves its parent, so that it keeps its handle, and goes
    // into the new parent's client area once the control knows where it lies (its frame depends on that).
    const HWND kept = value && HandleAllocated() && value->HandleAllocated() ? SetWindowAside() : nullptr;
    try {
        TCustomControl::SetParent(nullptr);
        FCurrentDock = newDock;
        FFloating = newFloating;
        FDocked = newDock != nullptr;
        if (kept) {
            RestoreWindow(kept);
            ::SetParent(kept, value->Handle());
            SetWindowPos(kept, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        TCustomControl::SetParent(value);
    } catch (...) {
        if (kept && !HandleAllocated())
            RestoreWindow(kept);
        // A window left without a parent keeps no window, as one taken off its parent would not.
        if (!Parent())
            DestroyHandle();
        RecomputePlace();
        throw;
    }
    FEffectiveDockRow = -1;
    if (!FSmoothDragging && FFloatParent && FFloatParent != Parent())
        FreeAndNil(FFloatParent);
    if (newDock) {
        if (FUseLastDock && !FSmoothDragging) {
            SetLastDock(newDock);
            newDock->UpdateVisibleList(this, false);
        } else {
            newDock->UpdateDockList(true, this);
        }
    }
}

void TBarCustomDockableWindow::UpdateFloatingList()
{
    auto it = std::find(floatingWindows.begin(), floatingWindows.end(), this);
    if (!FFloating || !dynamic_cast<TBarFloatingWindowParent*>(Parent())) {
        if (it != floatingWindows.end())
            floatingWindows.erase(it);
        return;
    }
    if (it == floatingWindows.end())
        floatingWindows.push_back(this);
    PlaceFloatingFrame();
}

void TBarCustomDockableWindow::PlaceFloatingFrame()
{
    if (auto* frame = dynamic_cast<TBarFloatingWindowParent*>(Parent()))
        frame->SetBounds(FFloatingPosition.X, FFloatingPosition.Y, frame->Width(), frame->Height());
}

void TBarCustomDockableWindow::SetBounds(int left, int top, int width, int height)
{
    if (auto* frame = dynamic_cast<TBarFloatingWindowParent*>(Parent()); frame && FFloating) {
        frame->SetBounds(frame->Left(), frame->Top(), frame->Width() + width - frame->ClientWidth(),
                         frame->Height() + height - frame->ClientHeight());
        left = 0;
        top = 0;
    }
    if (FUpdatingBounds == 0 && (width != Width() || height != Height()))
        ClientSizeChanging(width, height);
    TCustomControl::SetBounds(left, top, width, height);
}

// --- visibility --------------------------------------------------------------------------------------------

bool TBarCustomDockableWindow::ShouldBeShown()
{
    if (!Showing() || FHidden > 0)
        return false;
    if (!FFloating)
        return true;
    if (FFloatingMode == fmOnTopOfParentForm) {
        TCustomForm* form = FindOwningForm(this);
        if (!form || !form->HandleAllocated() || !form->Visible() || form->WindowState() == wsMinimized)
            return false;
    }
    return !FHideWhenInactive || ThreadHasActiveWindow();
}

void TBarCustomDockableWindow::SyncVisibility()
{
    if (!HandleAllocated())
        return;
    const bool visible = (GetWindowLong(Handle(), GWL_STYLE) & WS_VISIBLE) != 0 &&
                         (!FFloating || !FFloatParent || IsWindowVisible(FFloatParent->Handle()));
    if (visible != ShouldBeShown())
        Perform(CM_SHOWINGCHANGED, 0, 0);
    else if (visible && FFloating)
        RefreshCaptionState();
}

void TBarCustomDockableWindow::CMShowingChanged(TMessage&)
{
    if (!HandleAllocated())
        return;
    const bool show = ShouldBeShown();
    if (auto* frame = dynamic_cast<TBarFloatingWindowParent*>(Parent())) {
        if (show) {
            SetFrameOwner(show);
            RefreshCaptionState();
        }
        SyncTopmost();
        frame->SetShouldShow(show);
        frame->Perform(CM_SHOWINGCHANGED, 0, 0);
    }
    const bool wasActive = GetActiveWindow() == Handle();
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (!show && wasActive)
        if (HWND next = FindActivatableWindow(Handle()))
            ::SetFocus(next);
}

void TBarCustomDockableWindow::SetFrameOwner(bool)
{
    auto* frame = dynamic_cast<TBarFloatingWindowParent*>(Parent());
    if (!frame || !frame->HandleAllocated())
        return;
    HWND owner = nullptr;
    if (FFloatingMode == fmOnTopOfParentForm)
        if (TCustomForm* form = GetMDIParent(FindOwningForm(this)); form && form->HandleAllocated())
            owner = form->Handle();
    if (reinterpret_cast<HWND>(GetWindowLong(frame->Handle(), GWLP_HWNDPARENT)) != owner)
        SetWindowOwner(frame->Handle(), owner);
}

void TBarCustomDockableWindow::SyncTopmost()
{
    auto* frame = dynamic_cast<TBarFloatingWindowParent*>(Parent());
    if (!frame || !frame->HandleAllocated())
        return;
    const HWND owner = reinterpret_cast<HWND>(GetWindowLong(frame->Handle(), GWLP_HWNDPARENT));
    const bool topmost = FFloatingMode == fmOnTopOfAllForms ||
                         (owner && (GetWindowLong(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    if (((GetWindowLong(frame->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) != topmost)
        SetWindowPos(frame->Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TBarCustomDockableWindow::RefreshCaptionState()
{
    auto* frame = dynamic_cast<TBarFloatingWindowParent*>(Parent());
    if (!frame || !frame->HandleAllocated())
        return;
    const HWND active = GetActiveWindow();
    // While one of the menus' popups is active, the caption keeps its state.
    if (dynamic_cast<ITBPopupWindow*>(FindControl(active)))
        return;
    bool inactive = !active;
    const HWND owner = reinterpret_cast<HWND>(GetWindowLong(frame->Handle(), GWLP_HWNDPARENT));
    if (!inactive && FFloatingMode == fmOnTopOfParentForm && owner) {
        HWND considered = active;
        if (auto* activeFrame = dynamic_cast<TBarFloatingWindowParent*>(FindControl(active));
            activeFrame && activeFrame->ParentForm() && activeFrame->ParentForm()->HandleAllocated())
            considered = activeFrame->ParentForm()->Handle();
        inactive = considered != frame->Handle() && considered != owner &&
                   !IsAncestorWindow(considered, frame->Handle());
    }
    if (inactive == FInactiveCaption)
        return;
    FInactiveCaption = inactive;
    frame->RedrawNCArea({fpFrame, fpCaption, fpCloseButton});
}

void TBarCustomDockableWindow::CMVisibleChanged(TMessage& message)
{
    if (FDocked)
        FCurrentDock->UpdateVisibleList(this, false);
    TCustomControl::Dispatch(message);
    if (OnVisibleChanged)
        OnVisibleChanged(this);
}
