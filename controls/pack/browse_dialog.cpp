#include "controls/pack/browse_dialog.h"

#include "controls/pack/special_folder_ids.h"
#include "platform/gui/forms/application.h"

#include <filesystem>

TRQBrowseDialog::TRQBrowseDialog(TComponent* owner) : TComponent(owner) {}

void TRQBrowseDialog::SetRootFolderID(int value)
{
    if (value == fRootFolderID)
        return;
    if (!IsSpecialFolderID(value))
        throw ERQShellFolders("Invalid special folder ID");
    fRootFolderID = value;
}

std::string FolderDisplayName(const std::string& folder)
{
    const std::string name = std::filesystem::path(folder).filename().string();
    return name.empty() ? folder : name;
}

bool TRQBrowseDialog::HelpAvailable() const
{
    return fHelpType == htKeyword ? !fHelpKeyword.empty() : fHelpContext != 0;
}

TFolderBrowseRequest TRQBrowseDialog::Request(const std::string& root) const
{
    const bool newStyle = fOptions.Contains(boNewDlgStyle);
    TFolderBrowseRequest request;
    request.Title = fTitle;
    request.Headline = fHeadline;
    request.Root = root;
    request.Selected = fFolderName;
    request.EditBox = fOptions.Contains(boEditBox);
    request.StatusText = !newStyle && fOptions.Contains(boStatusText);
    request.HelpButton = !newStyle && fOptions.Contains(boShowHelp);
    request.HelpEnabled = HelpAvailable();
    request.HelpKey = !fOptions.Contains(boContextHelp);
    request.MakeFolderButton = !(newStyle && fOptions.Contains(boHideMakeFolderBtn));
    request.UsageHint = newStyle && fOptions.Contains(boHint) && !fOptions.Contains(boEditBox);
    return request;
}

bool TRQBrowseDialog::Execute()
{
    const std::optional<std::string> root = SpecialFolderPath(fRootFolderID);
    if (!root)
        throw ERQShellFolders("Root folder not supported on this system");
    fShowing = true;
    const std::optional<std::string> chosen = FileDialogs().BrowseForFolder(Request(*root), *this);
    fShowing = false;
    if (!chosen)
        return false;
    fFolderName = *chosen;
    fDisplayName = FolderDisplayName(*chosen);
    return true;
}

void TRQBrowseDialog::Initialised()
{
    if (OnInitialise)
        OnInitialise(this);
}

void TRQBrowseDialog::SelectionChanged(const std::string& folder, std::string& statusText, bool& okEnabled)
{
    okEnabled = okEnabled && (!fOptions.Contains(boDirsOnly) || !folder.empty());
    statusText.clear();
    if (OnSelChange)
        OnSelChange(this, folder, FolderDisplayName(folder), statusText, okEnabled);
    if (OnSelChangeEx)
        OnSelChangeEx(this, folder, statusText, okEnabled);
}

bool TRQBrowseDialog::ValidationFailed(const std::string& typedName)
{
    bool canClose = true;
    if (OnValidationFailed)
        OnValidationFailed(this, typedName, canClose);
    return canClose;
}

void TRQBrowseDialog::HelpRequested()
{
    if (!HelpAvailable())
        return;
    try {
        bool cancel = false;
        if (OnHelp)
            OnHelp(this, cancel);
        if (cancel)
            return;
        if (fHelpType == htKeyword)
            Application->HelpKeyword(fHelpKeyword);
        else
            Application->HelpContext(fHelpContext);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TRQBrowseDialog::Closing()
{
    if (OnClose)
        OnClose(this);
}
