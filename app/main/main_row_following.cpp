#include "app/main/form_main.h"

#include "app/main/file_list_view.h"
#include "app/main/settings_panels.h"
#include "app/text_windows/form_cmd_line.h"
#include "engine/app_params.h"

// What follows the file list's selected row once the user has stopped moving through the list. The media
// information window follows it too (main_file_info_link.cpp), after these.

void TFormMain::FollowSelectedRow(int32_t row)
{
    SetCaption(std::string(AppTitle));
    TFileListView& list = *FFileListView;
    if (!list.IsValidRowIndex(row))
        return;
    const std::string fileName = list.GetNgFullFileName(row);
    SetCaption(std::string(AppTitle) + " - " + fileName);
    FPanels->UpdateCbAudioTrackNo(fileName);
    if (FWindows.CmdLine && FWindows.CmdLine->Visible())
        actShowCmdLineExecute(this);
    // The commands that act on the selected row, and the folder the explore command names.
    InitControls();
}
