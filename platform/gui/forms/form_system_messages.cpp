#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/system_menu_popup.h"
#include "platform/gui/windows/system_keys.h"
#include "platform/gui/windows/window_functions.h"

// A form's part in the menu keys, its window menu and in help (system_keys.h, system_menu_popup.h).

void TCustomForm::WMSysCommand(TMessage& message)
{
    // Alt+Space: the window menu.
    if ((message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam == ' ' && PopupSystemMenu(Handle()))
        return;
    const bool menuKey = (message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam != ' ';
    if (menuKey && !GetCapture() &&
        Application->SendAppMessage(CM_APPSYSCOMMAND, message.WParam, message.LParam) != 0) {
        message.Result = 1;
        return;
    }
    TWinControl::Dispatch(message);
}

void TCustomForm::WMHelp(TMessage& message)
{
    const auto* info = reinterpret_cast<const THelpInfo*>(message.LParam);
    TControl* control = info ? FromHandle(info->hItemHandle) : nullptr;
    if (!control || !ContainsControl(control))
        control = this;
    // The nearest control with a topic, from the one F1 was pressed in up to the form.
    for (TControl* c = control;; c = c->Parent()) {
        if (c->HelpContext() != 0) {
            message.Result = Application->HelpContext(c->HelpContext()) ? 1 : 0;
            return;
        }
        if (c == this)
            return;
    }
}
