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

// The dialogs behind TOpenDialog, TSaveDialog and SelectDirectory.
class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;
    // Shows a file dialog as the component describes it, a save dialog when saving; nullopt when cancelled.
    virtual std::optional<TFileDialogAnswer> ChooseFiles(const TOpenDialog& dialog, bool saving) = 0;
    // Lets the user choose a folder starting at directory; nullopt when cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                    const std::string& directory) = 0;
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
