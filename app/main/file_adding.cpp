#include "app/main/file_adding.h"

#include "app/main/file_list_view.h"
#include "app/model/file_row_values.h"
#include "app/model/listed_files.h"
#include "app/model/lst_files.h"
#include "engine/app_strings.h"
#include "engine/engine_utils.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/mediainfo_analysis.h"
#include "engine/shared_tables.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/windows/timers.h"
#include "support/file_search.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr int FolderSearchDepth = 20;
constexpr int FilesBetweenPumps = 10;
constexpr int FoundFilesBetweenPumps = 30;
constexpr uint32_t RefreshIntervalMs = 100;

const TAppStrings& AddingStrings()
{
    static const TAppStrings english;
    return AppStrings ? *AppStrings : english;
}

std::string FolderOf(const std::string& fileName)
{
    return fs::path(fileName).parent_path().string();
}

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The open dialog's filter: MKV files, then every accepted extension.
std::string MediaFilesFilter(const TMainModuleStrings& strings)
{
    std::string masks;
    for (std::string_view extension : InputFileExtensions)
        masks += (masks.empty() ? "*." : ";*.") + LowerAscii(std::string(extension));
    return strings.dlgOpen_Filter1 + "|*.mkv|" + strings.dlgOpen_Filter2 + "|" + masks;
}

} // namespace

void AnalyzeAddedFile(const std::string& fileName, TFileAnalysis mode, TVideoFileInfo& info)
{
    if (mode == faNone)
        return;
    GetMediaInfoFileInfo(fileName, AppParams.MediaInfoDll, info);
    const bool probe = mode == faFull && info.NumberOfVideoStreams > 0 &&
                       (info.VideoStreams[0].Bitrate < 1 || info.VideoStreams[0].FPS <= 0.0);
    if (probe)
        info = GetFFmpegFileInfo(fileName, AppParams.ffmpeg);
}

// Marks an add loop: the list refuses its changing commands meanwhile.
class TFileAdding::TAddingScope
{
public:
    explicit TAddingScope(TFileAdding& adding) : adding_(adding)
    {
        if (adding_.FAddingDepth++ == 0)
            adding_.FCancelled = false;
        adding_.FList.SetChangesLocked(true);
    }
    ~TAddingScope()
    {
        if (--adding_.FAddingDepth == 0)
            adding_.FList.SetChangesLocked(false);
    }
    TAddingScope(const TAddingScope&) = delete;
    TAddingScope& operator=(const TAddingScope&) = delete;

private:
    TFileAdding& adding_;
};

TFileAdding::TFileAdding(TFileListView& list, TComponent* owner, TFileAddingCallbacks callbacks)
    : FList(list), FCallbacks(std::move(callbacks)), FAnalyze(AnalyzeAddedFile)
{
    dlgOpen = new TOpenDialog(owner);
    dlgOpen->SetName("dlgOpen");
    dlgOpen->SetDefaultExt("mkv");
    dlgOpen->SetOptions({ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing});
    dlgOpenFileList = new TOpenDialog(owner);
    dlgOpenFileList->SetName("dlgOpenFileList");
    dlgOpenFileList->SetDefaultExt("lst");
    dlgSaveFileList = new TSaveDialog(owner);
    dlgSaveFileList->SetName("dlgSaveFileList");
    dlgSaveFileList->SetDefaultExt("lst");
    dlgSaveFileList->SetOptions({ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
    SetLang();
}

TFileAdding::~TFileAdding() = default;

void TFileAdding::SetLang()
{
    const TMainModuleStrings& strings = AddingStrings().Main;
    dlgOpen->SetFilter(MediaFilesFilter(strings));
    dlgOpenFileList->SetFilter(strings.dlgOpenFileList_Filter + "|*.lst");
    dlgSaveFileList->SetFilter(strings.dlgSaveFileList_Filter + "|*.lst");
}

void TFileAdding::SetInitialFolder(const std::string& dir)
{
    dlgOpen->SetInitialDir(dir);
    dlgOpenFileList->SetInitialDir(dir);
    dlgSaveFileList->SetInitialDir(dir);
    FFolderDialogDir = dir;
}

// --- the gate ---

bool TFileAdding::AddToList(const std::string& fileName, bool checked)
{
    if (!IsSupportedInputFile(fileName))
        return false;
    TNewFileRow row;
    row.FileName = ExpandListedFileName(fileName);
    if (!FileExists(row.FileName))
        return false;
    row.Identity = ListedFileIdentity(row.FileName);
    if (FList.IsIdentityListed(row.Identity))
        return false;
    const TAppStrings& strings = AddingStrings();
    row.Checked = checked;
    row.Status = strings.Main.Ready;
    const TFileAnalysis mode = AnalysisMode ? AnalysisMode() : AppParams.FileAnalysis;
    if (mode != faNone) {
        TVideoFileInfo info;
        ClearVideoFileInfo(info);
        FAnalyze(row.FileName, mode, info);
        const TRowTexts texts{strings.FileInfo.ScanType_Interlaced, strings.FileInfo.ScanType_Progressive,
                              strings.FileInfo.lblChannels};
        row.Media = MakeFileRowValues(info, texts);
    }
    row.Size = GetFileSizeWithFallback(row.FileName);
    if (FList.AppendFileRow(row) < 0)
        return false;
    const std::string folder = FolderOf(row.FileName);
    dlgOpen->SetInitialDir(folder);
    if (FCallbacks.FileAdded)
        FCallbacks.FileAdded(folder);
    return true;
}

void TFileAdding::FinishBatch()
{
    FList.CalcFooter();
    if (FCallbacks.InitControls)
        FCallbacks.InitControls();
}

bool TFileAdding::PumpMessages()
{
    if (FCallbacks.ProcessMessages)
        FCallbacks.ProcessMessages();
    return !FCancelled;
}

void TFileAdding::ReportError(const std::string& text) const
{
    if (FCallbacks.ShowError)
        FCallbacks.ShowError(text);
}

// --- commands ---

void TFileAdding::AddFiles()
{
    if (IsAdding() || FList.ChangesLocked() || !dlgOpen->Execute())
        return;
    TAddingScope adding(*this);
    const TStrings& files = *dlgOpen->Files();
    if (files.Count() > 0 && FCallbacks.UpdateInitialFolders)
        FCallbacks.UpdateInitialFolders(FolderOf(files.Strings(0)));
    FList.BeginUpdate();
    for (int i = 0; i < files.Count(); ++i)
        AddToList(files.Strings(i), true);
    FList.EndUpdate();
    FinishBatch();
}

void TFileAdding::AddFolder()
{
    if (IsAdding() || FList.ChangesLocked())
        return;
    const std::optional<std::string> chosen = FCallbacks.ChooseFolder(FFolderDialogDir);
    if (!chosen)
        return;
    const std::string& folder = *chosen;
    if (FCallbacks.UpdateInitialFolders)
        FCallbacks.UpdateInitialFolders(folder);
    if (folder.empty())
        return;
    TAddingScope adding(*this);
    AddFolderFiles(folder);
    FinishBatch();
}

void TFileAdding::AddFolderFiles(const std::string& folder)
{
    std::vector<std::string> found;
    int foundCount = 0;
    SearchFiles("*.*", folder, found, FolderSearchDepth, true, true, {},
                [this, &foundCount](int, int, int, const std::string&) {
                    return ++foundCount % FoundFilesBetweenPumps != 0 || PumpMessages();
                });
    if (FCancelled)
        return;
    std::erase_if(found, [](const std::string& name) { return !IsSupportedInputFile(name); });
    // The grid stays in a batch of changes; every 10 files the window processes its messages, and at most
    // every RefreshIntervalMs the batch opens to show the rows added so far, the last one scrolled into view,
    // and the footer. Repainting at every pump cost more than adding the files.
    std::optional<uint32_t> lastRefresh;
    FList.BeginUpdate();
    for (size_t i = 0; i < found.size(); ++i) {
        if (i % FilesBetweenPumps == 0) {
            const bool refresh = !lastRefresh || GetTickCount() - *lastRefresh >= RefreshIntervalMs;
            if (refresh) {
                FList.ScrollToLastRow();
                FList.ShowFooterSoFar();
                FList.EndUpdate();
            }
            const bool goOn = PumpMessages();
            if (refresh) {
                FList.BeginUpdate();
                lastRefresh = GetTickCount();
            }
            if (!goOn)
                break;
        }
        AddToList(found[i], true);
    }
    FList.EndUpdate();
}

void TFileAdding::LoadFileListCommand()
{
    if (IsAdding() || FList.ChangesLocked() || !dlgOpenFileList->Execute())
        return;
    if (FCallbacks.UpdateInitialFolders)
        FCallbacks.UpdateInitialFolders(FolderOf(dlgOpenFileList->FileName()));
    TAddingScope adding(*this);
    LoadFileList(dlgOpenFileList->FileName());
    FinishBatch();
}

void TFileAdding::LoadFileList(const std::string& lstFile)
{
    std::vector<std::string> names;
    try {
        names = ReadLstFile(lstFile);
    } catch (const std::runtime_error& error) {
        ReportError(error.what());
        return;
    }
    FList.BeginUpdate();
    for (const std::string& name : names)
        AddToList(name, true);
    FList.EndUpdate();
}

void TFileAdding::SaveFileList()
{
    if (IsAdding() || !dlgSaveFileList->Execute())
        return;
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(FList.RowCount()));
    for (int32_t row = 0; row < FList.RowCount(); ++row)
        names.push_back(FList.GetNgFullFileName(row));
    try {
        WriteLstFile(dlgSaveFileList->FileName(), names);
    } catch (const std::runtime_error& error) {
        ReportError(error.what());
    }
}

void TFileAdding::AddDroppedFiles(std::vector<std::string> names)
{
    if (IsAdding() || FList.ChangesLocked())
        return;
    std::erase_if(names, [](const std::string& name) { return name.empty(); });
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LowerAscii(a) < LowerAscii(b);
    });
    TAddingScope adding(*this);
    for (const std::string& name : names) {
        if (FCancelled)
            break;
        AddDroppedName(name);
    }
    FList.RenumNg();
    FinishBatch();
}

void TFileAdding::AddDroppedName(const std::string& name)
{
    if (LowerAscii(fs::path(name).extension().string()) == ".lst") {
        LoadFileList(name);
        return;
    }
    const bool acceptFolders = FCallbacks.DragAcceptDirectories ? FCallbacks.DragAcceptDirectories()
                                                                : AppParams.DragAcceptDirectories;
    if (DirExists(name) && acceptFolders) {
        if (FCallbacks.UpdateInitialFolders)
            FCallbacks.UpdateInitialFolders(name);
        AddFolderFiles(name);
        return;
    }
    AddToList(name, true);
    if (FCallbacks.UpdateInitialFolders)
        FCallbacks.UpdateInitialFolders(FolderOf(ExcludeTrailingDotAndDelimiter(name)));
}

void TFileAdding::AddCommandLineFiles(const std::vector<std::string>& arguments)
{
    if (IsAdding() || FList.ChangesLocked())
        return;
    TAddingScope adding(*this);
    for (const std::string& argument : arguments) {
        if (!argument.empty() && FileExists(argument))
            AddToList(argument, true);
    }
    FinishBatch();
}
