#include "window_test_support.h"

#include "platform/gui/forms/application.h"

#include <QWheelEvent>

#include <map>

std::string MessageName(uint32_t msg)
{
    static const std::map<uint32_t, std::string> names = {{WM_KEYDOWN, "KEYDOWN"},
                                                          {WM_KEYUP, "KEYUP"},
                                                          {WM_CHAR, "CHAR"},
                                                          {WM_SYSKEYDOWN, "SYSKEYDOWN"},
                                                          {WM_SYSCHAR, "SYSCHAR"},
                                                          {CN_KEYDOWN, "CN_KEYDOWN"},
                                                          {CN_CHAR, "CN_CHAR"},
                                                          {WM_LBUTTONDOWN, "LBUTTONDOWN"},
                                                          {WM_LBUTTONUP, "LBUTTONUP"},
                                                          {WM_LBUTTONDBLCLK, "LBUTTONDBLCLK"},
                                                          {WM_MOUSEMOVE, "MOUSEMOVE"},
                                                          {WM_MOUSEWHEEL, "MOUSEWHEEL"},
                                                          {WM_SETCURSOR, "SETCURSOR"},
                                                          {WM_SETFOCUS, "SETFOCUS"},
                                                          {WM_KILLFOCUS, "KILLFOCUS"},
                                                          {CM_ENTER, "CM_ENTER"},
                                                          {CM_EXIT, "CM_EXIT"},
                                                          {WM_SIZE, "SIZE"},
                                                          {WM_MOVE, "MOVE"},
                                                          {WM_WINDOWPOSCHANGING, "POSCHANGING"},
                                                          {WM_WINDOWPOSCHANGED, "POSCHANGED"},
                                                          {WM_NCCALCSIZE, "NCCALCSIZE"},
                                                          {WM_ERASEBKGND, "ERASEBKGND"},
                                                          {WM_PAINT, "PAINT"},
                                                          {CM_MOUSEENTER, "CM_MOUSEENTER"},
                                                          {CM_MOUSELEAVE, "CM_MOUSELEAVE"},
                                                          {WM_MOUSELEAVE, "MOUSELEAVE"},
                                                          {WM_HSCROLL, "HSCROLL"},
                                                          {WM_VSCROLL, "VSCROLL"},
                                                          {CM_ENABLEDCHANGED, "CM_ENABLEDCHANGED"},
                                                          {CM_FONTCHANGED, "CM_FONTCHANGED"},
                                                          {CM_PARENTFONTCHANGED, "CM_PARENTFONTCHANGED"},
                                                          {CM_COLORCHANGED, "CM_COLORCHANGED"},
                                                          {CM_TEXTCHANGED, "CM_TEXTCHANGED"},
                                                          {CM_VISIBLECHANGED, "CM_VISIBLECHANGED"},
                                                          {WM_NCLBUTTONDOWN, "NCLBUTTONDOWN"},
                                                          {WM_CAPTURECHANGED, "CAPTURECHANGED"},
                                                          {WM_TIMER, "TIMER"}};
    auto it = names.find(msg);
    return it == names.end() ? std::string() : it->second;
}

void Pump()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

TForm* ShowTestForm(int width, int height)
{
    auto* form = new TForm(Application);
    form->SetBounds(10, 10, width, height);
    form->Show();
    Pump();
    return form;
}

void SendKey(TWinControl* control, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QWidget* widget = control->Window().widget;
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &press);
    if (!control->HandleAllocated())
        return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(control->Window().widget, &release);
}

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                         ? Qt::MouseButtons(Qt::NoButton)
                                         : Qt::MouseButtons(button);
    const QPoint global = widget->mapToGlobal(local);
    QMouseEvent event(type, QPointF(local), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void SendMouse(TWinControl* control, QEvent::Type type, TPoint clientPos, Qt::MouseButton button)
{
    Send(control->Window().client, type, QPoint(clientPos.X, clientPos.Y), button);
}

void SendWindowMouse(TWinControl* control, QEvent::Type type, TPoint windowPos, Qt::MouseButton button)
{
    Send(control->Window().widget, type, QPoint(windowPos.X, windowPos.Y), button);
}

void SendWheel(TWinControl* control, TPoint clientPos, int delta, Qt::KeyboardModifiers modifiers)
{
    QWidget* client = control->Window().client;
    const QPoint local(clientPos.X, clientPos.Y);
    QWheelEvent event(QPointF(local), QPointF(client->mapToGlobal(local)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(client, &event);
}
