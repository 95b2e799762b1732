#pragma once

#include "app/kit/storage_folders.h"
#include "app/main/main_actions.h"
#include "app/model/settings_group_copies.h"
#include "engine/encoder_settings.h"
#include "engine/forms/window_looks.h"
#include "engine/profile_files.h"
#include "engine/run_host.h"
#include "engine/settings_file.h"
#include "platform/gui/forms/forms.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IFileList;
class TLangIniList;
class TFileAdding;
class TFileListView;
class TSettingsPanels;
class TFlatHint;
class TFormAbout;
class TFormCheckUpdate;
class TFormCmdLine;
class TFormErrors;
class TFormFileInfo;
class TFormOptions;
class TFormProgress;
class TFormToolsInfo;
class TKVGxFlipPanel;
class TOpenDialog;
class TPanel;
class TPngImageList;
class TQvDock;
class TQvPopupMenu;
class TQvToolbar;
class TRQBrowseDialog;
class TSaveDialog;
class TTrayIcon;
struct TBuilderEnvironment;
struct TOptionsWindowHost;

// What the program was started with: where its executable is (the program folder), where the user's
// configuration folder is, and the command-line arguments after the program's name.
struct TMainStartup
{
    std::string ExecutablePath;
    StorageEnvironment Storage;
    std::vector<std::string> Arguments;
};

// The secondary windows the main window shows and hands texts to; created after the main window, so they
// come in later through SetSecondaryWindows.
struct TSecondaryWindows
{
    TFormAbout* About = nullptr;
    TFormProgress* Progress = nullptr;
    TFormOptions* Options = nullptr;
    TFormFileInfo* FileInfo = nullptr;
    TFormErrors* Errors = nullptr;
    TFormCmdLine* CmdLine = nullptr;
    TFormToolsInfo* ToolsInfo = nullptr;
    TFormCheckUpdate* CheckUpdate = nullptr;
};

// The main window: menus and tool bar, the file list, the output options and the conversion settings. It
// owns the program-wide objects (AppParams, the string table) for the program's life and is the host of
// every conversion run.
class TFormMain : public TForm, public IRunHost
{
public:
    TFormMain(TComponent* owner, TMainStartup startup);
    ~TFormMain() override;

    void SetSecondaryWindows(const TSecondaryWindows& windows) { FWindows = windows; }

    // --- start-up and closing (form_main_lifecycle.cpp) ---
    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);
    static void FormDestroy(TObject* sender);
    void CheckIniFile();
    void PrepareSkins();
    void UpdateInitialFolders(const std::string& dir);
    // The settings file and the last session's encoder settings.
    void LoadSettings();
    void SaveSettings();
    void LoadLastSession();
    void SaveLastSession();

    // --- the window layout binder (window_layout_binder.cpp) ---
    WindowLayout ReadWindowLayout();
    void ApplyWindowLayout(const WindowLayout& layout);

    // --- greying around a run, enabled states (main_enabling.cpp) ---
    void DisableAll() override;
    void EnableAll() override;
    void InitControls();

    // --- language (main_language.cpp) ---
    // Chooses the first language file and loads it into the string table; once, at start.
    void InitLang();
    // The language files of the language folder, for the options window's language list.
    void PrepareLangIniList();
    // Writes the string table's texts into every control of the window and of the secondary windows.
    void SetLang();

    // --- the window's parts ---
    TSettingsPanels& Panels() { return *FPanels; }
    TFileListView& FileListView() { return *FFileListView; }
    TFileAdding& FileAdding() { return *FAdding; }
    // What the secondary windows copy from this one's hidden templates.
    TWindowLooks WindowLooks() const;

    // --- commands (main_commands.cpp) ---
    void actConvertExecute(TObject* sender);
    void actSaveBATExecute(TObject* sender);
    void actBrowseOutDirExecute(TObject* sender);
    void actExitExecute(TObject* sender);
    void actEscExecute(TObject* sender);
    // One conversion run over the file list with the current settings; the main window is its host. Returns
    // when the run has ended; a close asked for meanwhile is carried out then.
    void RunConversion(IFileList& files);

    // --- run host: the main window's part (run_host_main.cpp) ---
    void SetApplicationTitle(const std::string& title) override;
    void CloseMainWindow() override;
    bool PowerOff() override;
    void ProcessMessages() override;
    void ShowWarning(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    // --- run host: the error and progress windows' part (run_host_windows.cpp) ---
    IErrorLogSink& ErrorLog() override;
    void SetErrorWindowCaption(const std::string& caption) override;
    void ShowErrorWindow() override;
    void ShowProgressWindow() override;
    void SetProgressCaption(const std::string& caption) override;
    void SetAbortCaption(const std::string& caption) override;
    void SetProgressBarVisible(bool visible) override;
    void SetProgressPosition(int position) override;
    void SetInputFileText(const std::string& text) override;
    void SetOutputFileMarkup(const std::string& markup) override;
    void SetStatusMarkup(const std::string& markup) override;
    void SetStatusColor(TColor color) override;
    bool IsEncoderOutputHidden() override;
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override;
    void ShowMemoText(const std::string& text) override;
    void ScrollMemoToBottom() override;
    void ConversionFinished() override;

    // --- state the other parts read ---
    const ProgramSettings& Settings() const { return FSettings; }
    ProgramSettings& Settings() { return FSettings; }
    // The encoder settings the panels show, read and written through the binder.
    EncoderSettings CurrentEncoderSettings() const;
    void SetCurrentEncoderSettings(const EncoderSettings& settings);
    // True while a conversion run or a loop adding files handles messages on the stack.
    bool Busy() const;
    // A close was asked for while busy: the loop on the stack should end, and the window closes then.
    bool CloseRequested() const { return FCloseWhenIdle; }

    // --- file list columns (main_columns.cpp) ---
    // Binds the column commands and the three column menus; once, at creation.
    void BindColumnCommands();
    // Shows the column of a column command when it is hidden, hides it when it is shown.
    void ToggleColumnVisible(const TMainActionSpec& spec);
    // The check marks of the column commands follow their columns; each column menu calls it as it opens.
    void InitColVisibleActions(TObject* sender);

    // --- copy, paste and defaults of the settings groups (main_settings_groups.cpp) ---
    // Binds the twelve group commands; once, at creation.
    void BindSettingsGroupCommands();
    void CopySettingsGroup(TSettingsGroup group);
    void PasteSettingsGroup(TSettingsGroup group);
    void DefaultSettingsGroup(TSettingsGroup group);
    // A paste command is enabled only while its group has a copy.
    void UpdatePasteActions();

    // --- the frame (form_main_frame.cpp, main_menus.cpp) ---
    TMainActions Actions;
    TQvDock* dockMenu = nullptr;
    TQvToolbar* tbMainMenu = nullptr;
    TQvDock* dockToolbar = nullptr;
    TQvToolbar* tbMain = nullptr;
    TPanel* pnGridBg = nullptr; // the file list's grid ng goes in here
    TPanel* pnMid = nullptr;    // the output options
    TKVGxFlipPanel* fpConversionSettings = nullptr;
    TFlatHint* AppHint = nullptr;
    TTrayIcon* ti = nullptr;
    TQvPopupMenu* popLv = nullptr;
    TQvPopupMenu* popTi = nullptr;
    TQvPopupMenu* popColumns = nullptr;
    TOpenDialog* dlgOpenProfile = nullptr;
    TSaveDialog* dlgSaveProfile = nullptr;
    TSaveDialog* dlgSaveBAT = nullptr;
    TRQBrowseDialog* dlgFolder = nullptr;

    void Dispatch(TMessage& message) override;

    // --- following the file list's selected row (main_row_following.cpp) ---
    // Runs once the selection has settled: the caption names the file, the audio track list and the
    // commands follow it, and the command line window shows its command line when it is shown.
    void FollowSelectedRow(int32_t row);

    // --- the media information window (main_file_info_link.cpp) ---
    // Takes the window as the media information window, binds Show / hide video file properties to it and
    // lets it follow the file list's selected file while it is shown.
    void LinkFileInfoWindow(TFormFileInfo& window);
    void actShowHideFileInfoExecute(TObject* sender);
    // Shows the file of the row in the media information window when that is visible.
    void FollowRowInFileInfo(int32_t row);

    // --- the options window (main_options_link.cpp) ---
    // What the options window reaches of this window: the file list, the Options key, the program file
    // and the texts of every window after a language switch.
    TOptionsWindowHost OptionsWindowHost();
    void actShowOptionsExecute(TObject* sender);
    void BindOptionsCommand();

    // --- window and folder commands (main_window_commands.cpp) ---
    void BindWindowCommands();
    void actShowProgressWindowExecute(TObject* sender);
    void actShowHideFormErrorsExecute(TObject* sender);
    void actShowCmdLineExecute(TObject* sender);
    void actToolsInfoExecute(TObject* sender);
    void actStayOnTopExecute(TObject* sender);
    // Puts the main window away into the tray with the windows that belong to it, or brings it back.
    void actShowHideMainWindowExecute(TObject* sender);
    void actMinimizeToTrayExecute(TObject* sender);
    void tiClick(TObject* sender);
    void actExploreDirectoryExecute(TObject* sender);
    void actExploreOutDirExecute(TObject* sender);

    // --- the encoder profiles (main_profiles.cpp) ---
    void BindProfileCommands();
    // Rebuilds the profile list from the profiles folder and the selector from it.
    void GetProfiles();
    void actSaveProfileExecute(TObject* sender);
    void actLoadProfileExecute(TObject* sender);
    void actLoadSelectedProfileExecute(TObject* sender);
    void cbProfileNewChange(TObject* sender);
    // What loading a profile needs to know of the window's lists.
    ProfileLoadContext ProfileContext() const;
    // Loads the profile into the panels; false when nothing was loaded (a file that is not a profile is
    // reported).
    bool LoadProfileFile(const std::string& fileName);

    // The copies of the settings groups, for as long as the program runs.
    TSettingsGroupCopies SettingsGroupCopies;
    // Refreshes the options window's controls after a column was shown or hidden; called only while that
    // window is visible.
    std::function<void()> OnColumnVisibilityChanged;

    // --- the help menu's commands and the information buttons (main_help_commands.cpp,
    // main_info_buttons.cpp) ---
    TPngImageList* ilActions = nullptr; // the pictures of the actions, menus and tool bar
    void BindHelpCommands();
    void BindInfoButtons();
    void btnInfoAudioBitratesClick(TObject* sender);
    void btnInfoFourccClick(TObject* sender);
    void btnFFParamsClick(TObject* sender);

    // --- the update check and about windows (main_info_windows_link.cpp) ---
    void BindInfoWindowCommands();
    void actCheckUpdateExecute(TObject* sender);
    void actAboutExecute(TObject* sender);

private:
    void BuildFrame();
    void BuildFileList();
    void BuildSettingsPanels();
    void BuildBars();
    void BuildPanels();
    void BuildMenus();
    void BuildPopups();
    void BuildDialogs();
    void BindCommands();
    void BindFileListCommands();
    TBuilderEnvironment RunEnvironment();
    // Reports a file that could not be written.
    void ReportWriteFailure(const std::string& fileName);
    // Closes now, or once the loop on the stack has ended.
    void CloseWhenIdle();

    TMainStartup FStartup;
    TSecondaryWindows FWindows;
    ProgramSettings FSettings;
    std::unique_ptr<TSettingsPanels> FPanels; // made once the string table exists
    std::unique_ptr<TFileListView> FFileListView;
    std::unique_ptr<TFileAdding> FAdding;
    // The error records while the window has no error window (a main window made alone, as tests make it).
    struct TPendingErrorLog : IErrorLogSink
    {
        void Clear() override { Lines.clear(); }
        void Add(const std::string& line) override { Lines.push_back(line); }
        std::vector<std::string> Lines;
    } FPendingErrorLog;
    int FBusyDepth = 0;
    bool FCloseWhenIdle = false;
};

// Program-wide values of the main window.
extern bool ChooseLangBySystem; // the first language follows the system's locale (a first start)
extern bool StayOnTopActive;
extern std::string ShortcutFileName; // the desktop launcher the options window makes
// The language files of the language folder; built once at start.
extern std::unique_ptr<TLangIniList> LangIniList;

// The main window once created (the entry routine's first window); nullptr before and after.
extern TFormMain* FormMain;
