#include "app/main/form_main.h"

#include "app/kit/updating_controls.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_binder.h"
#include "app/main/settings_panels.h"
#include "controls/grid/data_grid.h"
#include "controls/pack/panel.h"
#include "controls/skins/skin_toolbar.h"
#include "engine/app_strings.h"
#include "engine/enabling_rules.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_host.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/windows/actions.h"

// Greying the window around a conversion run, and the enabled states and dependent texts of the whole
// window.

namespace {

// The controls a run greys, in the order it greys them.
std::vector<TControl*> RunGreyedControls(TFormMain& form)
{
    TSettingsPanels& panels = form.Panels();
    // The grid ng takes pnGridBg's place here once the window has its file list.
    return {form.tbMain,    form.pnGridBg,  form.pnMid,
            panels.pnVideo, panels.pnAudio, panels.pnAdvancedSettings};
}

void SetActionsEnabled(const TMainActions& actions, bool enabled)
{
    ForEachMainAction(actions,
                      [enabled](TAction* action, const TMainActionSpec&) { action->SetEnabled(enabled); });
}

} // namespace

void TFormMain::DisableAll()
{
    for (TControl* control : RunGreyedControls(*this))
        control->SetEnabled(false);
    // Menu and popup items follow their actions; the submenu headers stay enabled.
    SetActionsEnabled(Actions, false);
}

void TFormMain::EnableAll()
{
    for (TControl* control : RunGreyedControls(*this))
        control->SetEnabled(true);
    SetActionsEnabled(Actions, true);
    UpdatePasteActions();
    InitControls();
}

void TFormMain::InitControls()
{
    TFileListView& files = *FFileListView;
    const TGridInfo info = files.GetGridInfo();
    // A run writes its progress into the caption.
    if (info.RowCount == 0)
        SetCaption(std::string(AppTitle));
    TUpdatingControlsScope updating;

    const int32_t selectedRow = files.SelectedRow();
    const bool selectedRowValid = files.IsValidRowIndex(selectedRow);
    const FileListCommandEnabling commands = GetFileListCommandEnabling(info, selectedRowValid);
    Actions.actSaveFileList->SetEnabled(commands.actSaveFileList);
    Actions.actClearFileList->SetEnabled(commands.actClearFileList);
    Actions.actShowHideFileInfo->SetEnabled(commands.actShowHideFileInfo);
    Actions.actInvertSelection->SetEnabled(commands.actInvertSelection);
    Actions.actUncheckSelected->SetEnabled(commands.actUncheckSelected);
    Actions.actCheckSelected->SetEnabled(commands.actCheckSelected);
    Actions.actCheckAll->SetEnabled(commands.actCheckAll);
    Actions.actUncheckAll->SetEnabled(commands.actUncheckAll);
    Actions.actSaveBat->SetEnabled(commands.actSaveBat);
    Actions.actConvert->SetEnabled(commands.actConvert);
    Actions.actRemoveChecked->SetEnabled(commands.actRemoveChecked);

    const std::string exploreText = PrepareLangStr(AppStrings->Main.actExploreDirectory,
                                                   selectedRowValid ? files.GetNgDirectory(selectedRow) : "");
    Actions.actExploreDirectory->SetCaption(exploreText);
    Actions.actExploreDirectory->SetHint(exploreText);
    Actions.actExploreDirectory->SetEnabled(commands.actExploreDirectory);

    const std::string& trayText =
        Visible() ? AppStrings->Main.actMinimizeToTray : AppStrings->Main.actShowMainWindow;
    Actions.actShowHideMainWindow->SetCaption(trayText);
    Actions.actShowHideMainWindow->SetHint(trayText);

    FPanels->InitSettingsControls();
    const bool outDirEditable = IsOutDirEditable(ReadRunOptions(*FPanels));
    Actions.actBrowseOutDir->SetEnabled(outDirEditable);
    Actions.actExploreOutDir->SetEnabled(outDirEditable);

    files.CalcFooter();
}
