#include "app/kit/updating_controls.h"
#include "app/main/file_list_looks.h"
#include "app/main/file_list_view.h"
#include "app/main/form_main.h"
#include "app/options/desktop_launcher.h"
#include "app/options/form_options.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/font_combo_box6.h"
#include "controls/grid/spin_edit6.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/language_files.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_host.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "support/window_services.h"

#include <filesystem>

// What the options window's changes do: the main window's file list takes its looks at once, a language
// switch re-translates the windows, and the desktop launcher is made when missing.

void TFormOptions::cbFileListFontSelect(TObject*)
{
    if (UpdatingControls)
        return;
    SetFileListFontName(*FHost.FileList.Grid(), cbFileListFont->Text());
}

void TFormOptions::edFileListFontSizeChange(TObject*)
{
    if (UpdatingControls)
        return;
    SetFileListFontSize(*FHost.FileList.Grid(), edFileListFontSize->AsInteger());
}

void TFormOptions::edFileListRowHeightChange(TObject*)
{
    if (UpdatingControls)
        return;
    SetFileListRowHeight(*FHost.FileList.Grid(), edFileListRowHeight->AsInteger());
}

std::array<TFormOptions::TGridOptionCheck, 5> TFormOptions::GridOptionChecks() const
{
    return {{{chFileListGridLines, goGrid, false},
             {chFileListFooter, goFooter, false},
             {chFileListRowIndicator, goIndicator, false},
             {chFileListAllowRowMoving, goRowMoving, false},
             {chFileListAllowColumnMoving, goDisableColumnMoving, true}}};
}

void TFormOptions::chFileListGridOptionClick(TObject* sender)
{
    if (UpdatingControls)
        return;
    for (const TGridOptionCheck& c : GridOptionChecks())
        if (c.Check == sender)
            SetFileListOption(*FHost.FileList.Grid(), c.Option, c.Check->Checked() != c.Inverted);
}

void TFormOptions::chFileListIconClickOpenClick(TObject*)
{
    if (!UpdatingControls)
        AppParams.OpenFileAfterIconClick = chFileListIconClickOpen->Checked();
}

// The chosen language's file is laid over the English texts, so that a key it lacks shows in English and
// not in the language chosen before.
void TFormOptions::cbLanguageChange(TObject*)
{
    if (UpdatingControls || !LangIniList || cbLanguage->ItemIndex() < 0)
        return;
    const TLangIniListItem* item =
        LangIniList->GetItemByNativeName(cbLanguage->Items()->Strings(cbLanguage->ItemIndex()));
    if (!item)
        return;
    AppParams.LanguageIni = std::filesystem::path(item->FileName).filename().string();
    AppStrings->SetEN();
    AppStrings->LoadFromFile(item->FileName);
    SetLang();
    if (FHost.LangSwitched)
        FHost.LangSwitched();
}

void TFormOptions::btnCreateShortcutOnDesktopClick(TObject*)
{
    ShowLauncherResult(CreateDesktopLauncher(FHost.ProgramFile, ShortcutFileName, std::string(AppTitle)));
}

void TFormOptions::ShowLauncherResult(const TDesktopLauncher& launcher)
{
    const TOptionsModuleStrings& texts = AppStrings->Options;
    const bool failed = launcher.Result == TLauncherResult::Failed;
    const std::string& text = failed                                        ? texts.ShortcutFailed
                              : launcher.Result == TLauncherResult::Created ? texts.ShortcutCreated
                                                                            : texts.ShortcutExists;
    ShowMsgBox(PrepareLangStr(text, launcher.FileName), Caption(), WindowHandleOf(*this),
               MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
}
