#include "platform/gui/windows/mouse_activation.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

bool MouseActivate(TWinControl& window, int hitTest, uint32_t buttonMessage)
{
    TWinControl& top = *window.TopLevelParent();
    const HWND handle = window.Handle();
    const HWND topHandle = top.Handle();
    if (GetActiveWindow() == topHandle)
        return true;
    const LRESULT answer = SendMessage(handle, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topHandle),
                                       MAKELPARAM(hitTest, static_cast<int>(buttonMessage)));
    if (!IsWindow(topHandle))
        return false;
    const bool activate = answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT;
    if (activate && !(top.Window().exStyle & WS_EX_NOACTIVATE) && top.Window().widget)
        top.Window().widget->activateWindow();
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT && IsWindow(handle);
}

bool DefaultMouseActivateHandling(TWinControl& window, TMessage& message)
{
    if (message.Msg != WM_MOUSEACTIVATE)
        return false;
    if (TWinControl* parent = window.Parent(); parent && parent->HandleAllocated())
        message.Result = SendMessage(parent->Handle(), WM_MOUSEACTIVATE, message.WParam, message.LParam);
    if (message.Result == 0)
        message.Result = MA_ACTIVATE;
    return true;
}
