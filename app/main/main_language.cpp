#include "app/main/form_main.h"

#include "app/errors/form_errors.h"
#include "app/main/file_list_view.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "engine/app_strings.h"
#include "engine/forms/form_progress.h"
#include "engine/language_files.h"

// The texts of the window and of the secondary windows from the string table.

std::unique_ptr<TLangIniList> LangIniList;

void TFormMain::SetLang()
{
    FFileListView->SetLang();
    if (FWindows.Progress)
        FWindows.Progress->SetLang(*AppStrings);
    if (FWindows.Errors)
        FWindows.Errors->SetLang();
    if (FWindows.CmdLine)
        FWindows.CmdLine->SetLang();
    if (FWindows.ToolsInfo)
        FWindows.ToolsInfo->SetLang();
}
