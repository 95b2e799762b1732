#include "platform/gui/windows/system_menu.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <QWindow>

namespace {

// The border a sizing command names in its low four bits (the WMSZ_* codes); sizing from the keyboard
// (no border named) takes the bottom-right corner.
Qt::Edges SizingEdges(WPARAM command)
{
    switch (command & 0x000F) {
    case 1:
        return Qt::LeftEdge;
    case 2:
        return Qt::RightEdge;
    case 3:
        return Qt::TopEdge;
    case 4:
        return Qt::TopEdge | Qt::LeftEdge;
    case 5:
        return Qt::TopEdge | Qt::RightEdge;
    case 6:
        return Qt::BottomEdge;
    case 7:
        return Qt::BottomEdge | Qt::LeftEdge;
    default:
        return Qt::BottomEdge | Qt::RightEdge;
    }
}

// Moving and sizing are the window system's: it follows the pointer until the button is released. Only a
// window in the normal state moves, and only one with a sizing border sizes; a platform without such
// moves (offscreen) does nothing.
void MoveOrSize(HWND window, WPARAM command)
{
    TWinControl* control = WindowControl(window);
    if (!control || !control->Window().widget)
        return;
    QWidget* widget = control->Window().widget;
    QWindow* handle = widget->windowHandle();
    if (!handle || !widget->isVisible() ||
        (widget->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    if ((command & 0xFFF0) == SC_MOVE)
        handle->startSystemMove();
    else if (GetWindowLong(window, GWL_STYLE) & WS_THICKFRAME)
        handle->startSystemResize(SizingEdges(command));
}

} // namespace

bool DefaultSystemCommand(HWND window, WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessage(window, WM_CLOSE, 0, 0);
        return true;
    case SC_MINIMIZE:
        ShowWindow(window, SW_MINIMIZE);
        return true;
    case SC_MAXIMIZE:
        ShowWindow(window, SW_SHOWMAXIMIZED);
        return true;
    case SC_RESTORE:
        ShowWindow(window, SW_RESTORE);
        return true;
    case SC_MOVE:
    case SC_SIZE:
        MoveOrSize(window, command);
        return true;
    default:
        return false;
    }
}
