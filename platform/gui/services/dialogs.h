#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/core/strings.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The file dialogs as components, and a folder chooser. They show the toolkit's own dialogs (not the
// desktop's), so that they behave the same everywhere; file masks match without regard to case. The
// dialogs are reached through FileDialogs(), so that tests can script the answers without a window.

enum TOpenOption
{
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent
{
public:
    explicit TOpenDialog(TComponent* owner);
    ~TOpenDialog() override;

    // Pairs of description and masks: "Text files (*.txt)|*.txt|All files|*"; masks are separated by ";".
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    // 1-based; after Execute, the filter the user chose.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    // Without a leading dot: "txt".
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // Every chosen file (one unless ofAllowMultiSelect); emptied when a dialog starts.
    TStrings* Files() const { return files_.get(); }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Shows the dialog; true when the user chose, and FileName, Files and FilterIndex then say what.
    virtual bool Execute();

protected:
    virtual bool Saving() const { return false; }

private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string initialDir_;
    std::string defaultExt_;
    std::string fileName_;
    std::unique_ptr<TStringList> files_;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
    std::string title_;
};

class TSaveDialog : public TOpenDialog
{
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool Saving() const override { return true; }
};

// Lets the user choose a folder, starting at Directory; true when one was chosen, which is then in
// Directory.
bool SelectDirectory(const std::string& caption, std::string& directory);

// What a file dialog answers: the chosen files, named as the dialog's rules made them (with the default
// extension, confirmed where the options ask), and the filter chosen, 1-based.
struct TFileDialogAnswer
{
    std::vector<std::string> Files;
    int FilterIndex = 1;
};

// --- the folder browser ---

// What a folder browser shows and lets the user do.
struct TFolderBrowseRequest
{
    std::string Title;       // the window's caption; empty for the dialog's own
    std::string Headline;    // the text above the folders
    std::string Root;        // the folder at the top of the tree: the user cannot go above it
    std::string Selected;    // the folder chosen at first; empty (or outside Root) for Root
    bool EditBox = false;    // a field for typing a folder name, checked when the user confirms
    bool StatusText = false; // a line under the folders, filled at every selection
    bool HelpButton = false; // a Help button, working while HelpEnabled
    bool HelpEnabled = false;
    bool HelpKey = false; // F1 asks for help
    bool MakeFolderButton = true;
    bool UsageHint = false; // a line telling how to choose
};

// What a folder browser tells its owner while it is open. The owner keeps it alive for the dialog.
class IFolderBrowseEvents
{
public:
    virtual ~IFolderBrowseEvents() = default;
    // The dialog is set up, before the first selection is reported.
    virtual void Initialised() {}
    // The selection moved to folder: statusText (empty) and okEnabled (OK's state so far) may change.
    virtual void SelectionChanged(const std::string& /*folder*/, std::string& /*statusText*/,
                                  bool& /*okEnabled*/)
    {}
    // The user confirmed a typed name that is no folder: true lets the dialog close without a choice,
    // false keeps it open.
    virtual bool ValidationFailed(const std::string& /*typedName*/) { return true; }
    // The Help button or, with HelpKey, F1.
    virtual void HelpRequested() {}
    // The dialog window goes.
    virtual void Closing() {}
};

// The rules of one showing of a folder browser, which both the toolkit's dialog and a scripted one follow:
// the selection reported to the owner, OK working as the owner says, a typed name checked on OK, help and
// the closing told once.
class TFolderBrowseSession
{
public:
    enum TOutcome
    {
        Chosen,     // the dialog closes with Folder
        StayOpen,   // the dialog stays
        ClosesEmpty // the dialog closes without a choice
    };
    struct TConfirmation
    {
        TOutcome Outcome;
        std::string Folder;
    };

    TFolderBrowseSession(const TFolderBrowseRequest& request, IFolderBrowseEvents& events);
    ~TFolderBrowseSession();
    TFolderBrowseSession(const TFolderBrowseSession&) = delete;
    TFolderBrowseSession& operator=(const TFolderBrowseSession&) = delete;

    const TFolderBrowseRequest& Request() const { return request_; }
    // Tells Initialised and reports the first selection; answers the folder selected first.
    std::string Start();
    // The selection moved (a folder outside Root is taken as Root).
    void Select(const std::string& folder);
    const std::string& Selection() const { return selection_; }
    const std::string& StatusText() const { return statusText_; }
    bool OkEnabled() const { return okEnabled_; }
    // OK, with the name typed in the edit box (empty for none; relative names are in the selection).
    TConfirmation Confirm(const std::string& typedName);
    // Help asked for by the button (fromKey false) or by F1; answers whether the owner was told.
    bool Help(bool fromKey);
    // Tells Closing (once).
    void Close();
    // The folder inside Root nearest to folder: folder itself, or Root.
    std::string InsideRoot(const std::string& folder) const;

private:
    TFolderBrowseRequest request_;
    IFolderBrowseEvents& events_;
    std::string selection_;
    std::string statusText_;
    bool okEnabled_ = true;
    bool closed_ = false;
};

// The dialogs behind TOpenDialog, TSaveDialog and SelectDirectory, and the folder browser.
class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;
    // Shows a file dialog as the component describes it, a save dialog when saving; nullopt when cancelled.
    virtual std::optional<TFileDialogAnswer> ChooseFiles(const TOpenDialog& dialog, bool saving) = 0;
    // Lets the user choose a folder starting at directory; nullopt when cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                    const std::string& directory) = 0;
    // Shows a folder browser that follows a session of request and events; the folder chosen, nullopt when
    // cancelled or closed after a typed name that is no folder.
    virtual std::optional<std::string> BrowseForFolder(const TFolderBrowseRequest& request,
                                                       IFolderBrowseEvents& events) = 0;
};

// Installs the program-wide dialogs (nullptr goes back to the toolkit's); the caller keeps them alive.
void SetFileDialogs(IFileDialogs* dialogs);
IFileDialogs& FileDialogs();

// The pieces of the dialogs' rules, on their own.

struct TFileFilter
{
    std::string Description;
    std::vector<std::string> Masks;
};
// A description left without masks at the end is dropped.
std::vector<TFileFilter> ParseFileFilter(const std::string& filter);
// The toolkit's form of a filter, "Text (*.[tT][xX][tT])": letters of the masks match either case, and
// "*.*" matches every name as "*" does.
std::string ToolkitNameFilter(const TFileFilter& filter);

// A name typed without an extension gets the extension of the chosen filter when that filter names one,
// else the default extension; without a default extension the name stays as it is.
std::string WithDefaultExtension(const std::string& fileName, const TFileFilter* chosenFilter,
                                 const std::string& defaultExt);

enum class TChosenFileCheck
{
    Accept,
    AskOverwrite,
    AskCreate,
    FileMissing,
    FolderMissing
};
TChosenFileCheck CheckChosenFile(TOpenOptions options, bool saving, bool fileExists, bool folderExists);
