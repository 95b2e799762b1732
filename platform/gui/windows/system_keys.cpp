#include "platform/gui/windows/system_keys.h"

#include "platform/gui/qt/input_state.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/message_beep.h"
#include "platform/gui/windows/parent_form.h"
#include "platform/gui/windows/system_menu.h"
#include "platform/gui/windows/ui_state.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

namespace {

bool IsRepeat(LPARAM keyData)
{
    return (keyData & (LPARAM{1} << 30)) != 0;
}

void OpenKeyMenu(TWinControl& window, LPARAM key)
{
    SendMessage(window.TopLevelParent()->Handle(), WM_SYSCOMMAND, SC_KEYMENU, key);
}

void AltPressed(TWinControl& window, LPARAM keyData)
{
    const HWND top = window.TopLevelParent()->Handle();
    if (IParentForm* form = FindParentForm(&window))
        form->FormControl().Perform(CM_DIALOGKEY, VK_MENU, keyData);
    SendMessage(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
}

bool KeyDown(TWinControl& window, const TMessage& message)
{
    const auto key = static_cast<uint16_t>(message.WParam);
    const bool shiftOrCtrl = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0;
    if (key == VK_MENU && message.Msg == WM_SYSKEYDOWN) {
        if (!IsRepeat(message.LParam)) {
            NoteAltDownDelivered();
            AltPressed(window, message.LParam);
        }
        return true;
    }
    if (key == VK_F4 && message.Msg == WM_SYSKEYDOWN && !shiftOrCtrl) {
        SendMessage(window.TopLevelParent()->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (key == VK_F10 && !shiftOrCtrl) {
        OpenKeyMenu(window, 0);
        return true;
    }
    if (key == VK_F1 && message.Msg == WM_KEYDOWN && !shiftOrCtrl) {
        THelpInfo info;
        info.hItemHandle = window.Handle();
        info.dwContextId = static_cast<uintptr_t>(window.HelpContext());
        GetCursorPos(info.MousePos);
        SendMessage(window.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return true;
    }
    return false;
}

void SysCommand(TWinControl& window, const TMessage& message)
{
    if (DefaultSystemCommand(window.Handle(), message.WParam))
        return;
    if ((message.WParam & 0xFFF0) != SC_KEYMENU)
        return;
    // No menu took the key: a character beeps; a space asks for the window's system menu and a minus for its
    // document window's, which windows here lack.
    if (message.LParam != 0 && message.LParam != ' ' && message.LParam != '-')
        MessageBeep(MB_OK);
}

void Help(TWinControl& window, const TMessage& message)
{
    if (TWinControl* parent = window.Parent(); parent && parent->HandleAllocated())
        SendMessage(parent->Handle(), WM_HELP, message.WParam, message.LParam);
}

} // namespace

bool DefaultSystemKeyHandling(TWinControl& window, TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return KeyDown(window, message);
    case WM_SYSKEYUP:
        if (message.WParam != VK_MENU)
            return false;
        if (TakeAltTappedAlone())
            OpenKeyMenu(window, 0);
        return true;
    case WM_SYSCHAR:
        OpenKeyMenu(window, static_cast<LPARAM>(message.WParam));
        return true;
    case WM_SYSCOMMAND:
        SysCommand(window, message);
        return true;
    case WM_HELP:
        Help(window, message);
        return true;
    default:
        return false;
    }
}
