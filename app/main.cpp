// The program's entry: the application, the nine windows in their order (the main window first, so that
// everything it sets up exists before the others), the message loop.

#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/errors/form_errors.h"
#include "app/file_info/form_file_info.h"
#include "app/kit/program_constants.h"
#include "app/kit/storage_folders.h"
#include "app/main/form_main.h"
#include "app/options/form_options.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "engine/app_params.h"
#include "engine/forms/form_progress.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/actions.h"
#include "support/power_off.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// A secondary window: owned by the main window, above it and without a task-bar entry of its own.
template <typename TWindow, typename... TServices>
TWindow* OwnedWindow(TFormMain* owner, const std::string& name, TServices&&... services)
{
    auto* form = new TWindow(owner, owner->WindowLooks(), std::forward<TServices>(services)...);
    form->SetName(name);
    form->SetOwnerForm(owner);
    return form;
}

} // namespace

int main(int argc, char** argv)
{
    TApplicationIdentity identity;
    identity.DisplayName = std::string(ProgramDisplayName);
    identity.DesktopFileName = std::string(ProgramDesktopFileName);
    identity.IconResource = "MAINICON";
    Application->Initialize(argc, argv, identity);

    // The real switch-off is installed here only: a normal request the system may refuse, never forced.
    TCommandPowerOff powerOff;
    SetPowerOff(&powerOff);

    TMainStartup startup;
    startup.ExecutablePath = GetExecutablePath();
    startup.Storage = CurrentStorageEnvironment();
    for (int i = 1; i < argc; ++i)
        startup.Arguments.emplace_back(argv[i]);

    auto* formMain = new TFormMain(Application, startup);
    Application->SetMainForm(formMain);
    TSecondaryWindows windows;
    windows.About = OwnedWindow<TFormAbout>(formMain, "FormAbout");
    windows.About->SetCloseShortCut(formMain->Actions.actAbout->ShortCut());
    windows.Progress = OwnedWindow<TFormProgress>(formMain, "FormProgress");
    windows.Progress->LoadSettings(AppParams.IniName);
    windows.Options = OwnedWindow<TFormOptions>(formMain, "FormOptions", formMain->OptionsWindowHost());
    formMain->OnColumnVisibilityChanged = [options = windows.Options] { options->InitControls(); };
    windows.FileInfo = OwnedWindow<TFormFileInfo>(formMain, "FormFileInfo");
    formMain->LinkFileInfoWindow(*windows.FileInfo);
    windows.Errors = OwnedWindow<TFormErrors>(formMain, "FormErrors");
    windows.CmdLine = OwnedWindow<TFormCmdLine>(formMain, "FormCmdLine");
    windows.ToolsInfo = OwnedWindow<TFormToolsInfo>(formMain, "FormToolsInfo");
    windows.CheckUpdate = OwnedWindow<TFormCheckUpdate>(formMain, "FormCheckUpdate");
    formMain->SetSecondaryWindows(windows);

    Application->Run();
    SetPowerOff(nullptr);
    return 0;
}
