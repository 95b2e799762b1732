#include "app/main/form_main.h"

#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/errors/form_errors.h"
#include "app/file_info/form_file_info.h"
#include "app/options/form_options.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_panels.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "controls/skins/skin_popup_menu.h"
#include "engine/forms/form_progress.h"
#include "engine/run_state.h"
#include "platform/gui/services/shell.h"
#include "platform/gui/services/tray_icon.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/actions.h"
#include "support/files.h"
#include "support/window_services.h"

#include <vector>

// The commands that show, hide and stack the windows, put the main window away into the tray and bring it
// back, and open folders in the file manager.

namespace {

// The secondary windows in the order they are stacked above the main window again.
std::vector<TCustomForm*> WindowsAboveTheMainWindow(const TSecondaryWindows& w)
{
    return {w.Options, w.CmdLine, w.Errors, w.About, w.FileInfo, w.Progress, w.ToolsInfo, w.CheckUpdate};
}

// The windows that go into the tray with the main window (after it; the options window goes before it).
std::vector<TCustomForm*> WindowsAwayWithTheMainWindow(const TSecondaryWindows& w)
{
    return {w.Progress, w.About, w.ToolsInfo};
}

} // namespace

void TFormMain::BindWindowCommands()
{
    const auto bind = [this](TAction* action, void (TFormMain::*handler)(TObject*)) {
        action->OnExecute = [this, handler](TObject* sender) { (this->*handler)(sender); };
    };
    bind(Actions.actShowProgressWindow, &TFormMain::actShowProgressWindowExecute);
    bind(Actions.actShowHideFormErrors, &TFormMain::actShowHideFormErrorsExecute);
    bind(Actions.actShowCmdLine, &TFormMain::actShowCmdLineExecute);
    bind(Actions.actToolsInfo, &TFormMain::actToolsInfoExecute);
    bind(Actions.actStayOnTop, &TFormMain::actStayOnTopExecute);
    bind(Actions.actShowHideMainWindow, &TFormMain::actShowHideMainWindowExecute);
    bind(Actions.actMinimizeToTray, &TFormMain::actMinimizeToTrayExecute);
    bind(Actions.actExploreDirectory, &TFormMain::actExploreDirectoryExecute);
    bind(Actions.actExploreOutDir, &TFormMain::actExploreOutDirExecute);
    ti->OnClick = [this](TObject* sender) { tiClick(sender); };
    // The tray menu's Show / hide entry says what it will do.
    popTi->OnPopup = [this](TObject*) { InitControls(); };
}

void TFormMain::actShowProgressWindowExecute(TObject*)
{
    if (FWindows.Progress)
        FWindows.Progress->Show();
}

void TFormMain::actShowHideFormErrorsExecute(TObject*)
{
    if (FWindows.Errors)
        FWindows.Errors->SetVisible(!FWindows.Errors->Visible());
}

void TFormMain::actShowCmdLineExecute(TObject*)
{
    if (!FWindows.CmdLine)
        return;
    const int32_t row = FFileListView->SelectedRow();
    std::optional<std::string> inputFile;
    if (FFileListView->IsValidRowIndex(row))
        inputFile = FFileListView->GetNgFullFileName(row);
    FWindows.CmdLine->ShowCommandLine(*this, inputFile, CurrentEncoderSettings(), RunEnvironment());
}

void TFormMain::actToolsInfoExecute(TObject*)
{
    if (FWindows.ToolsInfo)
        FWindows.ToolsInfo->ShowToolsReport();
}

void TFormMain::actStayOnTopExecute(TObject*)
{
    if (StayOnTopActive) {
        SetWindowTopmost(WindowHandleOf(*this), false);
        StayOnTopActive = false;
        SetFormStyle(fsNormal);
    } else {
        SetWindowTopmost(WindowHandleOf(*this), true);
        StayOnTopActive = true;
    }
    // The secondary windows go above the main window again: each is linked to it anew as its owner.
    for (TCustomForm* window : WindowsAboveTheMainWindow(FWindows)) {
        if (!window)
            continue;
        window->SetOwnerForm(this);
        window->SetFormStyle(fsNormal);
        window->SetFormStyle(fsStayOnTop);
    }
    Actions.actStayOnTop->SetChecked(StayOnTopActive);
}

void TFormMain::actShowHideMainWindowExecute(TObject*)
{
    if (!FormInTray(this)) {
        if (FWindows.Options)
            FWindows.Options->Hide();
        ti->MinimizeToTray(this);
        for (TCustomForm* window : WindowsAwayWithTheMainWindow(FWindows))
            if (window)
                window->Hide();
    } else {
        ti->RestoreFromTray(this);
        if (ConversionRunning && FWindows.Progress)
            FWindows.Progress->Show();
    }
    InitControls();
}

void TFormMain::actMinimizeToTrayExecute(TObject*)
{
    ti->MinimizeToTray(this);
}

void TFormMain::tiClick(TObject* sender)
{
    if (FormInTray(this))
        actShowHideMainWindowExecute(sender);
}

void TFormMain::actExploreDirectoryExecute(TObject*)
{
    const int32_t row = FFileListView->SelectedRow();
    if (!FFileListView->IsValidRowIndex(row))
        return;
    const std::string folder = FFileListView->GetNgDirectory(row);
    const std::string fileName = FFileListView->GetNgFullFileName(row);
    if (!DirExists(folder)) {
        ShowWarningBox("Directory \"" + folder + "\" does not exists!", "Warning", WindowHandleOf(*this));
        return;
    }
    // Shell failures (no file manager, no access) are not reported.
    if (FileExists(fileName))
        Shell().ShowInFolder(fileName);
    else
        Shell().Open(folder);
}

void TFormMain::actExploreOutDirExecute(TObject*)
{
    std::string folder = FPanels->edOutDir->Text();
    if (!DirExists(folder))
        folder = ProgramDir;
    Shell().Open(folder);
}
