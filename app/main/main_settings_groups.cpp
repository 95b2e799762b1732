#include "app/main/form_main.h"

#include "app/kit/updating_controls.h"
#include "app/main/settings_binder.h"
#include "app/main/settings_panels.h"
#include "controls/pack/page_control.h"
#include "controls/pack/page_sheet.h"
#include "platform/gui/windows/actions.h"

// Copy, paste and default of the four groups of encoder settings (AVI video, MPG video, audio, advanced).
// The copies stay in the window; nothing goes to the clipboard or to a file.

namespace {

struct TSettingsGroupActions
{
    TSettingsGroup Group;
    TAction* TMainActions::*Copy;
    TAction* TMainActions::*Paste;
    TAction* TMainActions::*Default;
};

using A = TMainActions;
constexpr TSettingsGroupActions SettingsGroupActions[] = {
    {TSettingsGroup::AviVideo, &A::actCopyVideoSettings_Avi, &A::actPasteVideoSettings_Avi,
     &A::actDefaultVideoSettings_Avi},
    {TSettingsGroup::MpgVideo, &A::actCopyVideoSettings_Mpg, &A::actPasteVideoSettings_Mpg,
     &A::actDefaultVideoSettings_Mpg},
    {TSettingsGroup::Audio, &A::actCopyAudioSettings, &A::actPasteAudioSettings, &A::actDefaultAudioSettings},
    {TSettingsGroup::Advanced, &A::actCopyAdvancedSettings, &A::actPasteAdvancedSettings,
     &A::actDefaultAdvancedSettings},
};

void WriteSettingsGroup(TSettingsPanels& panels, TSettingsGroup group, const EncoderSettings& settings)
{
    switch (group) {
    case TSettingsGroup::AviVideo:
        WriteAviVideoSettings(panels, settings.Avi);
        break;
    case TSettingsGroup::MpgVideo:
        WriteMpgVideoSettings(panels, settings.Mpg);
        break;
    case TSettingsGroup::Audio:
        WriteAudioSettings(panels, settings.Audio);
        break;
    case TSettingsGroup::Advanced:
        WriteAdvancedSettings(panels, settings.Advanced);
        break;
    }
}

// The video groups bring their page to the front; the others leave the page as it is.
void ShowSettingsGroupPage(TSettingsPanels& panels, TSettingsGroup group)
{
    if (group == TSettingsGroup::AviVideo)
        panels.pcVideoFormat->SetActivePage(panels.tsAvi);
    else if (group == TSettingsGroup::MpgVideo)
        panels.pcVideoFormat->SetActivePage(panels.tsMpg);
}

} // namespace

void TFormMain::BindSettingsGroupCommands()
{
    for (const TSettingsGroupActions& group : SettingsGroupActions) {
        const TSettingsGroup g = group.Group;
        (Actions.*group.Copy)->OnExecute = [this, g](TObject*) { CopySettingsGroup(g); };
        (Actions.*group.Paste)->OnExecute = [this, g](TObject*) { PasteSettingsGroup(g); };
        (Actions.*group.Default)->OnExecute = [this, g](TObject*) { DefaultSettingsGroup(g); };
    }
    UpdatePasteActions();
}

void TFormMain::CopySettingsGroup(TSettingsGroup group)
{
    SettingsGroupCopies.Copy(group, CurrentEncoderSettings());
    UpdatePasteActions();
}

void TFormMain::PasteSettingsGroup(TSettingsGroup group)
{
    EncoderSettings settings = CurrentEncoderSettings();
    if (!SettingsGroupCopies.Paste(group, settings))
        return;
    {
        TUpdatingControlsScope updating;
        WriteSettingsGroup(*FPanels, group, settings);
        ShowSettingsGroupPage(*FPanels, group);
    }
    InitControls();
}

void TFormMain::DefaultSettingsGroup(TSettingsGroup group)
{
    switch (group) {
    case TSettingsGroup::AviVideo:
        FPanels->SetDefaultVideoSettings_Avi();
        break;
    case TSettingsGroup::MpgVideo:
        FPanels->SetDefaultVideoSettings_Mpg();
        break;
    case TSettingsGroup::Audio:
        FPanels->SetDefaultAudioSettings();
        break;
    case TSettingsGroup::Advanced:
        FPanels->SetDefaultAdvancedSettings();
        break;
    }
    ShowSettingsGroupPage(*FPanels, group);
    InitControls();
}

void TFormMain::UpdatePasteActions()
{
    for (const TSettingsGroupActions& group : SettingsGroupActions)
        (Actions.*group.Paste)->SetEnabled(SettingsGroupCopies.Filled(group.Group));
}
