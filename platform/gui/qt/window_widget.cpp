#include "platform/gui/qt/window_widget.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/accessible_bridge.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/input_method.h"
#include "platform/gui/qt/input_state.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/control.h"
#include "platform/gui/windows/desktop_changes.h"
#include "platform/gui/windows/mouse_activation.h"
#include "platform/gui/windows/window_functions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// The client area's widget: it paints the client and hands its mouse events to the window.
class TClientWidget : public QWidget
{
public:
    TClientWidget(TWindowWidget* window) : QWidget(window), window_(window)
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override { window_->PaintClient(event, this); }
    void mousePressEvent(QMouseEvent* event) override { ForwardMouseEvent(window_, event); }
    void mouseReleaseEvent(QMouseEvent* event) override { ForwardMouseEvent(window_, event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { ForwardMouseEvent(window_, event); }
    void mouseMoveEvent(QMouseEvent* event) override { ForwardMouseEvent(window_, event); }
    void wheelEvent(QWheelEvent* event) override { window_->TranslateWheel(event); }

private:
    TWindowWidget* window_;
};

struct KeyMap
{
    int qt;
    uint16_t vk;
};

constexpr KeyMap keyMap[] = {{Qt::Key_Backspace, VK_BACK},
                             {Qt::Key_Tab, VK_TAB},
                             {Qt::Key_Backtab, VK_TAB},
                             {Qt::Key_Clear, VK_CLEAR},
                             {Qt::Key_Return, VK_RETURN},
                             {Qt::Key_Enter, VK_RETURN},
                             {Qt::Key_Shift, VK_SHIFT},
                             {Qt::Key_Control, VK_CONTROL},
                             {Qt::Key_Alt, VK_MENU},
                             {Qt::Key_Pause, VK_PAUSE},
                             {Qt::Key_CapsLock, VK_CAPITAL},
                             {Qt::Key_Escape, VK_ESCAPE},
                             {Qt::Key_Space, VK_SPACE},
                             {Qt::Key_PageUp, VK_PRIOR},
                             {Qt::Key_PageDown, VK_NEXT},
                             {Qt::Key_End, VK_END},
                             {Qt::Key_Home, VK_HOME},
                             {Qt::Key_Left, VK_LEFT},
                             {Qt::Key_Up, VK_UP},
                             {Qt::Key_Right, VK_RIGHT},
                             {Qt::Key_Down, VK_DOWN},
                             {Qt::Key_Select, VK_SELECT},
                             {Qt::Key_Print, VK_SNAPSHOT},
                             {Qt::Key_Execute, VK_EXECUTE},
                             {Qt::Key_Insert, VK_INSERT},
                             {Qt::Key_Delete, VK_DELETE},
                             {Qt::Key_Help, VK_HELP},
                             {Qt::Key_Meta, VK_LWIN},
                             {Qt::Key_Menu, VK_APPS},
                             {Qt::Key_NumLock, VK_NUMLOCK},
                             {Qt::Key_ScrollLock, VK_SCROLL},
                             {Qt::Key_Semicolon, VK_OEM_1},
                             {Qt::Key_Colon, VK_OEM_1},
                             {Qt::Key_Equal, VK_OEM_PLUS},
                             {Qt::Key_Plus, VK_OEM_PLUS},
                             {Qt::Key_Comma, VK_OEM_COMMA},
                             {Qt::Key_Less, VK_OEM_COMMA},
                             {Qt::Key_Minus, VK_OEM_MINUS},
                             {Qt::Key_Underscore, VK_OEM_MINUS},
                             {Qt::Key_Period, VK_OEM_PERIOD},
                             {Qt::Key_Greater, VK_OEM_PERIOD},
                             {Qt::Key_Slash, VK_OEM_2},
                             {Qt::Key_Question, VK_OEM_2},
                             {Qt::Key_QuoteLeft, VK_OEM_3},
                             {Qt::Key_AsciiTilde, VK_OEM_3},
                             {Qt::Key_BracketLeft, VK_OEM_4},
                             {Qt::Key_BraceLeft, VK_OEM_4},
                             {Qt::Key_Backslash, VK_OEM_5},
                             {Qt::Key_Bar, VK_OEM_5},
                             {Qt::Key_BracketRight, VK_OEM_6},
                             {Qt::Key_BraceRight, VK_OEM_6},
                             {Qt::Key_Apostrophe, VK_OEM_7},
                             {Qt::Key_QuoteDbl, VK_OEM_7}};

constexpr KeyMap keypadMap[] = {{Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},
                                {Qt::Key_Minus, VK_SUBTRACT},    {Qt::Key_Period, VK_DECIMAL},
                                {Qt::Key_Comma, VK_DECIMAL},     {Qt::Key_Slash, VK_DIVIDE}};

unsigned MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    unsigned keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    if (modifiers & Qt::AltModifier)
        keys |= MK_ALT;
    return keys;
}

void NoteInput(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    NoteMouseButtonState(buttons & Qt::LeftButton, buttons & Qt::RightButton, buttons & Qt::MiddleButton);
    NoteModifierState(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                      modifiers & Qt::AltModifier);
}

// The button message for a press, release or double click; the row is the button, the column the kind.
uint32_t ButtonMessage(Qt::MouseButton button, QEvent::Type type, bool doubleClicks, bool client)
{
    int row = button == Qt::RightButton ? 1 : button == Qt::MiddleButton ? 2 : 0;
    int column = type == QEvent::MouseButtonRelease                      ? 1
                 : (type == QEvent::MouseButtonDblClick && doubleClicks) ? 2
                                                                         : 0;
    const uint32_t first = client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
    return first + static_cast<uint32_t>(row * 3 + column);
}

// Sends a key message the way the message loop does (hooks, the application's handler, the control's
// reflected notification, then the message); false when it went no further than the hooks or the reflection.
bool KeyMessage(TWinControl* control, uint32_t msg, WPARAM wParam, LPARAM lParam)
{
    return DeliverInputMessage(control, msg, wParam, lParam, nullptr);
}

} // namespace

uint16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return static_cast<uint16_t>(VK_NUMPAD0 + qtKey - Qt::Key_0);
        for (const KeyMap& entry : keypadMap)
            if (entry.qt == qtKey)
                return entry.vk;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + qtKey - Qt::Key_F1);
    for (const KeyMap& entry : keyMap)
        if (entry.qt == qtKey)
            return entry.vk;
    return 0;
}

int QtKeyFromVirtualKey(uint16_t vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F24)
        return Qt::Key_F1 + vk - VK_F1;
    for (const KeyMap& entry : keyMap)
        if (entry.vk == vk)
            return entry.qt;
    return 0;
}

void RedeliverMouseInput(const TMsg& msg)
{
    // The buttons and keys held were noted when the input came; what came since (the release of a press
    // delivered now) stays noted.
    TWindowWidget* window = nullptr;
    for (QWidget* w = QApplication::widgetAt(QPoint(msg.pt.X, msg.pt.Y)); w && !window; w = w->parentWidget())
        window = dynamic_cast<TWindowWidget*>(w);
    if (!window)
        return;
    const unsigned keys = static_cast<unsigned>(msg.wParam);
    Qt::MouseButtons buttons;
    if (keys & MK_LBUTTON)
        buttons |= Qt::LeftButton;
    if (keys & MK_RBUTTON)
        buttons |= Qt::RightButton;
    if (keys & MK_MBUTTON)
        buttons |= Qt::MiddleButton;
    Qt::KeyboardModifiers modifiers;
    if (keys & MK_SHIFT)
        modifiers |= Qt::ShiftModifier;
    if (keys & MK_CONTROL)
        modifiers |= Qt::ControlModifier;
    if (keys & MK_ALT)
        modifiers |= Qt::AltModifier;
    // The rows of the button messages are the buttons, their columns press, release and double click.
    const uint32_t button = (msg.message - WM_LBUTTONDOWN) / 3;
    const uint32_t kind = (msg.message - WM_LBUTTONDOWN) % 3;
    const Qt::MouseButton buttonOf[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const QEvent::Type kindOf[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                   QEvent::MouseButtonDblClick};
    if (msg.message == WM_MOUSEMOVE)
        window->TranslateMouse(QEvent::MouseMove, Qt::NoButton, buttons, modifiers,
                               QPoint(msg.pt.X, msg.pt.Y));
    else
        window->TranslateMouse(kindOf[kind], buttonOf[button], buttons, modifiers,
                               QPoint(msg.pt.X, msg.pt.Y));
}

void ForwardMouseEvent(TWindowWidget* window, QMouseEvent* event)
{
    event->accept();
    NoteInput(event->buttons(), event->modifiers());
    window->TranslateMouse(event->type(), event->button(), event->buttons(), event->modifiers(),
                           event->globalPosition().toPoint());
}

TWindowWidget::TWindowWidget(TWinControl* control, QWidget* parent, const TCreateParams& params,
                             TWinControl* owner)
    : QWidget(parent), control_(control)
{
    if (!parent) {
        WatchApplicationActivation();
        WatchDesktopChanges();
        InstallAccessibleBridge();
        Qt::WindowFlags flags = Qt::Window;
        if ((params.Style & WS_POPUP) || (params.Style & WS_CHILD)) {
            // A popup that must never be activated is a tooltip window to the desktop: no window
            // manager gives it the focus or the activation.
            const bool noActivate = params.ExStyle & WS_EX_NOACTIVATE;
            flags = (noActivate ? Qt::ToolTip : Qt::Tool) | Qt::FramelessWindowHint;
            if (owner && owner->Window().widget)
                setParent(owner->Window().widget->window(), flags);
        }
        if (params.ExStyle & WS_EX_TOPMOST)
            flags |= Qt::WindowStaysOnTopHint;
        if (params.ExStyle & WS_EX_NOACTIVATE) {
            flags |= Qt::WindowDoesNotAcceptFocus;
            setAttribute(Qt::WA_ShowWithoutActivating);
        }
        // A window the pointer passes through (an overlay): the windows below it get the input.
        if (params.ExStyle & WS_EX_TRANSPARENT) {
            flags |= Qt::WindowTransparentForInput;
            setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        setWindowFlags(flags);
        setWindowTitle(QString::fromStdString(params.Caption));
    }
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    client_ = new TClientWidget(this);
    if (!parent && (params.ExStyle & WS_EX_TRANSPARENT))
        client_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TWindowWidget::~TWindowWidget() = default;

void TWindowWidget::Detach()
{
    control_ = nullptr;
    hide();
    deleteLater();
}

void TWindowWidget::PlaceWindow(const TRect& bounds, const TRect& clientInWindow)
{
    setGeometry(ToQRect(bounds));
    client_->setGeometry(ToQRect(clientInWindow));
}

bool TWindowWidget::IsUnderPointer() const
{
    return underMouse() || client_->underMouse();
}

// --- painting ----------------------------------------------------------------------------------------------

void TWindowWidget::paintEvent(QPaintEvent*)
{
    if (!control_)
        return;
    TWindowData& w = control_->Window();
    if (w.clientInWindow == Rect(0, 0, width(), height()))
        return;
    QPainter painter(this);
    TCanvas canvas;
    canvas.Internal().Attach(&painter);
    ExcludeClipRect(canvas, w.clientInWindow.Left, w.clientInWindow.Top, w.clientInWindow.Right,
                    w.clientInWindow.Bottom);
    w.frameCanvas = &canvas;
    DeliverSentMessage(control_, WM_NCPAINT, reinterpret_cast<WPARAM>(&canvas), 0);
    if (control_)
        control_->Window().frameCanvas = nullptr;
    canvas.Internal().Detach();
}

void TWindowWidget::PaintClient(QPaintEvent* event, QWidget* client)
{
    if (!control_)
        return;
    // What is painted is valid from here on; what the paint itself invalidates waits for the next one.
    control_->Window().invalid -= event->region();
    QPainter painter(client);
    painter.setClipRegion(event->region());
    TCanvas canvas;
    canvas.Internal().Attach(&painter);
    TWinControl* control = control_;
    DeliverSentMessage(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 0);
    if (control_)
        DeliverSentMessage(control, WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
    if (control_)
        PaintCaret(control_->Window().handle, canvas);
    if (control_)
        PaintComposition(control_->Window().handle, canvas);
    canvas.Internal().Detach();
}

// --- mouse -------------------------------------------------------------------------------------------------

void TWindowWidget::TranslateMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                                   Qt::KeyboardModifiers modifiers, QPoint screenPos)
{
    if (!control_)
        return;
    SetCursorPosNoted(TPoint{screenPos.x(), screenPos.y()});
    // While another window holds the capture, the mouse is its.
    const HWND capture = GetCapture();
    TWinControl* control = control_;
    TWindowData& w = control->Window();
    if (capture && capture != w.handle) {
        if (TWinControl* captor = WindowControl(capture); captor && captor->Window().widget)
            captor->Window().widget->TranslateMouse(type, button, buttons, modifiers, screenPos);
        return;
    }
    const unsigned keys = MouseKeys(buttons, modifiers);
    const LPARAM screenParam = MAKELPARAM(screenPos.x(), screenPos.y());
    // A press on a scroll bar keeps the mouse until it is released.
    if (w.tracking.bar >= 0) {
        TRect windowRect;
        GetWindowRect(w.handle, windowRect);
        const TPoint windowPos{screenPos.x() - windowRect.Left, screenPos.y() - windowRect.Top};
        if (type == QEvent::MouseMove)
            ScrollBarMove(*control, windowPos);
        else if (type == QEvent::MouseButtonRelease)
            ScrollBarRelease(*control);
        return;
    }
    int hit = HTCLIENT;
    if (!capture) {
        hit = static_cast<int>(DeliverSentMessage(control, WM_NCHITTEST, 0, screenParam));
        if (!IsWindow(w.handle))
            return;
    }
    const bool client = hit == HTCLIENT;
    const bool doubleClicks = (w.classStyle & CS_DBLCLKS) != 0;
    const uint32_t msg = type == QEvent::MouseMove ? (client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE)
                                                   : ButtonMessage(button, type, doubleClicks, client);
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (press && !capture && !MouseActivate(*control, hit, msg))
        return;
    if (type == QEvent::MouseMove || press) {
        DeliverSentMessage(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(w.handle), MAKELPARAM(hit, msg));
        if (!IsWindow(w.handle))
            return;
    }
    if (client) {
        const TPoint origin = control->ClientOrigin();
        const TPoint p{screenPos.x() - origin.X, screenPos.y() - origin.Y};
        if (type == QEvent::MouseMove) {
            // The captor gets the moves wherever the pointer is; what lies under it decides the hover.
            TControl* over = capture ? FindDragTarget({screenPos.x(), screenPos.y()}, false)
                                     : control->ControlAtPos(p, false);
            TrackMouseOver(over || capture ? over : control);
            if (w.ncHover) {
                w.ncHover = 0;
                DeliverSentMessage(control, WM_NCMOUSELEAVE, 0, 0);
            }
        }
        if (IsWindow(w.handle))
            DeliverInputMessage(control, msg, keys, MAKELPARAM(p.X, p.Y), nullptr);
    } else {
        if (type == QEvent::MouseMove) {
            TrackMouseOver(control);
            w.ncHover = hit;
        }
        if (IsWindow(w.handle))
            DeliverInputMessage(control, msg, static_cast<WPARAM>(hit), screenParam, nullptr);
    }
}

void TWindowWidget::mousePressEvent(QMouseEvent* event)
{
    ForwardMouseEvent(this, event);
}

void TWindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    ForwardMouseEvent(this, event);
}

void TWindowWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    ForwardMouseEvent(this, event);
}

void TWindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    ForwardMouseEvent(this, event);
}

void TWindowWidget::wheelEvent(QWheelEvent* event)
{
    TranslateWheel(event);
}

void TWindowWidget::TranslateWheel(QWheelEvent* event)
{
    event->accept();
    if (!control_)
        return;
    NoteInput(event->buttons(), event->modifiers());
    const QPoint screen = event->globalPosition().toPoint();
    const unsigned keys = MouseKeys(event->buttons(), event->modifiers());
    const QPoint delta = event->angleDelta();
    const LPARAM pos = MAKELPARAM(screen.x(), screen.y());
    if (delta.y() != 0)
        DeliverInputMessage(control_, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(keys), delta.y()), pos,
                            nullptr);
    if (delta.x() != 0 && control_)
        DeliverInputMessage(control_, WM_MOUSEHWHEEL, MAKEWPARAM(static_cast<int>(keys), delta.x()), pos,
                            nullptr);
}

void TWindowWidget::enterEvent(QEnterEvent*)
{
    if (control_)
        TrackMouseOver(control_);
}

void TWindowWidget::leaveEvent(QEvent*)
{
    if (!control_)
        return;
    TWinControl* control = control_;
    TWindowData& w = control->Window();
    if (w.ncHover) {
        w.ncHover = 0;
        DeliverSentMessage(control, WM_NCMOUSELEAVE, 0, 0);
    }
    if (IsWindow(w.handle))
        DeliverSentMessage(control, WM_MOUSELEAVE, 0, 0);
    TControl* over = GetMouseOverControl();
    if (over && (over == control || over->Parent() == control))
        TrackMouseOver(nullptr);
}

// --- keyboard ----------------------------------------------------------------------------------------------

bool TWindowWidget::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Our own key routing decides what a key does; Qt's shortcuts never take one first.
        event->accept();
        return true;
    case QEvent::KeyPress:
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::ToolTip:
        return true;
    default:
        return QWidget::event(event);
    }
}

void TWindowWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (!control_)
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    NoteModifierState(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                      modifiers & Qt::AltModifier);
    const uint16_t vk = VirtualKeyFromQt(event->key(), modifiers);
    const bool alt = (modifiers & Qt::AltModifier) || vk == VK_MENU;
    const bool keypad = modifiers & Qt::KeypadModifier;
    const intptr_t keyData = MakeKeyData(alt, event->isAutoRepeat(), false, keypad);
    TWinControl* control = control_;
    const bool ctrl = modifiers & Qt::ControlModifier;
    // Ctrl+letter types its control character.
    const std::u32string chars = ctrl && !alt && vk >= 'A' && vk <= 'Z'
                                     ? std::u32string(1, static_cast<char32_t>(vk - 'A' + 1))
                                     : TypedChars(event->text());
    const uint32_t charMessage = alt ? WM_SYSCHAR : WM_CHAR;
    if (vk) {
        NoteKeyState(vk, true);
        const bool sys = (alt && !ctrl) || vk == VK_F10;
        const uint32_t msg = sys ? WM_SYSKEYDOWN : WM_KEYDOWN;
        // A loop of our own waiting for messages takes the key-down and types its characters itself.
        if (InputIsQueued()) {
            TPoint pos;
            GetCursorPos(pos);
            QueueInput(TMsg{control->Window().handle, msg, vk, keyData, 0, pos}, chars, charMessage);
            return;
        }
        if (!KeyMessage(control, msg, vk, keyData))
            return;
    }
    SendChars(chars, charMessage, keyData);
}

std::u32string TypedChars(const QString& text)
{
    std::u32string chars;
    for (const uint ch : text.toUcs4())
        // Delete and the other control codes besides Backspace, Tab, Enter and Escape give no character.
        if (!(ch == 0x7F || (ch < 0x20 && ch != 8 && ch != 9 && ch != 13 && ch != 27)))
            chars += static_cast<char32_t>(ch);
    return chars;
}

void TWindowWidget::SendChars(const std::u32string& chars, uint32_t charMessage, intptr_t keyData)
{
    TWinControl* control = control_;
    for (const char32_t ch : chars) {
        if (!control || !IsWindow(control->Window().handle))
            return;
        KeyMessage(control, charMessage, ch, keyData);
    }
}

void TWindowWidget::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    if (!control_ || event->isAutoRepeat())
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const uint16_t vk = VirtualKeyFromQt(event->key(), modifiers);
    if (!vk)
        return;
    // The released key is up last, whatever the event's modifiers say of it: a modifier key's own release
    // may still carry its modifier.
    NoteModifierState(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                      modifiers & Qt::AltModifier);
    NoteKeyState(vk, false);
    const bool alt = (modifiers & Qt::AltModifier) || vk == VK_MENU;
    KeyMessage(control_, alt ? WM_SYSKEYUP : WM_KEYUP, vk,
               MakeKeyData(alt, false, true, modifiers & Qt::KeypadModifier));
}

void TWindowWidget::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
    if (control_ && !event->commitString().isEmpty())
        SendChars(TypedChars(event->commitString()), WM_CHAR, MakeKeyData(false, false, false));
    if (control_)
        NoteComposition(*control_, *event);
}

QVariant TWindowWidget::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const QVariant answer = control_ ? InputMethodAnswer(*control_, query) : QVariant();
    return answer.isValid() ? answer : QWidget::inputMethodQuery(query);
}

// --- focus, activation, geometry
// -----------------------------------------------------------------------------

void TWindowWidget::focusInEvent(QFocusEvent* event)
{
    // A popup taking and giving back the keyboard is no focus change for the window.
    if (!control_ || event->reason() == Qt::PopupFocusReason)
        return;
    NoteFocusChange(control_->Window().handle);
    DeliverSentMessage(control_, WM_SETFOCUS, reinterpret_cast<WPARAM>(PreviousFocus()), 0);
}

void TWindowWidget::focusOutEvent(QFocusEvent* event)
{
    if (!control_ || event->reason() == Qt::PopupFocusReason)
        return;
    HWND next = nullptr;
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto* window = dynamic_cast<TWindowWidget*>(w); window && window->control_) {
            next = window->control_->Window().handle;
            break;
        }
    DeliverSentMessage(control_, WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
}

void TWindowWidget::TopLevelGeometryChanged()
{
    if (!control_ || !isWindow() || control_->Window().settingGeometry > 0)
        return;
    const QRect g = geometry();
    control_->SetBounds(g.x(), g.y(), g.width(), g.height());
}

void TWindowWidget::resizeEvent(QResizeEvent*)
{
    TopLevelGeometryChanged();
}

void TWindowWidget::moveEvent(QMoveEvent*)
{
    TopLevelGeometryChanged();
}

void TWindowWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (control_)
        DeliverSentMessage(control_, WM_CLOSE, 0, 0);
}

void TWindowWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (!control_ || event->type() != QEvent::ActivationChange || !isWindow())
        return;
    const bool active = isActiveWindow();
    if (!active)
        ForgetAltPress();
    DeliverSentMessage(control_, WM_NCACTIVATE, active ? 1 : 0, 0);
    if (control_)
        DeliverSentMessage(control_, WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
}
