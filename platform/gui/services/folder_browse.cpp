// The rules of a folder browser's showing, apart from any window.

#include "platform/gui/services/dialogs.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The name without "." and ".." steps and without a trailing "/" (except the root's own).
std::string Normal(const std::string& folder)
{
    std::string normal = fs::path(folder).lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

bool IsInside(const std::string& folder, const std::string& root)
{
    return root == "/" ? folder.starts_with('/') : folder == root || folder.starts_with(root + "/");
}

} // namespace

TFolderBrowseSession::TFolderBrowseSession(const TFolderBrowseRequest& request, IFolderBrowseEvents& events)
    : request_(request), events_(events)
{
    request_.Root = Normal(request_.Root.empty() ? "/" : request_.Root);
}

TFolderBrowseSession::~TFolderBrowseSession() = default;

std::string TFolderBrowseSession::InsideRoot(const std::string& folder) const
{
    const std::string normal = folder.empty() ? request_.Root : Normal(folder);
    return IsInside(normal, request_.Root) ? normal : request_.Root;
}

std::string TFolderBrowseSession::Start()
{
    events_.Initialised();
    Select(request_.Selected);
    return selection_;
}

void TFolderBrowseSession::Select(const std::string& folder)
{
    selection_ = InsideRoot(folder);
    statusText_.clear();
    events_.SelectionChanged(selection_, statusText_, okEnabled_);
}

TFolderBrowseSession::TConfirmation TFolderBrowseSession::Confirm(const std::string& typedName)
{
    if (!okEnabled_)
        return {StayOpen, {}};
    if (typedName.empty() || !request_.EditBox)
        return {Chosen, selection_};
    const fs::path typed(typedName);
    const std::string folder = Normal((typed.is_absolute() ? typed : fs::path(selection_) / typed).string());
    std::error_code error;
    if (fs::is_directory(folder, error) && IsInside(folder, request_.Root))
        return {Chosen, folder};
    return {events_.ValidationFailed(typedName) ? ClosesEmpty : StayOpen, {}};
}

bool TFolderBrowseSession::Help(bool fromKey)
{
    const bool asked = fromKey ? request_.HelpKey : request_.HelpButton && request_.HelpEnabled;
    if (asked)
        events_.HelpRequested();
    return asked;
}

void TFolderBrowseSession::Close()
{
    if (closed_)
        return;
    closed_ = true;
    events_.Closing();
}
