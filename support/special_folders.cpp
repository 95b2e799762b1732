#include "support/special_folders.h"

#include "support/utf8.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

struct UserFolder
{
    int FolderId;
    const char* ValueName; // the shell-folder value name, or nullptr
    const char* XdgKey;
};

constexpr int DesktopFolderId = 16;

constexpr UserFolder UserFolders[] = {
    {0, nullptr, "XDG_DESKTOP_DIR"},         {DesktopFolderId, "Desktop", "XDG_DESKTOP_DIR"},
    {5, "Personal", "XDG_DOCUMENTS_DIR"},    {13, "My Music", "XDG_MUSIC_DIR"},
    {14, "My Video", "XDG_VIDEOS_DIR"},      {21, "Templates", "XDG_TEMPLATES_DIR"},
    {39, "My Pictures", "XDG_PICTURES_DIR"},
};

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeDir()
{
    std::string home = EnvironmentValue("HOME");
    if (home.empty()) {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
            home = found->pw_dir ? found->pw_dir : "";
    }
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home;
}

std::string ConfigHome(const std::string& home)
{
    const std::string configured = EnvironmentValue("XDG_CONFIG_HOME");
    if (!configured.empty() && configured[0] == '/')
        return configured;
    return home.empty() ? "" : home + "/.config";
}

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A value of user-dirs.dirs: "$HOME/Some Folder" or "/absolute/folder", in double quotes, with shell
// backslash escapes. Empty when the value has neither form.
std::string ResolveUserDirValue(const std::string& rawValue, const std::string& home)
{
    std::string value = Trim(rawValue);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    std::string unescaped;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        unescaped += value[i];
    }
    std::string folder;
    if (unescaped == "$HOME" || unescaped.starts_with("$HOME/"))
        folder = home.empty() ? "" : home + unescaped.substr(5);
    else if (unescaped.starts_with("/"))
        folder = unescaped;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string ReadUserDir(const std::string& xdgKey, const std::string& home)
{
    const std::string configHome = ConfigHome(home);
    if (configHome.empty())
        return "";
    std::ifstream settings(configHome + "/user-dirs.dirs");
    std::string line, folder;
    while (std::getline(settings, line)) {
        line = Trim(line);
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos)
            continue;
        if (Trim(line.substr(0, equals)) == xdgKey)
            folder = ResolveUserDirValue(line.substr(equals + 1), home); // the last setting wins
    }
    return folder;
}

std::string UserFolderPath(const UserFolder& userFolder, const std::string& defaultPath)
{
    const std::string home = HomeDir();
    const std::string folder = ReadUserDir(userFolder.XdgKey, home);
    if (!folder.empty())
        return folder;
    const bool isDesktop = std::string_view(userFolder.XdgKey) == "XDG_DESKTOP_DIR";
    return isDesktop && !home.empty() ? home + "/Desktop" : defaultPath;
}

} // namespace

std::string GetSpecialFolderPath(int folderId, const std::string& defaultPath)
{
    for (const UserFolder& userFolder : UserFolders)
        if (userFolder.FolderId == folderId)
            return UserFolderPath(userFolder, defaultPath);
    return defaultPath;
}

std::string GetDesktopDir()
{
    return GetSpecialFolderPath(DesktopFolderId, "");
}

std::string GetShellFolderPath(const std::string& valueName)
{
    for (const UserFolder& userFolder : UserFolders)
        if (userFolder.ValueName && SameTextIgnoreCase(userFolder.ValueName, valueName))
            return UserFolderPath(userFolder, "");
    return "";
}

// The default is kept for the callers; with "/tmp" as the last resort the folder is never empty here.
std::string GetTempDir([[maybe_unused]] const std::string& defaultPath)
{
    std::string folder = EnvironmentValue("TMPDIR");
    if (folder.empty())
        folder = "/tmp";
    return folder.back() == '/' ? folder : folder + "/";
}

std::string GetConfigHomeDir()
{
    return ConfigHome(HomeDir());
}
