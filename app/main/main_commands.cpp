#include "app/main/form_main.h"

#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_binder.h"
#include "app/main/settings_panels.h"
#include "controls/edits/combo_box.h"
#include "controls/pack/browse_dialog.h"
#include "engine/conversion_run.h"
#include "engine/encoder_capabilities.h"
#include "engine/parameter_builders.h"
#include "engine/run_state.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/actions.h"
#include "support/files.h"

// The commands the window carries out itself: converting, the shell script, the output folder browser,
// Exit and Esc. The file list's commands go to the file list.

namespace {

// Counts a loop that handles messages while it runs, for as long as it runs.
class TBusyScope
{
public:
    explicit TBusyScope(int& depth) : FDepth(depth) { ++FDepth; }
    ~TBusyScope() { --FDepth; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    int& FDepth;
};

void OnExecute(TAction* action, std::function<void(TObject*)> handler)
{
    action->OnExecute = std::move(handler);
}

} // namespace

void TFormMain::BindCommands()
{
    OnExecute(Actions.actConvert, [this](TObject* sender) { actConvertExecute(sender); });
    OnExecute(Actions.actSaveBat, [this](TObject* sender) { actSaveBATExecute(sender); });
    OnExecute(Actions.actBrowseOutDir, [this](TObject* sender) { actBrowseOutDirExecute(sender); });
    OnExecute(Actions.actExit, [this](TObject* sender) { actExitExecute(sender); });
    OnExecute(Actions.actEsc, [this](TObject* sender) { actEscExecute(sender); });
    BindFileListCommands();
    BindOptionsCommand();
    BindHelpCommands();
}

void TFormMain::BindFileListCommands()
{
    const auto list = [this](void (TFileListView::*command)()) {
        return [this, command](TObject*) { ((*FFileListView).*command)(); };
    };
    const auto adding = [this](void (TFileAdding::*command)()) {
        return [this, command](TObject*) { ((*FAdding).*command)(); };
    };
    OnExecute(Actions.actAddFiles, adding(&TFileAdding::AddFiles));
    OnExecute(Actions.actAddFolder, adding(&TFileAdding::AddFolder));
    OnExecute(Actions.actLoadFileList, adding(&TFileAdding::LoadFileListCommand));
    OnExecute(Actions.actSaveFileList, adding(&TFileAdding::SaveFileList));
    OnExecute(Actions.actRemoveChecked, list(&TFileListView::RemoveChecked));
    OnExecute(Actions.actClearFileList, list(&TFileListView::ClearFileList));
    OnExecute(Actions.actCheckAll, list(&TFileListView::CheckAll));
    OnExecute(Actions.actUncheckAll, list(&TFileListView::UncheckAll));
    OnExecute(Actions.actInvertSelection, list(&TFileListView::InvertSelection));
    OnExecute(Actions.actCheckSelected, list(&TFileListView::CheckSelected));
    OnExecute(Actions.actUncheckSelected, list(&TFileListView::UncheckSelected));
}

TBuilderEnvironment TFormMain::RunEnvironment()
{
    TBuilderEnvironment environment = DefaultBuilderEnvironment();
    environment.AacEncoder = GetAacEncoderName(AppParams.ffmpeg);
    const TVezComboBox& resolution = *FPanels->cbResolution;
    if (resolution.ItemIndex() >= 2)
        environment.ResolutionItemText = resolution.Items()->Strings(resolution.ItemIndex());
    return environment;
}

void TFormMain::actConvertExecute(TObject*)
{
    RunConversion(*FFileListView);
}

void TFormMain::RunConversion(IFileList& files)
{
    if (ConversionRunning || Busy())
        return;
    {
        TBusyScope busy(FBusyDepth);
        TConversionRun run(*this, files, CurrentEncoderSettings(), ReadRunOptions(*FPanels),
                           RunEnvironment());
        try {
            run.Execute();
        } catch (const std::exception& e) {
            ShowError(e.what());
        }
    }
    if (FCloseWhenIdle) {
        FCloseWhenIdle = false;
        Close();
    }
}

void TFormMain::actSaveBATExecute(TObject* sender)
{
    if (!dlgSaveBAT->Execute())
        return;
    BatchScriptFileName = dlgSaveBAT->FileName();
    BatchOnlyMode = true;
    try {
        actConvertExecute(sender);
    } catch (...) {
        BatchOnlyMode = false;
        throw;
    }
    BatchOnlyMode = false;
}

void TFormMain::actBrowseOutDirExecute(TObject*)
{
    std::string folder = FPanels->edOutDir->Text();
    if (!DirExists(folder))
        folder = ProgramDir;
    dlgFolder->SetFolderName(folder);
    if (dlgFolder->Execute() && !dlgFolder->FolderName().empty())
        FPanels->edOutDir->SetText(dlgFolder->FolderName());
}

void TFormMain::actExitExecute(TObject*)
{
    Close();
}

void TFormMain::actEscExecute(TObject*)
{
    if (AppParams.EscExit && !ConversionRunning)
        Close();
}
