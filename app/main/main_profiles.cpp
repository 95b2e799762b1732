#include "app/main/form_main.h"

#include "app/main/settings_panels.h"
#include "controls/edits/combo_box.h"
#include "engine/app_strings.h"
#include "engine/forms/profile_selector.h"
#include "engine/profile_list.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/windows/actions.h"
#include "platform/system/ini_file.h"
#include "support/files.h"

// The encoder profiles: the selector of the profiles folder's profiles, and the commands that save the
// current settings as a profile and load one, from a dialog or from the selector.

namespace {

constexpr const char* ProfileFileMask = "|*.ini";

// The selector's items from the profile list, with the fixed texts of the current language.
void FillSelectorFromList(TVezComboBox& selector)
{
    FillProfileSelector(selector, ProfileInfos, AppStrings->Main.cbProfile_TheLastSessionSettings,
                        AppStrings->Main.cbProfile_DefaultSettings);
}

} // namespace

void TFormMain::BindProfileCommands()
{
    Actions.actLoadProfile->OnExecute = [this](TObject* sender) { actLoadProfileExecute(sender); };
    Actions.actSaveProfile->OnExecute = [this](TObject* sender) { actSaveProfileExecute(sender); };
    Actions.actLoadSelectedProfile->OnExecute = [this](TObject* sender) {
        actLoadSelectedProfileExecute(sender);
    };
    dlgSaveProfile->SetDefaultExt("ini");
    dlgSaveProfile->SetOptions(dlgSaveProfile->Options() + TOpenOptions{ofOverwritePrompt});
    TVezComboBox& selector = *FPanels->cbProfileNew;
    SetUpProfileSelector(selector, ProfileInfos);
    selector.OnChange = [this](TObject* sender) { cbProfileNewChange(sender); };
}

void TFormMain::GetProfiles()
{
    ::GetProfiles(AppParams, ProfileInfos);
    FillSelectorFromList(*FPanels->cbProfileNew);
}

ProfileLoadContext TFormMain::ProfileContext() const
{
    ProfileLoadContext context;
    context.DefaultVideoCodecIndex = DefaultVideoCodecIndex;
    context.AutoText = AppStrings->Main.Auto;
    context.VideoCopyCaption = AppStrings->Main.cbAviVideoCodec_Copy;
    context.AudioCopyCaption = AppStrings->Main.cbAudioCodec_Copy;
    return context;
}

void TFormMain::actSaveProfileExecute(TObject*)
{
    dlgSaveProfile->SetInitialDir(AppParams.ProfilesDir);
    dlgSaveProfile->SetFilter(AppStrings->Main.dlgSaveProfile_Filter + ProfileFileMask);
    if (!dlgSaveProfile->Execute())
        return;
    std::optional<int> selected;
    try {
        selected =
            SaveProfileToList(dlgSaveProfile->FileName(), CurrentEncoderSettings(), AppParams, ProfileInfos);
    } catch (const EIniFileError& e) {
        ShowError("The encoder settings were not saved: " + std::string(e.what()));
        return;
    }
    if (!selected)
        return;
    FillSelectorFromList(*FPanels->cbProfileNew);
    FPanels->cbProfileNew->SetItemIndex(*selected);
}

void TFormMain::actLoadProfileExecute(TObject*)
{
    dlgOpenProfile->SetInitialDir(AppParams.ProfilesDir);
    dlgOpenProfile->SetFilter(AppStrings->Main.dlgOpenProfile_Filter + ProfileFileMask);
    if (!dlgOpenProfile->Execute())
        return;
    if (!LoadProfileFile(dlgOpenProfile->FileName()))
        return;
    InitControls();
}

void TFormMain::actLoadSelectedProfileExecute(TObject*)
{
    const int item = FPanels->cbProfileNew->ItemIndex();
    if (item == ProfileItemDefaults) {
        Actions.actSetDefaultEncoderSettings->Execute();
        return;
    }
    const ProfileChoice choice = GetSelectedProfile(item, ProfileInfos, AppParams);
    if (!choice.FileName.empty() && LoadProfileFile(choice.FileName))
        InitControls();
}

void TFormMain::cbProfileNewChange(TObject* sender)
{
    try {
        actLoadSelectedProfileExecute(sender);
    } catch (const std::exception&) {
        // Choosing an entry loads what it can; the controls keep what was loaded so far.
    }
}

// A missing file loads nothing, silently (the last session's before a first close); a file that is not a
// profile of this program is reported and changes nothing.
bool TFormMain::LoadProfileFile(const std::string& fileName)
{
    if (!FileExists(fileName))
        return false;
    if (const std::string problem = ProfileFileProblem(fileName); !problem.empty()) {
        ShowError(problem + " Nothing was loaded.");
        return false;
    }
    EncoderSettings settings = CurrentEncoderSettings();
    if (!LoadProfile(fileName, settings, ProfileContext()))
        return false;
    SetCurrentEncoderSettings(settings);
    return true;
}
