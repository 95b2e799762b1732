#include "controls/pack/special_folder_ids.h"

#include "support/special_folders.h"

#include <cstdlib>
#include <filesystem>

namespace {

// The 58 numbers: 0x00 to 0x0E, 0x10 to 0x31, 0x35 to 0x3B, 0x3D and 0x3E.
bool InTable(int id)
{
    return (id >= 0x00 && id <= 0x0E) || (id >= 0x10 && id <= 0x31) || (id >= 0x35 && id <= 0x3B) ||
           id == 0x3D || id == 0x3E;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG base folder: the variable when it holds an absolute folder, else the default under home.
std::string BaseFolder(const char* variable, const char* underHome)
{
    const std::string configured = Environment(variable);
    if (configured.starts_with('/'))
        return configured;
    const std::string home = Environment("HOME");
    return home.empty() ? "" : home + "/" + underHome;
}

std::string FolderOf(int id)
{
    switch (id) {
    case CSIDL_DESKTOP:
        return "/";
    case CSIDL_PROFILE:
        return Environment("HOME");
    case CSIDL_APPDATA:
        return BaseFolder("XDG_CONFIG_HOME", ".config");
    case CSIDL_LOCAL_APPDATA:
        return BaseFolder("XDG_DATA_HOME", ".local/share");
    case CSIDL_INTERNET_CACHE:
        return BaseFolder("XDG_CACHE_HOME", ".cache");
    case CSIDL_DESKTOPDIRECTORY:
        return GetDesktopDir();
    case CSIDL_PERSONAL:
    case CSIDL_MYDOCUMENTS:
        return GetSpecialFolderPath(CSIDL_PERSONAL, "");
    case CSIDL_MYMUSIC:
    case CSIDL_MYVIDEO:
    case CSIDL_TEMPLATES:
    case CSIDL_MYPICTURES:
        return GetSpecialFolderPath(id, "");
    default:
        return "";
    }
}

} // namespace

bool IsSpecialFolderID(int id)
{
    return InTable(id);
}

std::optional<std::string> SpecialFolderPath(int id)
{
    const std::string folder = IsSpecialFolderID(id) ? FolderOf(id) : "";
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return std::nullopt;
    return folder;
}
