#include "app/main/form_main.h"

#include "app/kit/program_constants.h"
#include "app/kit/updating_controls.h"
#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_binder.h"
#include "app/main/settings_panels.h"
#include "controls/pack/browse_dialog.h"
#include "controls/skins/skin_manager.h"
#include "engine/app_strings.h"
#include "engine/audio_bitrates.h"
#include "engine/conversion_run.h"
#include "engine/forms/form_progress.h"
#include "engine/profile_files.h"
#include "engine/tool_discovery.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/tray_icon.h"
#include "platform/system/ini_file.h"
#include "support/files.h"

#include <cstdio>
#include <filesystem>

TFormMain* FormMain = nullptr;
bool ChooseLangBySystem = true;
bool StayOnTopActive = false;
std::string ShortcutFileName;

namespace {

constexpr int MainMinWidth = 650;
constexpr int MainMinHeight = 400;
constexpr int MainWidth = 998;
constexpr int MainHeight = 712;
constexpr int HintHidePauseMs = 6000;
constexpr const char* MainSkinName = "main";
constexpr const char* MainSkinResource = "MAINSKIN";

// Registers the skin text of the program's resources; the name it registered under, or an error.
std::string RegisterMainSkin(std::string& error)
{
    try {
        TResourceStream stream(MainSkinResource, RT_RCDATA);
        TStringList text;
        text.LoadFromStream(stream);
        GetSkinManager().SkinsList().AddSkin(text);
        return MainSkinName;
    } catch (const std::exception& e) {
        error = e.what();
        return "";
    }
}

} // namespace

TFormMain::TFormMain(TComponent* owner, TMainStartup startup) : TForm(owner), FStartup(std::move(startup))
{
    SetName("FormMain");
    FormMain = this;
    OnCloseQuery = [this](TObject* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    // Fires as the form's base part goes, when nothing of TFormMain is left: it touches no member.
    OnDestroy = [](TObject* sender) { FormDestroy(sender); };
    BuildFrame();
    BindCommands();
    BindWindowCommands();
    BindColumnCommands();
    BindSettingsGroupCommands();
    BindInfoWindowCommands();
    FormCreate(this);
}

TFormMain::~TFormMain()
{
    if (FormMain == this)
        FormMain = nullptr;
}

void TFormMain::FormCreate(TObject*)
{
    // The tray icon shows the application's icon while it has none of its own.
    Application->SetHintHidePause(HintHidePauseMs);
    Constraints()->SetMinHeight(MainMinHeight);
    Constraints()->SetMinWidth(MainMinWidth);
    SetWidth(MainWidth);
    SetHeight(MainHeight);
    StayOnTopActive = false;
    MinAudioBitrate = 96;
    ShortcutFileName = std::string(ProgramDesktopFileName) + ".desktop";

    InitProgramFolders(AppParams, FStartup.ExecutablePath, FStartup.Storage);
    GetFFmpegExePath(AppParams);
    GetMediaInfoDllPath(AppParams);
    AppParams.ScrollProgressToBottom = true;
    ti->SetHint(std::string(ProgramDisplayName));
    AppStrings = std::make_unique<TAppStrings>();
    SetCaption(std::string(AppTitle));
    Application->SetTitle(std::string(AppTitle));

    CheckIniFile();
    InitLang();
    PrepareSkins();
    BuildSettingsPanels();
    FPanels->PrepareControls();
    FPanels->SetDefaultParams();
    dlgOpenProfile->SetInitialDir(AppParams.ProfilesDir);
    dlgSaveProfile->SetInitialDir(AppParams.ProfilesDir);
    UpdateInitialFolders(ProgramDir);
    if (!DirExists(AppParams.ProfilesDir)) {
        std::error_code ignored; // a folder that cannot be made shows when something is saved there
        std::filesystem::create_directories(AppParams.ProfilesDir, ignored);
    }
    LoadLastSession();
    LoadSettings();
    SetLang();
    InitControls();
    GetProfiles();
    FAdding->AddCommandLineFiles(FStartup.Arguments);
    FFileListView->CalcFooter();
    // Asked for last, the window is made once its controls have their texts and sizes: made earlier, every
    // change above would reach windows already made.
    DragAcceptFiles(Handle(), true);
}

void TFormMain::CheckIniFile()
{
    ChooseLangBySystem = true;
    if (FileExists(AppParams.IniName)) {
        const TIniFile ini(AppParams.IniName);
        ChooseLangBySystem = ini.ReadBool("MAIN", "Left", true);
    }
}

void TFormMain::PrepareSkins()
{
    static bool reported = false;
    std::string error;
    const std::string registered = RegisterMainSkin(error);
    GetSkinManager().SetSkin(MainSkinName);
    if (GetSkinManager().CurrentSkinName() == MainSkinName || reported)
        return;
    reported = true;
    std::fprintf(stderr, "quillmark: the main skin could not be loaded (%s); the default look is used\n",
                 registered.empty() ? error.c_str() : "no skin of that name");
}

void TFormMain::UpdateInitialFolders(const std::string& dir)
{
    FAdding->SetInitialFolder(dir);
    dlgFolder->SetFolderName(dir);
    dlgSaveBAT->SetInitialDir(dir);
}

void TFormMain::Dispatch(TMessage& message)
{
    if (message.Msg != WM_DROPFILES) {
        TForm::Dispatch(message);
        return;
    }
    const auto drop = reinterpret_cast<HDROP>(message.WParam);
    std::vector<std::string> names = DropFileNames(drop);
    DragFinish(drop);
    FAdding->AddDroppedFiles(std::move(names));
}

void TFormMain::LoadLastSession()
{
    EncoderSettings settings = CurrentEncoderSettings();
    if (LoadProfile(AppParams.LastProfileFile, settings, ProfileContext()))
        SetCurrentEncoderSettings(settings);
}

void TFormMain::SaveLastSession()
{
    try {
        SaveProfile(AppParams.LastProfileFile, CurrentEncoderSettings());
    } catch (const std::exception&) {
        ReportWriteFailure(AppParams.LastProfileFile);
    }
}

void TFormMain::LoadSettings()
{
    const TSize screen{Screen->Width(), Screen->Height()};
    if (LoadSettingsFromIni(AppParams.IniName, AppParams, FSettings, screen)) {
        EncoderSettings settings = CurrentEncoderSettings();
        settings.OutputFormat = FSettings.OutputFormat;
        SetCurrentEncoderSettings(settings);
        if (!AppParams.LanguageIni.empty()) {
            AppStrings->SetEN();
            AppStrings->LoadFromFile(AppParams.LangDir + "/" + AppParams.LanguageIni);
        }
    }
    DefaultVideoCodecIndex = FSettings.DefaultVideoCodecIndex;
    {
        TUpdatingControlsScope updating;
        WriteRunOptions(*FPanels, FSettings.Run);
    }
    if (FileExists(AppParams.IniName))
        ApplyWindowLayout(FSettings.Layout);
    if (!FSettings.Layout.Main.LastDir.empty())
        UpdateInitialFolders(FSettings.Layout.Main.LastDir);
}

void TFormMain::SaveSettings()
{
    FSettings.Layout = ReadWindowLayout();
    if (FWindows.Progress)
        FSettings.Layout.Progress = FWindows.Progress->Layout();
    FSettings.Run = ReadRunOptions(*FPanels);
    FSettings.DefaultVideoCodecIndex = DefaultVideoCodecIndex;
    FSettings.OutputFormat = CurrentEncoderSettings().OutputFormat;
    if (!SaveSettingsToIni(AppParams.IniName, AppParams, FSettings))
        ReportWriteFailure(AppParams.IniName);
}

void TFormMain::ReportWriteFailure(const std::string& fileName)
{
    ShowError("The file \"" + fileName + "\" could not be written; the settings in it were not saved.");
}

void TFormMain::FormCloseQuery(TObject*, bool& canClose)
{
    if (!Busy())
        return;
    // A run or an adding loop handles messages below us: the window must outlive it. Ask, ask the loop to
    // stop, and close once it has unwound.
    canClose = false;
    if (FCloseWhenIdle || !AskYesNo("Files are being processed. Stop and close the program?"))
        return;
    FCloseWhenIdle = true;
    AbortConversion();
    FAdding->Cancel();
}

bool TFormMain::Busy() const
{
    return FBusyDepth > 0 || FAdding->IsAdding();
}

EncoderSettings TFormMain::CurrentEncoderSettings() const
{
    return ReadEncoderSettings(*FPanels);
}

void TFormMain::SetCurrentEncoderSettings(const EncoderSettings& settings)
{
    {
        TUpdatingControlsScope updating;
        WriteEncoderSettings(*FPanels, settings);
    }
    InitControls();
}

void TFormMain::CloseWhenIdle()
{
    if (Busy())
        FCloseWhenIdle = true;
    else
        Close();
}

void TFormMain::FormClose(TObject*, TCloseAction&)
{
    DragAcceptFiles(Handle(), false);
    SaveSettings();
    SaveLastSession();
}

void TFormMain::FormDestroy(TObject*)
{
    // Freed last: the secondary windows and a run's last steps may still read the texts while the
    // window closes.
    AppStrings.reset();
}
