#include "controls/toolbars/dock_helpers.h"

#include "controls/toolbars/dock.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/message_helpers.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// [closeButtonWhenDocked][style] in the order dhDouble, dhNone, dhSingle.
constexpr int DragHandleSizes[2][3] = {{9, 0, 6}, {14, 14, 14}};
constexpr int DragHandleOffsets[2][3] = {{2, 0, 1}, {3, 0, 5}};

} // namespace

int DockedBorderWidth()
{
    return ScaleForDPI(2);
}

int DockedBorderTotal()
{
    return 2 * DockedBorderWidth();
}

int DefaultDockReturnPos()
{
    return -ScaleForDPI(8);
}

int DragHandleSize(bool closeButtonWhenDocked, TBarDragHandleStyle style)
{
    return ScaleForDPI(DragHandleSizes[closeButtonWhenDocked ? 1 : 0][style]);
}

int DragHandleOffset(bool closeButtonWhenDocked, TBarDragHandleStyle style)
{
    return ScaleForDPI(DragHandleOffsets[closeButtonWhenDocked ? 1 : 0][style]);
}

int SmallCaptionHeight()
{
    return GetSystemMetrics(SM_CYSMCAPTION);
}

TBarDockKind DockKindOf(const TBarDock* dock, bool floating)
{
    if (floating)
        return dkFloating;
    if (!dock)
        return dkNotDocked;
    return dock->Vertical() ? dkVertical : dkHorizontal;
}

TCustomForm* FindOwningForm(const TControl* window)
{
    TCustomForm* form = nullptr;
    for (const TControl* c = window; c; c = c->Parent())
        if (auto* f = dynamic_cast<const TCustomForm*>(c))
            form = const_cast<TCustomForm*>(f);
    if (auto* frame = dynamic_cast<TBarFloatingWindowParent*>(form))
        return frame->ParentForm();
    return form;
}

TCustomForm* ValidOwningForm(const TControl* window)
{
    TCustomForm* form = FindOwningForm(window);
    if (!form)
        throw EInvalidOperation("Control '" + window->Name() + "' has no parent window");
    return form;
}

TCustomForm* GetMDIParent(TCustomForm* form)
{
    return form;
}

void SetWindowOwner(HWND wnd, HWND owner)
{
    SetWindowLong(wnd, GWLP_HWNDPARENT, reinterpret_cast<intptr_t>(owner));
}

HWND FindActivatableWindow(HWND except)
{
    HWND normal = nullptr;
    HWND topmost = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [&](HWND window, LPARAM) {
            if (window == except || !IsWindowVisible(window) || !IsWindowEnabled(window))
                return true;
            const bool onTop = (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            HWND& slot = onTop ? topmost : normal;
            if (!slot)
                slot = window;
            return normal == nullptr;
        },
        0);
    return normal ? normal : topmost;
}

bool IsAncestorWindow(HWND ancestor, HWND wnd)
{
    for (HWND w = wnd; w; w = GetParent(w))
        if (w == ancestor)
            return true;
    return false;
}

void RecalcNonClientArea(TWinControl* control)
{
    if (control->HandleAllocated())
        SetWindowPos(control->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void RedrawWholeWindow(TWinControl* control)
{
    if (control->HandleAllocated())
        RedrawWindow(control->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_NOCHILDREN);
}

TRect ClientInWindow(TWinControl* control)
{
    TRect window;
    GetWindowRect(control->Handle(), window);
    const TPoint origin = control->ClientOrigin();
    return Bounds(origin.X - window.Left, origin.Y - window.Top, control->ClientWidth(),
                  control->ClientHeight());
}

namespace {

bool CursorIn(const TRect& screenRect)
{
    TPoint p;
    GetCursorPos(p);
    return PtInRect(screenRect, p);
}

} // namespace

bool TrackButtonPress(HWND wnd, const TRect& screenRect, const std::function<void(bool pushed)>& callback)
{
    bool released = false;
    callback(CursorIn(screenRect));
    SetCapture(wnd);
    auto finish = [&] {
        if (GetCapture() == wnd)
            ReleaseCapture();
        callback(false);
    };
    try {
        released = RunPressLoop(wnd, [&](const TMsg& msg, bool&) {
            if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
                return true;
            if (msg.message != WM_MOUSEMOVE)
                return false;
            callback(CursorIn(screenRect));
            return true;
        });
        released = released && CursorIn(screenRect);
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return released;
}

void FloatingWindowsHookProc(THookProcCode code, HWND wnd, WPARAM, LPARAM lParam)
{
    // A copy: a window may leave the list while the others are visited.
    const std::vector<TBarCustomDockableWindow*> windows = TBarCustomDockableWindow::FloatingWindows();
    switch (code) {
    case hpSendActivate:
    case hpSendActivateApp:
        for (TBarCustomDockableWindow* window : windows)
            window->SyncVisibility();
        break;
    case hpSendWindowPosChanged: {
        const auto* pos = reinterpret_cast<const TWindowPos*>(lParam);
        if (!pos || !(pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED)))
            break;
        for (TBarCustomDockableWindow* window : windows) {
            if (window->FloatingMode() != fmOnTopOfParentForm || !window->HandleAllocated())
                continue;
            TCustomForm* form = FindOwningForm(window);
            if (form && form->HandleAllocated() && (wnd == form->Handle() || IsChild(form->Handle(), wnd)))
                window->SyncVisibility();
        }
        break;
    }
    case hpPreDestroy:
        for (TBarCustomDockableWindow* window : windows) {
            TBarFloatingWindowParent* frame = window->FloatParent();
            if (frame && frame->HandleAllocated() &&
                reinterpret_cast<HWND>(GetWindowLong(frame->Handle(), GWLP_HWNDPARENT)) == wnd) {
                TCustomForm* main = Application->MainForm();
                SetWindowOwner(frame->Handle(), main && main->HandleAllocated() && main->Handle() != wnd
                                                    ? main->Handle()
                                                    : nullptr);
            }
        }
        break;
    case hpGetMessage:
        break;
    }
}
