#pragma once

#include "controls/toolbars/dock_types.h"
#include "controls/toolbars/hook_service.h"
#include "platform/gui/windows/messages.h"

#include <functional>

// What docks, docked windows and floating frames share: their scaled metrics, the form a window belongs
// to, a few window tools, the tracking of a pressed frame button and the hook procedure that keeps floating
// windows in step with their forms.

class TControl;
class TCustomForm;
class TWinControl;

// --- rectangles ---
inline bool IsRectEmpty(const TRect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}
inline bool RectsMeet(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom && !IsRectEmpty(a) &&
           !IsRectEmpty(b);
}

// --- metrics ---
// The border a docked window keeps on each side, and on both sides of a row.
int DockedBorderWidth();
int DockedBorderTotal();
// The DockPos of a window put back on its default dock: ahead of every window of row 0.
int DefaultDockReturnPos();
// The drag-handle band at the start of a docked window, and where its grip bars start inside it.
int DragHandleSize(bool closeButtonWhenDocked, TBarDragHandleStyle style);
int DragHandleOffset(bool closeButtonWhenDocked, TBarDragHandleStyle style);
// The height of a floating frame's caption, unscaled.
int SmallCaptionHeight();

// --- forms and windows ---
TBarDockKind DockKindOf(const TBarDock* dock, bool floating);
// The outermost form above window; a floating frame answers the form it belongs to. nullptr for none.
TCustomForm* FindOwningForm(const TControl* window);
// As FindOwningForm; raises EInvalidOperation "Control '<Name>' has no parent window" without a form.
TCustomForm* ValidOwningForm(const TControl* window);
// The form whose windows a form's floating windows stay above. There is no multiple-document frame here, so
// every form is its own.
TCustomForm* GetMDIParent(TCustomForm* form);
// The owner of a top-level window (the window it stays above).
void SetWindowOwner(HWND wnd, HWND owner);
// The first shown, enabled top-level window of the thread other than except, windows that stay on top
// last; nullptr when there is none.
HWND FindActivatableWindow(HWND except);
bool IsAncestorWindow(HWND ancestor, HWND wnd);
// The frame of the control's window is computed and painted again.
void RecalcNonClientArea(TWinControl* control);
// The whole window with its frame is painted again, its children not.
void RedrawWholeWindow(TWinControl* control);
// The client area in the coordinates of the whole window (its frame's top-left at 0, 0).
TRect ClientInWindow(TWinControl* control);

// Tracks a press on a button of a window's frame (screenRect, screen coordinates) until the left button is
// released, another press comes or the capture is lost; callback(pushed) follows whether the pointer is over
// the button, ending with false. True when the button was released over the button. Keys and the other
// buttons are dropped meanwhile; a quit request ends it and is posted again.
bool TrackButtonPress(HWND wnd, const TRect& screenRect, const std::function<void(bool pushed)>& callback);

// The hook procedure of the thread's floating windows: they follow the activation of the thread's windows
// and their forms' showing, and a frame whose owner goes is given the main form as owner.
void FloatingWindowsHookProc(THookProcCode code, HWND wnd, WPARAM wParam, LPARAM lParam);
