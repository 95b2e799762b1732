#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/main/form_main.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/timers.h"

// The Help menu's two windows: the update check, which starts a second after it is shown, and the about
// window. Both are shown without waiting.

void TFormMain::BindInfoWindowCommands()
{
    Actions.actCheckUpdate->OnExecute = [this](TObject* sender) { actCheckUpdateExecute(sender); };
    Actions.actAbout->OnExecute = [this](TObject* sender) { actAboutExecute(sender); };
}

void TFormMain::actCheckUpdateExecute(TObject*)
{
    if (!FWindows.CheckUpdate)
        return;
    FWindows.CheckUpdate->ClearStatus();
    FWindows.CheckUpdate->tmCheckUpdate->SetEnabled(true);
    FWindows.CheckUpdate->Show();
}

void TFormMain::actAboutExecute(TObject*)
{
    if (FWindows.About)
        FWindows.About->Show();
}
