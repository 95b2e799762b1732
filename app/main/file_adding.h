#pragma once

#include "engine/app_params.h"
#include "engine/media_info_records.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TComponent;
class TFileListView;
class TOpenDialog;
class TSaveDialog;

// What adding files asks of the main window.
struct TFileAddingCallbacks
{
    std::function<void()> InitControls;                               // enabled states (and the footer)
    std::function<void(const std::string& dir)> UpdateInitialFolders; // the dialogs' start folders
    std::function<void(const std::string& dir)> FileAdded;            // the folder of the file added last
    std::function<void()> ProcessMessages;                            // lets the window live during long adds
    std::function<void(const std::string& text)> ShowError;           // a message box over the main window
    std::function<bool()> DragAcceptDirectories;                      // AppParams.DragAcceptDirectories
    // The folder dialog started in a folder: the folder chosen, or nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& start)> ChooseFolder;
};

// Analyses one file for the mode into a cleared record.
using TFileAnalyzer =
    std::function<void(const std::string& fileName, TFileAnalysis mode, TVideoFileInfo& info)>;

// The program's analysis: the MediaInfo library in the quick and full modes and, in the full mode, the
// encoder's report for a file whose first video stream has no bitrate or no frame rate.
void AnalyzeAddedFile(const std::string& fileName, TFileAnalysis mode, TVideoFileInfo& info);

// Every way files enter the file list, all through the gate AddToList: the open dialog, a folder, a file
// list file, files dropped from the file manager and the command line. The main window makes one over its
// file list view, forwards the commands and wires the callbacks.
//
// A command adds its files as one batch: the enabled states and the footer are brought up to date once at
// its end, so adding n files costs O(n). Adding a folder lets the window process its messages every 10
// files and shows the rows added so far at most ten times a second; meanwhile IsAdding() is true, the
// commands that change the list (here and in the view) are refused, and a call of Cancel (the main window
// closing) ends the loop after the pump.
class TFileAdding
{
public:
    TFileAdding(TFileListView& list, TComponent* owner, TFileAddingCallbacks callbacks);
    ~TFileAdding();
    TFileAdding(const TFileAdding&) = delete;
    TFileAdding& operator=(const TFileAdding&) = delete;

    // The gate: adds one file when its extension is accepted, it exists as a file and is not listed yet,
    // analysed as the mode asks. False when it was not added. The batch's end is the caller's.
    bool AddToList(const std::string& fileName, bool checked);
    // Adds every line of a list file; an unreadable file is reported through ShowError.
    void LoadFileList(const std::string& lstFile);

    // --- commands (each refused while IsAdding) ---
    void AddFiles();            // actAddFiles: the open dialog
    void AddFolder();           // actAddFolder: the folder dialog, then the folder's files down 20 levels
    void LoadFileListCommand(); // actLoadFileList
    void SaveFileList();        // actSaveFileList: a write that fails is reported, never taken for success
    // Files, folders and list files dropped on the main window, in case-insensitive order of their names.
    void AddDroppedFiles(std::vector<std::string> names);
    // The command-line arguments that name existing files, in their order (a launcher passes every file the
    // user opened with the program); other arguments are ignored without a message.
    void AddCommandLineFiles(const std::vector<std::string>& arguments);

    // True while an add loop lets messages through.
    bool IsAdding() const { return FAddingDepth > 0; }
    // Ends an add loop at its next pump; the main window calls it when it closes.
    void Cancel() { FCancelled = true; }
    bool Cancelled() const { return FCancelled; }

    // The dialogs' texts from the string table, and their start folder.
    void SetLang();
    void SetInitialFolder(const std::string& dir);
    TOpenDialog* OpenDialog() const { return dlgOpen; }

    // Tests and benchmarks analyse through a stand-in; the mode is AppParams.FileAnalysis unless set.
    void SetAnalyzer(TFileAnalyzer analyzer) { FAnalyze = std::move(analyzer); }
    std::function<TFileAnalysis()> AnalysisMode;

private:
    class TAddingScope;
    void FinishBatch();
    void AddFolderFiles(const std::string& folder);
    bool PumpMessages();
    void AddLstNames(const std::vector<std::string>& names);
    void AddDroppedName(const std::string& name);
    void ReportError(const std::string& text) const;

    TFileListView& FList;
    TFileAddingCallbacks FCallbacks;
    TFileAnalyzer FAnalyze;
    TOpenDialog* dlgOpen = nullptr; // owned by the owner
    TOpenDialog* dlgOpenFileList = nullptr;
    TSaveDialog* dlgSaveFileList = nullptr;
    std::string FFolderDialogDir; // where the folder dialog starts
    int FAddingDepth = 0;         // add loops running (a pump may start no other, but a drop may nest)
    bool FCancelled = false;
};
