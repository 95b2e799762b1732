#pragma once

#include "platform/gui/windows/messages.h"

// What the platform makes of the keys that no control took (the windowed control's default handling):
// - Alt pressed and released with no other key or button between, and F10 without Shift or Ctrl, send
//   WM_SYSCOMMAND with SC_KEYMENU and lParam 0 to the top-level window; an Alt+character (WM_SYSCHAR) sends
//   it with the character. A form hands it to the application's hooks (CM_APPSYSCOMMAND) unless the key is
//   a space or a window holds the mouse; what nobody takes beeps for a character. A space opens a form's
//   window menu (forms/system_menu_popup.h); a minus is left to its document window's, which windows here
//   lack.
// - Alt+F4 sends WM_SYSCOMMAND with SC_CLOSE to the top-level window, whose default handling sends it
//   WM_CLOSE (the other commands' default handling: DefaultSystemCommand, system_menu.h).
// - Pressing Alt shows the accelerators: the form hears CM_DIALOGKEY with VK_MENU and the top-level window
//   WM_CHANGEUISTATE clearing UISF_HIDEACCEL.
// - F1 sends WM_HELP (lParam a THelpInfo*) to the window; a child window hands it to its parent, up to the
//   form, which asks the application for the help of the nearest control with a HelpContext.

constexpr int HELPINFO_WINDOW = 1;
constexpr int HELPINFO_MENUITEM = 2;

struct THelpInfo
{
    unsigned cbSize = sizeof(THelpInfo);
    int iContextType = HELPINFO_WINDOW;
    int iCtrlId = 0;
    HWND hItemHandle = nullptr; // the window F1 was pressed in
    uintptr_t dwContextId = 0;  // its control's HelpContext
    TPoint MousePos;            // the pointer, in screen coordinates
};

class TWinControl;
// The windowed control's default handling of the keys above, WM_SYSCOMMAND and WM_HELP; false for other
// messages and keys.
bool DefaultSystemKeyHandling(TWinControl& window, TMessage& message);
