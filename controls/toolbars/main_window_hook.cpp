#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/toolbar.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// The toolbars that take the application's shortcut keys and menu keys. The form's own shortcuts (its
// action lists) come first: the application offers a key to this hook only when the form took none
// (CM_APPKEYDOWN); likewise the menu key (CM_APPSYSCOMMAND) after the form's handling.

class TBarMainWindowHook
{
public:
    static bool Handle(TMessage& message);

private:
    static TCustomForm* ActiveForm();
    static bool FormTakesShortCut(TCustomForm* form, TMessage& message);
    static bool KeyDown(TMessage& message);
    static bool SysCommand(TMessage& message);
    static bool SearchMenuBar(TWinControl* control, TMessage& message);
};

namespace {

std::vector<TBarCustomToolbar*> registered;
int hookToken = 0;

} // namespace

const std::vector<TBarCustomToolbar*>& MainWindowHookToolbars()
{
    return registered;
}

void InstallMainWindowHook(TBarCustomToolbar* toolbar)
{
    if (std::find(registered.begin(), registered.end(), toolbar) != registered.end())
        return;
    if (registered.empty())
        hookToken = Application->HookMainWindow(&TBarMainWindowHook::Handle);
    registered.push_back(toolbar);
}

void UninstallMainWindowHook(TBarCustomToolbar* toolbar)
{
    const auto it = std::find(registered.begin(), registered.end(), toolbar);
    if (it == registered.end())
        return;
    registered.erase(it);
    if (registered.empty()) {
        Application->UnhookMainWindow(hookToken);
        hookToken = 0;
    }
}

bool TBarMainWindowHook::Handle(TMessage& message)
{
    if (message.Msg == CM_APPKEYDOWN)
        return KeyDown(message);
    if (message.Msg == CM_APPSYSCOMMAND)
        return SysCommand(message);
    return false;
}

TCustomForm* TBarMainWindowHook::ActiveForm()
{
    return dynamic_cast<TCustomForm*>(FindControl(GetActiveWindow()));
}

bool TBarMainWindowHook::FormTakesShortCut(TCustomForm* form, TMessage& message)
{
    if (!form)
        return false;
    // A toolbar may go while a shortcut runs: each is looked up again before it is asked.
    const std::vector<TBarCustomToolbar*> toolbars = registered;
    for (TBarCustomToolbar* toolbar : toolbars) {
        if (std::find(registered.begin(), registered.end(), toolbar) == registered.end())
            continue;
        if (!toolbar->ProcessShortCuts() || FindOwningForm(toolbar) != form || !form->HandleAllocated() ||
            !IsWindowEnabled(form->Handle()))
            continue;
        TMessage key{WM_KEYDOWN, message.WParam, message.LParam, 0};
        if (toolbar->IsShortCut(key)) {
            message.Result = 1;
            return true;
        }
    }
    return false;
}

bool TBarMainWindowHook::KeyDown(TMessage& message)
{
    // There is no frame of documents here, so no document form is asked before the active one.
    TCustomForm* active = ActiveForm();
    if (FormTakesShortCut(active, message))
        return true;
    TCustomForm* main = Application->MainForm();
    return main != active && FormTakesShortCut(main, message);
}

bool TBarMainWindowHook::SysCommand(TMessage& message)
{
    TCustomForm* form = ActiveForm();
    if (!form || !form->HandleAllocated() || !IsWindowEnabled(form->Handle()) ||
        !IsWindowVisible(form->Handle()))
        return false;
    if (!SearchMenuBar(form, message))
        return false;
    message.Result = 1;
    return true;
}

// Depth first: the first dock or toolbar with menu events that answers the menu key, the floating toolbars
// a dock remembers before the docked ones.
bool TBarMainWindowHook::SearchMenuBar(TWinControl* control, TMessage& message)
{
    if (!control->Showing())
        return false;
    for (int i = 0; i < control->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
        if (!child)
            continue;
        const bool menuEvents = child->Visible() && child->Enabled() &&
                                child->ControlStyle().Contains(csMenuEvents) &&
                                (dynamic_cast<TBarDock*>(child) || dynamic_cast<TBarCustomToolbar*>(child));
        if (menuEvents && child->Perform(WM_SYSCOMMAND, message.WParam, message.LParam) != 0)
            return true;
        if (SearchMenuBar(child, message))
            return true;
    }
    return false;
}
