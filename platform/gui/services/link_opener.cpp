#include "platform/gui/services/link_opener.h"

#include "platform/gui/services/shell.h"
#include "support/utf8.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

bool StartsWithIgnoringCase(const std::string& text, std::string_view prefix)
{
    return text.size() >= prefix.size() && AsciiLowerCase(text.substr(0, prefix.size())) == prefix;
}

// Kinds that the desktop's opener may run, or hand to an interpreter, rather than show.
bool HasRunnableExtension(const fs::path& path)
{
    static constexpr std::array<std::string_view, 16> extensions = {
        ".desktop", ".sh",  ".bash", ".csh", ".zsh", ".py",  ".pl",  ".rb",
        ".jar",     ".exe", ".bat",  ".cmd", ".com", ".msi", ".run", ".appimage"};
    const std::string extension = AsciiLowerCase(path.extension().string());
    for (std::string_view runnable : extensions)
        if (extension == runnable)
            return true;
    return false;
}

bool StartsLikeAProgram(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    in.read(head, sizeof head);
    const std::string_view start(head, static_cast<size_t>(in.gcount()));
    return start.starts_with("#!") || start == "\x7f"
                                               "ELF";
}

TLinkAction OpenWindowTarget(const std::string& target)
{
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(target), error);
    if (error)
        return TLinkAction::None;
    if (fs::is_directory(status))
        return Shell().Open(target) ? TLinkAction::Opened : TLinkAction::None;
    if (!fs::is_regular_file(status))
        return TLinkAction::None;
    if (IsRunnableFile(target))
        return Shell().ShowInFolder(target) ? TLinkAction::ShownInFolder : TLinkAction::None;
    return Shell().Open(target) ? TLinkAction::Opened : TLinkAction::None;
}

} // namespace

bool IsWebOrMailAddress(const std::string& target)
{
    return StartsWithIgnoringCase(target, "http://") || StartsWithIgnoringCase(target, "https://") ||
           StartsWithIgnoringCase(target, "mailto:");
}

bool IsRunnableFile(const std::string& fileName)
{
    const fs::path path = fs::path(fileName);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
    constexpr fs::perms anyExecute = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & anyExecute) != fs::perms::none || HasRunnableExtension(path) ||
           StartsLikeAProgram(path);
}

TLinkAction OpenLink(const std::string& target, TLinkSource source)
{
    if (IsWebOrMailAddress(target))
        return Shell().Open(target) ? TLinkAction::Opened : TLinkAction::None;
    if (source == TLinkSource::Window && !target.empty())
        return OpenWindowTarget(target);
    return TLinkAction::None;
}
