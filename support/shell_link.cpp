#include "support/shell_link.h"

#include "support/files.h"
#include "support/special_folders.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// String values of a desktop entry cannot hold line breaks, and a backslash starts an escape.
std::string EscapeEntryValue(const std::string& value)
{
    std::string escaped;
    for (const char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += c;
        }
    }
    if (!escaped.empty() && escaped[0] == ' ')
        escaped.replace(0, 1, "\\s"); // leading blanks would be trimmed by readers
    return escaped;
}

// One quoted argument of the Exec key: inside the quotes ", `, $ and \ take a backslash, and % is a field
// code unless doubled.
std::string QuoteExecArgument(const std::string& argument)
{
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string LauncherText(const fs::path& target, const std::string& linkName, const std::string& description)
{
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + EscapeEntryValue(linkName) + "\n";
    if (!description.empty())
        text += "Comment=" + EscapeEntryValue(description) + "\n";
    text += "Exec=" + EscapeEntryValue(QuoteExecArgument(target.string())) + "\n";
    text += "Path=" + EscapeEntryValue(target.parent_path().string()) + "\n";
    return text;
}

void WriteLauncher(const std::string& target, const std::string& folderValueName,
                   const std::string& linkFileName, const std::string& description)
{
    const std::string folder = GetShellFolderPath(folderValueName);
    if (folder.empty() || linkFileName.empty())
        return;
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path absoluteTarget = fs::absolute(target, error).lexically_normal();
    if (error)
        return;
    const fs::path linkFile = fs::path(folder) / linkFileName;
    const std::string text = LauncherText(absoluteTarget, linkFile.stem().string(), description);
    {
        std::ofstream out(linkFile, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            fs::remove(linkFile, error); // no half-written launcher
            return;
        }
    }
    fs::permissions(linkFile, fs::perms(0755), fs::perm_options::replace, error);
}

} // namespace

bool ShellFolderFileExists(const std::string& folderValueName, const std::string& fileName)
{
    const std::string folder = GetShellFolderPath(folderValueName);
    return !folder.empty() && !fileName.empty() && FileExists(folder + "/" + fileName);
}

void CreateShellLink(const std::string& target, const std::string& folderValueName,
                     const std::string& linkFileName, const std::string& description)
{
    try {
        WriteLauncher(target, folderValueName, linkFileName, description);
    } catch (...) {
        // A missing shortcut is not worth disturbing the user: the caller shows nothing either way.
    }
}
