#pragma once

#include "platform/gui/core/exceptions.h"
#include "platform/gui/services/dialogs.h"

#include <functional>
#include <string>

// A folder chooser as a component: the toolkit's folder dialog under a root given as a special-folder
// number, with a title, a headline, a preselected folder, a status line, OK that the owner may disable,
// a typed name checked before the dialog closes, help, and events for each step.

class ERQShellFolders : public Exception
{
public:
    using Exception::Exception;
};

enum TRQBrowseDlgOption
{
    boShowHelp,          // old-style dialog only: a Help button
    boContextHelp,       // F1 is the dialog's own; without it F1 asks the component's help
    boStatusText,        // old-style dialog only: a status line filled by the selection events
    boDirsOnly,          // only folders of the file system can be chosen
    boNewDlgStyle,       // the new-style dialog
    boHideMakeFolderBtn, // new-style dialog only: no make-folder button
    boEditBox,           // a field for typing a name, checked on OK
    boHint               // new-style dialog without edit box only: a usage hint line
};
using TRQBrowseDlgOptions = TSet<TRQBrowseDlgOption>;

enum THelpType
{
    htKeyword,
    htContext
};

// The selection changed: its folder and display name; the status text and whether OK works may change.
using TRQBrowseSelChangeEvent =
    std::function<void(TObject* sender, const std::string& folderName, const std::string& displayName,
                       std::string& statusText, bool& okEnabled)>;
// The same with the selected item, which here is its folder's name.
using TRQBrowseSelChangeEventEx =
    std::function<void(TObject* sender, const std::string& item, std::string& statusText, bool& okEnabled)>;
// A typed name is no folder: canClose starts true (the dialog closes without a choice).
using TRQBrowseValidationFailedEvent =
    std::function<void(TObject* sender, const std::string& editText, bool& canClose)>;
using TRQBrowseHelpEvent = std::function<void(TObject* sender, bool& cancel)>;

class TRQBrowseDialog : public TComponent, private IFolderBrowseEvents
{
public:
    explicit TRQBrowseDialog(TComponent* owner);

    const std::string& Title() const { return fTitle; }
    void SetTitle(const std::string& value) { fTitle = value; }
    // Before Execute the folder selected first; after a successful Execute the folder chosen.
    const std::string& FolderName() const { return fFolderName; }
    void SetFolderName(const std::string& value) { fFolderName = value; }
    const std::string& DisplayName() const { return fDisplayName; }
    // The tree's root as a special-folder number; raises ERQShellFolders for a number that is none.
    int RootFolderID() const { return fRootFolderID; }
    void SetRootFolderID(int value);
    const std::string& Headline() const { return fHeadline; }
    void SetHeadline(const std::string& value) { fHeadline = value; }
    TRQBrowseDlgOptions Options() const { return fOptions; }
    void SetOptions(TRQBrowseDlgOptions value) { fOptions = value; }
    int HelpContext() const { return fHelpContext; }
    void SetHelpContext(int value) { fHelpContext = value; }
    const std::string& HelpKeyword() const { return fHelpKeyword; }
    void SetHelpKeyword(const std::string& value) { fHelpKeyword = value; }
    THelpType HelpType() const { return fHelpType; }
    void SetHelpType(THelpType value) { fHelpType = value; }
    // True while the dialog is shown.
    bool Showing() const { return fShowing; }

    // Shows the dialog; true when a folder was chosen (FolderName and DisplayName then say which). Raises
    // ERQShellFolders, before any window shows, when this desktop has no folder for RootFolderID.
    bool Execute();

    TNotifyEvent OnInitialise;
    TRQBrowseSelChangeEvent OnSelChange;
    TRQBrowseSelChangeEventEx OnSelChangeEx;
    TNotifyEvent OnClose;
    TRQBrowseValidationFailedEvent OnValidationFailed;
    TRQBrowseHelpEvent OnHelp;

private:
    TFolderBrowseRequest Request(const std::string& root) const;
    bool HelpAvailable() const;
    // IFolderBrowseEvents
    void Initialised() override;
    void SelectionChanged(const std::string& folder, std::string& statusText, bool& okEnabled) override;
    bool ValidationFailed(const std::string& typedName) override;
    void HelpRequested() override;
    void Closing() override;

    std::string fFolderName;
    std::string fHeadline;
    std::string fDisplayName;
    int fRootFolderID = 0;
    std::string fTitle;
    TRQBrowseDlgOptions fOptions{boContextHelp, boDirsOnly};
    int fHelpContext = 0;
    THelpType fHelpType = htContext;
    std::string fHelpKeyword;
    bool fShowing = false;
};

// The name a folder is shown by: its last part ("/" for the top).
std::string FolderDisplayName(const std::string& folder);
