// The progress window's life: creation, texts, settings, the Abort and close commands and the end of a
// run.

#include "engine/forms/form_progress.h"

#include "controls/edits/markup_label.h"
#include "controls/edits/progress_bar.h"
#include "controls/memo/vez_memo.h"
#include "controls/pack/png_button.h"
#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/forms/window_routines.h"
#include "engine/run_state.h"
#include "engine/settings_file.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"

TFormProgress::TFormProgress(TCustomForm* owner, const TWindowLooks& looks, TProgressWindowServices services)
    : TForm(owner), FServices(std::move(services))
{
    BuildControls(looks);
    PrepareControls();
    LoadSettings(AppParams.IniName);
    SetLang(AppStrings ? *AppStrings : TAppStrings());
}

void TFormProgress::SetLang(const TAppStrings& strings)
{
    const TProgressModuleStrings& texts = strings.Progress;
    SetCaption(texts.Caption);
    SetCtrlText(*lblEncoderOutput, texts.lblEncoderOutput);
    SetCtrlText(*lblStatusDesc, texts.lblStatus);
    SetCtrlText(*lblInputFileDesc, texts.lblInputFile);
    SetCtrlText(*lblOutputFileDesc, texts.lblOutputFile);
    SetCtrlText(*lblProgress, texts.lblProgress);
    SetCtrlText(*chHideEncoderOutput, texts.chHideEncoderOutput);
    SetCtrlText(*chCloseAfterConversion, texts.chCloseAfterConversion);
    FCloseCaption = strings.Main.Close;
    SetCtrlText(*actAbort, ConversionRunning ? texts.btnAbort : FCloseCaption, false);
}

void TFormProgress::LoadSettings(const std::string& iniName)
{
    ProgressWindowLayout layout = Layout();
    if (!LoadProgressSettings(iniName, layout, AppParams))
        return;
    chHideEncoderOutput->SetChecked(layout.DontShowEncoderOutput);
    chCloseAfterConversion->SetChecked(layout.CloseAfterConversion);
    SetBounds(Left(), Top(), layout.Bounds.Width, layout.Bounds.Height);
}

ProgressWindowLayout TFormProgress::Layout() const
{
    ProgressWindowLayout layout;
    layout.Bounds = {Left(), Top(), Width(), Height()};
    layout.DontShowEncoderOutput = chHideEncoderOutput->Checked();
    layout.CloseAfterConversion = chCloseAfterConversion->Checked();
    return layout;
}

void TFormProgress::actAbortExecute()
{
    if (AbortConversion() == TAbortControl::arNotRunning)
        Close();
}

void TFormProgress::actF8Execute()
{
    if (!ConversionRunning)
        Close();
}

void TFormProgress::DoClose(TCloseAction& action)
{
    if (ConversionRunning)
        AbortConversion();
    TForm::DoClose(action);
}

void TFormProgress::ConversionFinished()
{
    if (!chCloseAfterConversion->Checked())
        return;
    // A minimised main window is restored while the window hides and minimised again, so that it stays
    // minimised with its owned window hidden.
    const bool minimized = MainWindowMinimized();
    if (minimized)
        SetMainWindowMinimized(false);
    Hide();
    if (minimized)
        SetMainWindowMinimized(true);
}

bool TFormProgress::MainWindowMinimized() const
{
    if (FServices.IsMainWindowMinimized)
        return FServices.IsMainWindowMinimized();
    const auto* main = dynamic_cast<const TCustomForm*>(Owner());
    return main && main->WindowState() == wsMinimized;
}

void TFormProgress::SetMainWindowMinimized(bool minimized)
{
    if (FServices.SetMainWindowMinimized) {
        FServices.SetMainWindowMinimized(minimized);
    } else if (auto* main = dynamic_cast<TCustomForm*>(Owner())) {
        main->SetWindowState(minimized ? wsMinimized : wsNormal);
    }
}
