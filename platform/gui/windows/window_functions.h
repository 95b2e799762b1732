#pragma once

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/messages.h"

// The window functions of the classic platform over the windows of the windowed controls: messages sent and
// posted, focus, capture, geometry, painting, regions and opacity. A function given a handle that is no
// (longer a) window does nothing and answers 0/false.

class TControl;
class TWinControl;

// Sends at once, through the window procedure (and the WH_CALLWNDPROC hooks); 0 for no window.
LRESULT SendMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam);

bool IsWindow(HWND window);
bool IsWindowVisible(HWND window);
bool IsWindowEnabled(HWND window);
bool EnableWindow(HWND window, bool enable);
HWND GetParent(HWND window);
// Moves a child window into newParent's client area keeping its handle, its position (now in newParent's
// client coordinates) and whether it shows; answers the old parent, nullptr when either is no window.
HWND SetParent(HWND window, HWND newParent);
bool IsChild(HWND parent, HWND window);
HWND WindowFromPoint(TPoint screenPos);

// Focus: the window taking the keyboard; SetFocus answers the window that had it.
HWND GetFocus();
HWND SetFocus(HWND window);
HWND GetActiveWindow();

// Mouse capture: all mouse messages go to the capturing window until it is released; the window losing it
// gets WM_CAPTURECHANGED with the new capture window in LParam.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();
// The control holding the capture (windowless controls capture through their parent's window).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// Geometry. Window rectangles are in screen coordinates; client rectangles start at (0, 0).
bool GetWindowRect(HWND window, TRect& rect);
bool GetClientRect(HWND window, TRect& rect);
bool ClientToScreen(HWND window, TPoint& point);
bool ScreenToClient(HWND window, TPoint& point);
int MapWindowPoints(HWND from, HWND to, TPoint* points, int count);
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, unsigned flags);
bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
// A window that shows or hides hears WM_WINDOWPOSCHANGED with SWP_SHOWWINDOW or SWP_HIDEWINDOW.
bool ShowWindow(HWND window, int command);
bool BringWindowToTop(HWND window);

// Styles.
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
// The owner of a top-level window: the window it stays above (nullptr for none).
constexpr int GWLP_HWNDPARENT = -8;
intptr_t GetWindowLong(HWND window, int index);
intptr_t SetWindowLong(HWND window, int index, intptr_t value);

// Painting. Each window keeps an update region of its client area: invalidating adds to it, validating
// takes parts off it, and a paint (WM_ERASEBKGND, WM_PAINT) takes off what it paints, whether the message
// loop asks for it or UpdateWindow does at once. The loop paints what is still invalid when it next turns,
// so an area validated before then is not painted. rect nullptr is the whole client area.
bool InvalidateRect(HWND window, const TRect* rect, bool erase);
bool ValidateRect(HWND window, const TRect* rect);
bool UpdateWindow(HWND window);
constexpr unsigned RDW_INVALIDATE = 0x0001;
constexpr unsigned RDW_INTERNALPAINT = 0x0002;
constexpr unsigned RDW_ERASE = 0x0004;
constexpr unsigned RDW_VALIDATE = 0x0008;
constexpr unsigned RDW_NOERASE = 0x0020;
constexpr unsigned RDW_NOCHILDREN = 0x0040;
constexpr unsigned RDW_ALLCHILDREN = 0x0080;
constexpr unsigned RDW_UPDATENOW = 0x0100;
constexpr unsigned RDW_ERASENOW = 0x0200;
constexpr unsigned RDW_FRAME = 0x0400;
constexpr unsigned RDW_NOFRAME = 0x0800;
bool RedrawWindow(HWND window, const TRect* rect, const TRegion* region, unsigned flags);
// The canvas over the whole window (frame included) while the window paints its frame; nullptr otherwise.
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// Scrolling moves the pixels on screen by dx, dy: those inside both rect (the whole client area when nullptr)
// and clip (no further limit when nullptr) move, staying inside that area, and the part of the area they
// no longer cover is invalidated. The update region moves with the pixels. Pixels reach the screen only
// through a paint here, so the uncovered part is always invalidated, as SW_INVALIDATE asks, and the paint
// always erases, as SW_ERASE asks; child windows stay where they are. ScrollWindowEx answers the uncovered
// part in update and its bounds in updateRect (either may be nullptr) and its kind (RGN_ERROR for no
// window).
bool ScrollWindow(HWND window, int dx, int dy, const TRect* rect, const TRect* clip);
constexpr unsigned SW_INVALIDATE = 0x0002;
constexpr unsigned SW_ERASE = 0x0004;
TRegionKind ScrollWindowEx(HWND window, int dx, int dy, const TRect* rect, const TRect* clip, TRegion* update,
                           TRect* updateRect, unsigned flags);

// The shape of the window: only the pixels of region belong to it (an empty optional: the whole window).
// The region is in window coordinates.
int SetWindowRgn(HWND window, const TRegion* region, bool redraw);
int GetWindowRgn(HWND window, TRegion& region);
// Whole-window opacity, 0 (invisible) to 255 (opaque).
bool SetLayeredWindowAlpha(HWND window, uint8_t alpha);
constexpr unsigned ULW_COLORKEY = 0x01;
constexpr unsigned ULW_ALPHA = 0x02;
constexpr unsigned ULW_OPAQUE = 0x04;
// Shows a layered window (extended style WS_EX_LAYERED) with a constant opacity: moves it to position and
// gives it size when they are given and, with ULW_ALPHA, makes it blend.SourceConstantAlpha opaque. The
// window keeps painting itself, so the picture that source holds (the caller's capture of the window) is
// not read. Per-pixel alpha (AC_SRC_ALPHA) and colour keys are not supported and fail, as does a window
// without WS_EX_LAYERED. Taking WS_EX_LAYERED away again makes the window opaque.
bool UpdateLayeredWindow(HWND window, HDC destination, const TPoint* position, const TSize* size, HDC source,
                         const TPoint* sourcePos, TColor colorKey, const TBlendFunction* blend,
                         unsigned flags);
// The opacity of a layered window (LWA_ALPHA in flags; no colour keys here). False for a window that is
// not layered.
constexpr unsigned LWA_COLORKEY = 0x01;
constexpr unsigned LWA_ALPHA = 0x02;
bool GetLayeredWindowAttributes(HWND window, TColor* colorKey, uint8_t* alpha, unsigned* flags);

bool GetCursorPos(TPoint& point);
bool SetCursorPos(int x, int y);

// The window's frame changed (styles, border, scroll bars): WM_NCCALCSIZE again, then size messages when
// the client area changed, and the frame repainted.
void RecalcFrame(HWND window);
