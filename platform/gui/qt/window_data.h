#pragma once

// The window behind a windowed control: two Qt widgets (the window with its frame, and the client area
// inside it), the styles it was made with, its frame geometry and scroll bars. For the layer's own sources.

#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/messages.h"
#include "platform/gui/windows/scroll_bars.h"

#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class TCanvas;
class TControl;
class TWinControl;
class TWindowWidget;

struct TScrollBarState
{
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    int trackPos = 0;
    bool visible = false;
    unsigned disabledArrows = 0; // ESB_DISABLE_* bits
    bool tracking = false;
};

// A press on a scroll bar in progress.
struct TScrollTracking
{
    int bar = -1;
    TScrollBarPart part = sbpNone;
    int grabOffset = 0; // pointer to thumb start while dragging
    bool over = true;   // the pointer is still over the pressed part
};

struct TWindowData
{
    HWND handle = nullptr;
    QPointer<TWindowWidget> widget;
    QPointer<QWidget> client;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint32_t classStyle = 0;
    // The client area in window coordinates, as WM_NCCALCSIZE left it.
    TRect clientInWindow;
    TScrollBarState bars[2];
    // SB_HORZ or SB_VERT when the whole window is that scroll bar (a scroll bar control); -1 otherwise.
    int barControl = -1;
    TScrollTracking tracking;
    QTimer* repeatTimer = nullptr;
    std::optional<TRegion> region;
    uint8_t alpha = 255;
    int uiState = -1; // the UISF_* bits of the window's UI state; -1 until set: its parent's
    // The canvas over the whole window while the frame paints (GetWindowDC).
    TCanvas* frameCanvas = nullptr;
    // Set while the window itself moves or sizes its widgets, so the widget events this causes are not
    // taken for the user's.
    int settingGeometry = 0;
    int ncHover = 0; // hit-test code under the pointer in the frame, 0 outside it
    QRegion invalid; // client pixels waiting for a paint (the update region)
    // The client widget whose paint the message loop has been asked for and not yet handed to the toolkit;
    // a widget that went away meanwhile leaves it null, so a new one is asked for again.
    QPointer<QWidget> paintAskedFor;
};

// One registry of windows by handle.
HWND RegisterWindow(TWinControl* control);
void UnregisterWindow(HWND handle);
TWinControl* WindowControl(HWND handle);
// The window data of a handle's control; null for a handle no window has.
TWindowData* WindowDataOf(HWND handle);
// Calls visit for every window that exists (a snapshot: windows made or destroyed meanwhile do not count).
void ForEachWindow(const std::function<void(TWinControl*)>& visit);
// Tells the application when the program comes to the foreground or goes to the background (from the
// first top-level window on).
void WatchApplicationActivation();

// Delivers a message that the window system sent (not posted): WH_CALLWNDPROC hooks, then the window
// procedure; an exception from a handler is reported and the message answers 0.
LRESULT DeliverSentMessage(TWinControl* control, uint32_t msg, WPARAM wParam, LPARAM lParam);
// Delivers an input message as the message loop would: hooks and the application's message handler may
// swallow it (the answer is then false).
bool DeliverInputMessage(TWinControl* control, uint32_t msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The message queue's side of input (message_loop.cpp): whether a loop of our own waits for messages now,
// so that input is queued rather than delivered; queuing an input message (a key-down with the characters
// the keyboard typed for TranslateMessage); the WH_GETMESSAGE hooks and the message position when a message
// is taken.
bool InputIsQueued();
void QueueInput(const TMsg& msg, std::u32string chars = {}, uint32_t charMessage = 0);
// Whether any message waits in the queue (for the test driver, which acts while a loop of ours is idle).
bool MessagesQueued();
// How many times loops of ours have looked into the queue (for the test driver, which tells a loop that
// waits for input from one that keeps looking).
unsigned QueueLooks();
// A mouse message queued for the window that held the capture then, delivered now that another window or
// none holds it: it goes to the window under its point (or the new captor), as fresh input does.
void RedeliverMouseInput(const TMsg& msg);
void NoteMessageFetched(TMsg& msg, unsigned peekFlags);
// Delivers a message taken from the queue: keyboard and mouse hooks, the application's message handling,
// the reflected notification, the window procedure. False when it went no further than the reflection.
bool DispatchInput(TMsg& msg, LRESULT* result);

// The window's frame and scroll bars, drawn on a canvas over the whole window.
void PaintDefaultFrame(TWinControl& control, TCanvas& canvas);
// The default client rectangle for a window rectangle (both in the same coordinates).
TRect DefaultClientRect(const TWindowData& window, const TRect& windowRect, int borderWidth);
// The default hit-test code of a point in window coordinates.
int DefaultHitTest(const TWinControl& control, TPoint windowPos);
// Scroll bar rectangles in window coordinates (empty when hidden).
TRect ScrollBarRect(const TWindowData& window, int bar, const TRect& windowRect);
// Starts, continues and ends the user's work on a scroll bar.
void ScrollBarPress(TWinControl& control, int bar, TPoint windowPos);
void ScrollBarMove(TWinControl& control, TPoint windowPos);
void ScrollBarRelease(TWinControl& control);

// Offers a key to the application's main-window hooks (CM_APPKEYDOWN); true when one took it.
bool AppKeyDownHook(const TMessage& keyMessage);

// The application's handling of every message the loop takes (its message hook, hints, OnMessage); true
// when it took the message.
void SetInputMessageFilter(std::function<bool(TMsg&)> filter);
// The application's side of a control going away (its hint forgets it).
void SetControlRemovedObserver(std::function<void(TControl*)> observer);

// The pointer position of the last mouse message (GetCursorPos answers it).
void SetCursorPosNoted(TPoint screenPos);
TControl* GetMouseOverControl();
void NoteFocusChange(HWND focused);
HWND PreviousFocus();

// Notices that a control goes away: capture, pointer tracking and hints forget it.
void ControlDestroyed(TControl* control);
// The control under the pointer as the layer tracks it for CM_MOUSEENTER/CM_MOUSELEAVE. While a control
// holds the capture only it hears them: it leaves when the pointer goes off it and enters when it comes back.
void TrackMouseOver(TControl* control);
