#include "app/kit/updating_controls.h"
#include "app/main/file_list_view.h"
#include "app/main/form_main.h"
#include "app/options/desktop_launcher.h"
#include "app/options/form_options.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/font_combo_box6.h"
#include "controls/grid/spin_edit6.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/forms/window_routines.h"
#include "engine/language_files.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_host.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "support/window_services.h"

#include <filesystem>

// What the options window's changes do: the main window's file list takes its looks at once, a language
// switch re-translates the windows, and the desktop launcher is made when missing.

namespace {

// The header grows with the file list's font so that the column captions keep room.
constexpr int LargeGridFontSize = 14;
constexpr int HeaderHeightSmallFont = 22;
constexpr int HeaderHeightLargeFont = 34;

void SetGridOption(TDataGrid& grid, TGridOption option, bool present)
{
    TGridOptions options = grid.Options();
    if (present)
        options += option;
    else
        options -= option;
    grid.SetOptions(options);
}

} // namespace

void TFormOptions::cbFileListFontSelect(TObject*)
{
    if (UpdatingControls)
        return;
    TDataGrid& grid = *FHost.FileList.Grid();
    const std::string name = cbFileListFont->Text();
    grid.Font()->SetName(name);
    TGxColumns& columns = *grid.Columns();
    for (int i = 0; i < columns.Count(); ++i)
        columns.Items(i)->Font()->SetName(name); // the headers keep their font
}

void TFormOptions::edFileListFontSizeChange(TObject*)
{
    if (UpdatingControls)
        return;
    TDataGrid& grid = *FHost.FileList.Grid();
    SetGridFont(grid, grid.Font()->Name(), edFileListFontSize->AsInteger());
    grid.SetHeaderSize(grid.Font()->Size() < LargeGridFontSize ? HeaderHeightSmallFont
                                                               : HeaderHeightLargeFont);
}

void TFormOptions::edFileListRowHeightChange(TObject*)
{
    if (UpdatingControls)
        return;
    TDataGrid& grid = *FHost.FileList.Grid();
    const int height = edFileListRowHeight->AsInteger();
    grid.SetRowSize(height);
    grid.BeginUpdate();
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetRowHeight(row, height);
    grid.EndUpdate(true);
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
            SetGridOption(*FHost.FileList.Grid(), c.Option, c.Check->Checked() != c.Inverted);
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
