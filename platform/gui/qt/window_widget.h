#pragma once

// The Qt widgets of a window and the one place where Qt's events become the window's messages. For the
// layer's own sources.

#include "platform/gui/windows/win_control.h"

#include <QEvent>
#include <QWidget>

#include <string>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

class TWindowWidget : public QWidget
{
public:
    // parent is the parent window's client widget, or nullptr for a top-level window (owner, when given,
    // keeps a top-level tool window above its own window).
    TWindowWidget(TWinControl* control, QWidget* parent, const TCreateParams& params, TWinControl* owner);
    ~TWindowWidget() override;

    QWidget* Client() const { return client_; }
    TWinControl* Control() const { return control_; }
    // The control lets go of its window: no more messages, and the widgets go away.
    void Detach();
    // Places the window (bounds in the parent's client coordinates) and its client area inside it.
    void PlaceWindow(const TRect& bounds, const TRect& clientInWindow);
    bool IsUnderPointer() const;

    // Turns a mouse event at a screen position into the window's messages. The buttons and keys it holds
    // are the caller's to note (fresh input is, a message delivered late is not).
    void TranslateMouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers modifiers, QPoint screenPos);
    void PaintClient(class QPaintEvent* event, QWidget* client);
    // Turns a wheel event, at the window or its client area, into WM_MOUSEWHEEL and WM_MOUSEHWHEEL.
    void TranslateWheel(QWheelEvent* event);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void TopLevelGeometryChanged();
    void SendChars(const std::u32string& chars, uint32_t charMessage, intptr_t keyData);

    TWinControl* control_;
    QWidget* client_;
};

// A widget event as the mouse translation takes it.
void ForwardMouseEvent(TWindowWidget* window, QMouseEvent* event);
// The characters a key event's text types (control codes other than Backspace, Tab, Enter, Escape left out).
std::u32string TypedChars(const QString& text);
// The virtual key of a Qt key event; 0 for keys without one.
uint16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
// The Qt key of a virtual key (for synthetic key events); 0 for none.
int QtKeyFromVirtualKey(uint16_t virtualKey);
