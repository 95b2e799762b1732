#include "app/main/secondary_windows.h"

#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/errors/form_errors.h"
#include "app/file_info/form_file_info.h"
#include "app/options/form_options.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "engine/app_params.h"
#include "engine/forms/form_progress.h"
#include "platform/gui/windows/actions.h"

#include <string>
#include <utility>

namespace {

template <typename TWindow, typename... TServices>
TWindow* OwnedWindow(TFormMain& owner, const std::string& name, TServices&&... services)
{
    auto* form = new TWindow(&owner, owner.WindowLooks(), std::forward<TServices>(services)...);
    form->SetName(name);
    form->SetOwnerForm(&owner);
    return form;
}

} // namespace

TSecondaryWindows CreateSecondaryWindows(TFormMain& formMain)
{
    TSecondaryWindows windows;
    windows.About = OwnedWindow<TFormAbout>(formMain, "FormAbout");
    windows.About->SetCloseShortCut(formMain.Actions.actAbout->ShortCut());
    windows.Progress = OwnedWindow<TFormProgress>(formMain, "FormProgress");
    windows.Progress->LoadSettings(AppParams.IniName);
    windows.Options = OwnedWindow<TFormOptions>(formMain, "FormOptions", formMain.OptionsWindowHost());
    formMain.OnColumnVisibilityChanged = [options = windows.Options] { options->InitControls(); };
    windows.FileInfo = OwnedWindow<TFormFileInfo>(formMain, "FormFileInfo");
    formMain.LinkFileInfoWindow(*windows.FileInfo);
    windows.Errors = OwnedWindow<TFormErrors>(formMain, "FormErrors");
    windows.CmdLine = OwnedWindow<TFormCmdLine>(formMain, "FormCmdLine");
    windows.ToolsInfo = OwnedWindow<TFormToolsInfo>(formMain, "FormToolsInfo");
    windows.CheckUpdate = OwnedWindow<TFormCheckUpdate>(formMain, "FormCheckUpdate");
    formMain.SetSecondaryWindows(windows);
    return windows;
}
