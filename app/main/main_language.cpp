#include "app/main/form_main.h"

#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/errors/form_errors.h"
#include "app/file_info/form_file_info.h"
#include "app/kit/updating_controls.h"
#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "app/main/main_language_parts.h"
#include "app/main/settings_panels.h"
#include "app/model/first_language.h"
#include "app/options/form_options.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "controls/pack/panel.h"
#include "engine/app_strings.h"
#include "engine/forms/form_progress.h"
#include "engine/language_files.h"
#include "platform/system/ini_file.h"
#include "platform/system/user_locale.h"
#include "support/files.h"

// The language of the window: the first language file at start, the list of the language files, and the
// texts of the window and of the secondary windows from the string table.

std::unique_ptr<TLangIniList> LangIniList;

namespace {

// A language file of the language folder by its name without folder; empty for no name.
std::string LanguageFilePath(const std::string& name)
{
    return name.empty() ? std::string() : AppParams.LangDir + "/" + name;
}

} // namespace

void TFormMain::PrepareLangIniList()
{
    LangIniList = std::make_unique<TLangIniList>();
    LangIniList->SetSectionWithDisplayName(std::string(LangInfoSection));
    LangIniList->SetDisplayNameID(std::string(LangNameInEnglishKey));
    LangIniList->AddIniFilesFromDir(AppParams.LangDir, "ini");
}

void TFormMain::InitLang()
{
    PrepareLangIniList();
    if (!ChooseLangBySystem) {
        const TIniFile ini(AppParams.IniName);
        AppParams.LanguageIni = ini.ReadString("MAIN", "LanguageIni", "");
        if (!AppParams.LanguageIni.empty())
            AppStrings->LoadFromFile(LanguageFilePath(AppParams.LanguageIni));
        return;
    }
    // A missing file leaves the English texts and no language named in the settings.
    const std::string name = FirstLanguageFileName(SystemUiLanguage());
    const std::string path = LanguageFilePath(name);
    if (!FileExists(path))
        return;
    AppParams.LanguageIni = name;
    AppStrings->LoadFromFile(path);
}

void TFormMain::SetLang()
{
    {
        TUpdatingControlsScope updating;
        SetMainWindowTexts(*this, *AppStrings);
        FFileListView->SetLang();
        FAdding->SetLang();
        SetSettingsListTexts(*FPanels, AppStrings->Main);
        FPanels->pnProfile->Repaint();
    }
    if (FWindows.Progress)
        FWindows.Progress->SetLang(*AppStrings);
    if (FWindows.Errors)
        FWindows.Errors->SetLang();
    if (FWindows.CmdLine)
        FWindows.CmdLine->SetLang();
    if (FWindows.ToolsInfo)
        FWindows.ToolsInfo->SetLang();
    if (FWindows.FileInfo)
        FWindows.FileInfo->SetLang();
    if (FWindows.Options)
        FWindows.Options->SetLang();
    if (FWindows.About)
        FWindows.About->SetLang();
    if (FWindows.CheckUpdate)
        FWindows.CheckUpdate->SetLang();
    // Texts that follow the window's state (the tray command, the MPG preset line) take the new language.
    InitControls();
}
