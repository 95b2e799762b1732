#include "platform/gui/windows/window_functions.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/qt/accessible_bridge.h"
#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/hooks.h"
#include "platform/gui/windows/win_control.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>

#include <map>

namespace {

std::map<HWND, TWinControl*>& Windows()
{
    static std::map<HWND, TWinControl*> windows;
    return windows;
}

uintptr_t nextHandle = 0x100;
HWND captureWindow = nullptr;
TControl* captureControl = nullptr;
TControl* mouseOver = nullptr;
HWND focusNow = nullptr;
HWND focusBefore = nullptr;
bool cursorPosKnown = false;
TPoint cursorPos;
// Function-local, so that the application object may install it while the program's statics are made.
std::function<bool(TMsg&)>& InputFilter()
{
    static std::function<bool(TMsg&)> filter;
    return filter;
}

std::function<void(TControl*)>& ControlRemovedObserver()
{
    static std::function<void(TControl*)> observer;
    return observer;
}

bool IsKeyMessage(uint32_t msg)
{
    return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

bool IsMouseMessage(uint32_t msg)
{
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

// The keyboard and mouse hooks and the application's handler see a message the loop delivers; true when
// they let it through.
bool FilterLoopMessage(TMsg& msg)
{
    if (IsKeyMessage(msg.message) && CallHooks(WH_KEYBOARD, HC_ACTION, msg.wParam, msg.lParam) != 0)
        return false;
    if (IsMouseMessage(msg.message)) {
        TMouseHookStruct info{cursorPos, msg.hwnd, HTCLIENT};
        if (CallHooks(WH_MOUSE, HC_ACTION, msg.message, reinterpret_cast<LPARAM>(&info)) != 0)
            return false;
    }
    return !(InputFilter() && InputFilter()(msg));
}

bool IsReflectedKeyMessage(uint32_t msg)
{
    return IsKeyMessage(msg) || msg == WM_CHAR || msg == WM_SYSCHAR;
}

} // namespace

// --- registry ----------------------------------------------------------------------------------------------

HWND RegisterWindow(TWinControl* control)
{
    HWND handle = reinterpret_cast<HWND>(nextHandle++);
    Windows()[handle] = control;
    return handle;
}

void UnregisterWindow(HWND handle)
{
    GuardedCall(nullptr, [&] { CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(handle), 0); });
    ForgetAccessibleObjects(handle);
    Windows().erase(handle);
    if (captureWindow == handle) {
        captureWindow = nullptr;
        captureControl = nullptr;
    }
    if (focusNow == handle)
        focusNow = nullptr;
    if (focusBefore == handle)
        focusBefore = nullptr;
}

TWinControl* WindowControl(HWND handle)
{
    if (!handle)
        return nullptr;
    auto it = Windows().find(handle);
    return it == Windows().end() ? nullptr : it->second;
}

TWindowData* WindowDataOf(HWND handle)
{
    TWinControl* control = WindowControl(handle);
    return control ? &control->Window() : nullptr;
}

void ForEachWindow(const std::function<void(TWinControl*)>& visit)
{
    std::vector<HWND> handles;
    for (const auto& [handle, control] : Windows())
        handles.push_back(handle);
    for (HWND handle : handles)
        if (TWinControl* control = WindowControl(handle))
            visit(control);
}

void ControlDestroyed(TControl* control)
{
    if (ControlRemovedObserver())
        ControlRemovedObserver()(control);
    if (captureControl == control) {
        captureControl = nullptr;
        if (captureWindow)
            ReleaseCapture();
    }
    if (mouseOver == control)
        mouseOver = nullptr;
}

namespace {

// While a control holds the mouse, the pointer is over that control or, for entering and leaving, nothing.
TControl* HearingControl(TControl* under)
{
    TControl* captor = GetCaptureControl();
    return captor && under != captor ? nullptr : under;
}

} // namespace

void TrackMouseOver(TControl* control)
{
    control = HearingControl(control);
    if (control == mouseOver)
        return;
    TControl* old = mouseOver;
    mouseOver = control;
    if (old)
        GuardedCall(old, [&] { old->Perform(CM_MOUSELEAVE, 0, 0); });
    // The one that left may have taken the mouse (a popup captures it again when the pointer goes).
    if (mouseOver == control && HearingControl(control) != control)
        mouseOver = nullptr;
    if (control && mouseOver == control)
        GuardedCall(control, [&] { control->Perform(CM_MOUSEENTER, 0, 0); });
}

TControl* GetMouseOverControl()
{
    return mouseOver;
}

void SetInputMessageFilter(std::function<bool(TMsg&)> filter)
{
    InputFilter() = std::move(filter);
}

void SetControlRemovedObserver(std::function<void(TControl*)> observer)
{
    ControlRemovedObserver() = std::move(observer);
}

void SetCursorPosNoted(TPoint screenPos)
{
    cursorPosKnown = true;
    cursorPos = screenPos;
}

void NoteFocusChange(HWND focused)
{
    if (focused == focusNow)
        return;
    focusBefore = focusNow;
    focusNow = focused;
}

HWND PreviousFocus()
{
    return focusBefore;
}

// --- messages ----------------------------------------------------------------------------------------------

LRESULT DeliverSentMessage(TWinControl* control, uint32_t msg, WPARAM wParam, LPARAM lParam)
{
    if (!control)
        return 0;
    TMessage message{msg, wParam, lParam, 0};
    GuardedCall(control, [&] {
        TCWPStruct info{lParam, wParam, msg, control->Window().handle};
        CallHooks(WH_CALLWNDPROC, HC_ACTION, 0, reinterpret_cast<LPARAM>(&info));
        control->WindowProc(message);
    });
    return message.Result;
}

bool DeliverInputMessage(TWinControl* control, uint32_t msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (InputIsQueued()) {
        QueueInput(TMsg{control->Window().handle, msg, wParam, lParam, 0, cursorPos});
        return true;
    }
    TMsg loopMessage{control->Window().handle, msg, wParam, lParam, 0, cursorPos};
    NoteMessageFetched(loopMessage, PM_REMOVE);
    return DispatchInput(loopMessage, result);
}

bool DispatchInput(TMsg& loopMessage, LRESULT* result)
{
    if (!loopMessage.hwnd) {
        GuardedCall(nullptr, [&] { FilterLoopMessage(loopMessage); });
        return false;
    }
    TWinControl* control = WindowControl(loopMessage.hwnd);
    if (!control)
        return false;
    bool passed = false;
    GuardedCall(control, [&] { passed = FilterLoopMessage(loopMessage); });
    if (!passed)
        return false;
    TWinControl* target = WindowControl(loopMessage.hwnd);
    if (!target)
        return false;
    TMessage message{loopMessage.message, loopMessage.wParam, loopMessage.lParam, 0};
    bool reflectedTook = false;
    GuardedCall(target, [&] {
        // Keys go first to the control's reflected notification, which may take them (dialog keys,
        // accelerators, shortcuts).
        if (IsReflectedKeyMessage(message.Msg) &&
            target->Perform(CN_BASE + message.Msg, message.WParam, message.LParam) != 0) {
            reflectedTook = true;
            return;
        }
        if (WindowControl(loopMessage.hwnd) == target)
            target->WindowProc(message);
    });
    if (result)
        *result = message.Result;
    return !reflectedTook;
}

LRESULT SendMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam)
{
    return DeliverSentMessage(WindowControl(window), msg, wParam, lParam);
}

// --- windows -----------------------------------------------------------------------------------------------

bool IsWindow(HWND window)
{
    return WindowControl(window) != nullptr;
}

bool IsWindowVisible(HWND window)
{
    TWindowData* w = WindowDataOf(window);
    return w && w->widget && w->widget->isVisible();
}

bool IsWindowEnabled(HWND window)
{
    TWindowData* w = WindowDataOf(window);
    return w && w->widget && w->widget->isEnabled();
}

bool EnableWindow(HWND window, bool enable)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->widget)
        return false;
    const bool wasDisabled = !w->widget->isEnabled();
    w->widget->setEnabled(enable);
    if (wasDisabled == enable)
        SendMessage(window, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

HWND GetParent(HWND window)
{
    TWinControl* control = WindowControl(window);
    TWinControl* parent = control ? control->Parent() : nullptr;
    return parent && parent->HandleAllocated() ? parent->Handle() : nullptr;
}

bool IsChild(HWND parent, HWND window)
{
    for (HWND w = GetParent(window); w; w = GetParent(w))
        if (w == parent)
            return true;
    return false;
}

namespace {

HWND HandleOfWidget(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* window = dynamic_cast<TWindowWidget*>(w); window && window->Control())
            return window->Control()->Window().handle;
    return nullptr;
}

} // namespace

HWND SetParent(HWND window, HWND newParent)
{
    TWindowData* w = WindowDataOf(window);
    TWindowData* p = WindowDataOf(newParent);
    if (!w || !w->widget || !p || !p->client || w->widget->isWindow() || w->widget->isAncestorOf(p->client))
        return nullptr;
    const HWND previous = HandleOfWidget(w->widget->parentWidget());
    const bool shown = !w->widget->isHidden();
    const QPoint position = w->widget->pos();
    w->widget->setParent(p->client);
    w->widget->move(position);
    if (shown)
        w->widget->show();
    return previous;
}

namespace {

// The widget under a screen point, windows the pointer passes through (overlays) left out: the desktop's
// answer, else the topmost other window that shows at the point.
QWidget* InputWidgetAt(QPoint p)
{
    QWidget* found = QApplication::widgetAt(p);
    if (found && !found->window()->testAttribute(Qt::WA_TransparentForMouseEvents))
        return found;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (!window->isVisible() || window->testAttribute(Qt::WA_TransparentForMouseEvents) ||
            !window->geometry().contains(p) ||
            (!window->mask().isEmpty() && !window->mask().contains(window->mapFromGlobal(p))))
            continue;
        QWidget* child = window->childAt(window->mapFromGlobal(p));
        return child ? child : window;
    }
    return nullptr;
}

} // namespace

HWND WindowFromPoint(TPoint screenPos)
{
    return HandleOfWidget(InputWidgetAt(QPoint(screenPos.X, screenPos.Y)));
}

HWND GetFocus()
{
    return HandleOfWidget(QApplication::focusWidget());
}

HWND SetFocus(HWND window)
{
    const HWND previous = GetFocus();
    TWindowData* w = WindowDataOf(window);
    if (w && w->widget) {
        if (w->widget->isWindow() || !w->widget->window()->isActiveWindow())
            w->widget->window()->activateWindow();
        w->widget->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

HWND GetActiveWindow()
{
    return HandleOfWidget(QApplication::activeWindow());
}

// --- capture -----------------------------------------------------------------------------------------------

HWND SetCapture(HWND window)
{
    const HWND previous = captureWindow;
    TWindowData* w = WindowDataOf(window);
    if (!w || window == previous)
        return previous;
    captureWindow = window;
    if (w->widget && w->widget->isVisible() && QApplication::mouseButtons() == Qt::NoButton)
        w->widget->grabMouse();
    if (previous)
        SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return previous;
}

bool ReleaseCapture()
{
    const HWND previous = captureWindow;
    captureWindow = nullptr;
    captureControl = nullptr;
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (previous)
        SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture()
{
    return captureWindow;
}

TControl* GetCaptureControl()
{
    if (captureControl)
        return captureControl;
    return WindowControl(captureWindow);
}

void SetCaptureControl(TControl* control)
{
    if (captureWindow)
        ReleaseCapture();
    if (!control)
        return;
    auto* window = dynamic_cast<TWinControl*>(control);
    if (!window) {
        if (!control->Parent())
            return;
        window = control->Parent();
    }
    SetCapture(window->Handle());
    captureControl = control;
}

// --- geometry ----------------------------------------------------------------------------------------------

bool GetWindowRect(HWND window, TRect& rect)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    const TPoint origin = control->ClientOrigin();
    const TRect& client = control->Window().clientInWindow;
    rect = Bounds(origin.X - client.Left, origin.Y - client.Top, control->Width(), control->Height());
    return true;
}

bool GetClientRect(HWND window, TRect& rect)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    rect = control->ClientRect();
    return true;
}

bool ClientToScreen(HWND window, TPoint& point)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    point = control->ClientToScreen(point);
    return true;
}

bool ScreenToClient(HWND window, TPoint& point)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    point = control->ScreenToClient(point);
    return true;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, int count)
{
    for (int i = 0; i < count; ++i) {
        if (from)
            ClientToScreen(from, points[i]);
        if (to)
            ScreenToClient(to, points[i]);
    }
    return count;
}

bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, unsigned flags)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return false;
    TWindowData& w = control->Window();
    if (!(flags & SWP_NOZORDER) && w.widget) {
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            const bool topmost = insertAfter == HWND_TOPMOST;
            w.exStyle = topmost ? (w.exStyle | WS_EX_TOPMOST) : (w.exStyle & ~WS_EX_TOPMOST);
            if (w.widget->isWindow()) {
                const bool wasVisible = w.widget->isVisible();
                w.widget->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
                if (wasVisible)
                    w.widget->show();
            }
        } else if (insertAfter == HWND_BOTTOM) {
            control->SendToBack();
        } else {
            control->BringToFront();
        }
    }
    if (flags & SWP_FRAMECHANGED)
        control->UpdateFrame();
    const int left = (flags & SWP_NOMOVE) ? control->Left() : x;
    const int top = (flags & SWP_NOMOVE) ? control->Top() : y;
    const int width = (flags & SWP_NOSIZE) ? control->Width() : cx;
    const int height = (flags & SWP_NOSIZE) ? control->Height() : cy;
    control->SetBounds(left, top, width, height);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    return true;
}

bool MoveWindow(HWND window, int x, int y, int width, int height, bool)
{
    return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ShowWindow(HWND window, int command)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->widget)
        return false;
    const bool wasVisible = w->widget->isVisible();
    const bool show = command != SW_HIDE;
    if (show != wasVisible)
        SendMessage(window, WM_SHOWWINDOW, show ? 1 : 0, 0);
    w = WindowDataOf(window);
    if (!w || !w->widget)
        return wasVisible;
    if (!show) {
        w->widget->hide();
    } else {
        const bool noActivate = command == SW_SHOWNA || command == SW_SHOWNOACTIVATE;
        const bool attribute = w->widget->testAttribute(Qt::WA_ShowWithoutActivating);
        if (noActivate)
            w->widget->setAttribute(Qt::WA_ShowWithoutActivating);
        if (command == SW_SHOWMAXIMIZED)
            w->widget->showMaximized();
        else if (command == SW_SHOWMINIMIZED || command == SW_MINIMIZE)
            w->widget->showMinimized();
        else if (command == SW_RESTORE)
            w->widget->showNormal();
        else
            w->widget->show();
        w->widget->setAttribute(Qt::WA_ShowWithoutActivating, attribute);
    }
    // Hooks watching the program's windows hear of the change as of any other change of place.
    if (show != wasVisible) {
        TWindowPos pos;
        pos.hwnd = window;
        pos.flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                    (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        SendMessage(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    }
    return wasVisible;
}

bool BringWindowToTop(HWND window)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->widget)
        return false;
    w->widget->raise();
    return true;
}

namespace {

// A top-level window stays above its owner's window; the toolkit keeps that as the widget's parent.
void SetOwner(TWindowData& w, TWindowData* owner)
{
    if (!w.widget || !w.widget->isWindow())
        return;
    QWidget* ownerWidget = owner && owner->widget ? owner->widget->window() : nullptr;
    if (ownerWidget == w.widget->parentWidget() || ownerWidget == w.widget)
        return;
    const bool shown = w.widget->isVisible();
    const QRect geometry = w.widget->geometry();
    w.widget->setParent(ownerWidget, w.widget->windowFlags());
    w.widget->setGeometry(geometry);
    if (shown)
        w.widget->show();
}

} // namespace

intptr_t GetWindowLong(HWND window, int index)
{
    TWindowData* w = WindowDataOf(window);
    if (!w)
        return 0;
    if (index == GWL_EXSTYLE)
        return w->exStyle;
    if (index == GWLP_HWNDPARENT)
        return w->widget && w->widget->isWindow()
                   ? reinterpret_cast<intptr_t>(HandleOfWidget(w->widget->parentWidget()))
                   : 0;
    if (index != GWL_STYLE)
        return 0;
    uint32_t style = w->style & ~(WS_VISIBLE | WS_DISABLED | WS_HSCROLL | WS_VSCROLL);
    if (w->widget && w->widget->isVisible())
        style |= WS_VISIBLE;
    if (w->widget && !w->widget->isEnabled())
        style |= WS_DISABLED;
    if (w->bars[SB_HORZ].visible)
        style |= WS_HSCROLL;
    if (w->bars[SB_VERT].visible)
        style |= WS_VSCROLL;
    return static_cast<intptr_t>(style);
}

intptr_t SetWindowLong(HWND window, int index, intptr_t value)
{
    TWindowData* w = WindowDataOf(window);
    if (!w)
        return 0;
    const intptr_t previous = GetWindowLong(window, index);
    if (index == GWL_EXSTYLE) {
        const bool wasLayered = w->exStyle & WS_EX_LAYERED;
        w->exStyle = static_cast<uint32_t>(value);
        if (wasLayered && !(value & WS_EX_LAYERED))
            SetLayeredWindowAlpha(window, 255);
    } else if (index == GWLP_HWNDPARENT) {
        SetOwner(*w, WindowDataOf(reinterpret_cast<HWND>(value)));
    } else if (index == GWL_STYLE) {
        w->style = static_cast<uint32_t>(value);
        if (w->barControl >= 0)
            w->barControl = (value & SBS_VERT) ? SB_VERT : SB_HORZ;
        w->bars[SB_HORZ].visible = (value & WS_HSCROLL) != 0;
        w->bars[SB_VERT].visible = (value & WS_VSCROLL) != 0;
    }
    return previous;
}

// --- painting ----------------------------------------------------------------------------------------------

HDC GetWindowDC(HWND window)
{
    TWinControl* control = WindowControl(window);
    if (!control)
        return nullptr;
    TWindowData& w = control->Window();
    if (w.frameCanvas)
        return w.frameCanvas;
    // Outside the frame's paint the drawing lands on a scratch image, and the frame paints again soon.
    static TBitmap scratch;
    scratch.SetSize(std::max(control->Width(), 1), std::max(control->Height(), 1));
    if (w.widget)
        w.widget->update();
    return scratch.Canvas();
}

int ReleaseDC(HWND, HDC)
{
    return 1;
}

int SetWindowRgn(HWND window, const TRegion* region, bool redraw)
{
    TWindowData* w = WindowDataOf(window);
    if (!w)
        return 0;
    if (region)
        w->region = *region;
    else
        w->region.reset();
    if (w->widget) {
        if (region)
            w->widget->setMask(region->Q());
        else
            w->widget->clearMask();
        if (redraw)
            w->widget->update();
    }
    return 1;
}

int GetWindowRgn(HWND window, TRegion& region)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->region)
        return RGN_ERROR;
    region = *w->region;
    return RegionKind(region);
}

bool SetLayeredWindowAlpha(HWND window, uint8_t alpha)
{
    TWindowData* w = WindowDataOf(window);
    if (!w || !w->widget)
        return false;
    w->alpha = alpha;
    if (w->widget->isWindow())
        w->widget->setWindowOpacity(alpha / 255.0);
    return true;
}

bool UpdateLayeredWindow(HWND window, HDC, const TPoint* position, const TSize* size, HDC, const TPoint*,
                         TColor, const TBlendFunction* blend, unsigned flags)
{
    TWinControl* control = WindowControl(window);
    if (!control || !(control->Window().exStyle & WS_EX_LAYERED) || (flags & ULW_COLORKEY) ||
        (blend && blend->AlphaFormat == AC_SRC_ALPHA))
        return false;
    if (position || size) {
        const TPoint p = position ? *position : TPoint{control->Left(), control->Top()};
        const TSize s = size ? *size : TSize{control->Width(), control->Height()};
        control->SetBounds(p.X, p.Y, s.cx, s.cy);
    }
    if ((flags & ULW_ALPHA) && blend)
        return SetLayeredWindowAlpha(window, blend->SourceConstantAlpha);
    if (flags & ULW_OPAQUE)
        return SetLayeredWindowAlpha(window, 255);
    return true;
}

bool GetLayeredWindowAttributes(HWND window, TColor* colorKey, uint8_t* alpha, unsigned* flags)
{
    const TWindowData* w = WindowDataOf(window);
    if (!w || !(w->exStyle & WS_EX_LAYERED))
        return false;
    if (colorKey)
        *colorKey = clNone;
    if (alpha)
        *alpha = w->alpha;
    if (flags)
        *flags = LWA_ALPHA;
    return true;
}

bool GetCursorPos(TPoint& point)
{
    if (cursorPosKnown) {
        point = cursorPos;
    } else {
        const QPoint p = QCursor::pos();
        point = {p.x(), p.y()};
    }
    return true;
}

bool SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
    SetCursorPosNoted({x, y});
    return true;
}

void RecalcFrame(HWND window)
{
    if (TWinControl* control = WindowControl(window))
        control->UpdateFrame();
}
