#include "app/main/file_list_view.h"
#include "app/main/form_main.h"
#include "app/options/form_options.h"
#include "platform/gui/windows/actions.h"

// The main window's side of the options window: its Options command shows the window, and the window
// reaches the file list and the other windows' texts through the host made here.

TOptionsWindowHost TFormMain::OptionsWindowHost()
{
    return {*FFileListView, Actions.actShowOptions->ShortCut(), FStartup.ExecutablePath, [this] {
                SetLang();
                FFileListView->CalcFooter(); // the average footers hold a translated word
            }};
}

void TFormMain::BindOptionsCommand()
{
    Actions.actShowOptions->OnExecute = [this](TObject* sender) { actShowOptionsExecute(sender); };
}

void TFormMain::actShowOptionsExecute(TObject*)
{
    if (FWindows.Options)
        FWindows.Options->Show();
}
