#include "app/main/form_main.h"

#include "app/file_info/form_file_info.h"
#include "app/main/file_list_view.h"
#include "controls/grid/data_grid.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/forms/window_routines.h"
#include "engine/tool_discovery.h"
#include "platform/gui/windows/actions.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <filesystem>

// The main window and its media information window: the command that shows and hides it, and the window
// following the file list's selected file while it is shown.

namespace {

// The window's caption while it shows a file: its name and its size.
std::string FileInfoCaption(const TVideoFileInfo& info)
{
    return AppStrings->FileInfo.Caption +
           "   ::   " + std::filesystem::path(info.FileName).filename().string() +
           "   ::   " + FileSizeToStr(info.FileSize, " bytes");
}

// Analyses the file and shows it with its first video and audio streams.
void ShowFileInFileInfo(TFormFileInfo& window, const std::string& fileName, const std::string& encoder)
{
    const TVideoFileInfo info = GetFFmpegFileInfo(fileName, encoder);
    window.SetCaption(FileInfoCaption(info));
    window.UpdateList(info, 1, 1);
}

} // namespace

void TFormMain::LinkFileInfoWindow(TFormFileInfo& window)
{
    FWindows.FileInfo = &window;
    window.TakeSelectionColors(*FFileListView->Grid());
    Actions.actShowHideFileInfo->OnExecute = [this](TObject* sender) { actShowHideFileInfoExecute(sender); };
    // The selected row is followed by other parts of the window too: they keep their turn before this one.
    auto others = std::move(FFileListView->OnSelectedRowSettled);
    FFileListView->OnSelectedRowSettled = [this, others = std::move(others)](int32_t row) {
        if (others)
            others(row);
        FollowRowInFileInfo(row);
    };
}

void TFormMain::actShowHideFileInfoExecute(TObject*)
{
    TFormFileInfo* window = FWindows.FileInfo;
    if (!window)
        return;
    window->SetCaption(AppStrings->FileInfo.Caption);
    window->SetVisible(!window->Visible());
    TFileListView& list = *FFileListView;
    if (list.RowCount() > 0 && list.SelectedRow() < 0)
        list.Grid()->SetSelectedRow(0);
    const int32_t row = list.SelectedRow();
    if (!window->Visible() || !list.IsValidRowIndex(row))
        return;
    const std::string encoder = GetFFmpegExePath(AppParams);
    if (!FileExists(encoder)) {
        ShowToolMissingMsg(this); // the window stays shown, empty
        return;
    }
    ShowFileInFileInfo(*window, list.GetNgFullFileName(row), encoder);
}

void TFormMain::FollowRowInFileInfo(int32_t row)
{
    TFormFileInfo* window = FWindows.FileInfo;
    if (!window || !window->Visible() || !FFileListView->IsValidRowIndex(row))
        return;
    ShowFileInFileInfo(*window, FFileListView->GetNgFullFileName(row), GetFFmpegExePath(AppParams));
}
