#include "engine/system_tools.h"

#include <sys/stat.h>
#include <unistd.h>

bool IsRegularFile(const std::string& fileName)
{
    struct stat info
    {
    };
    return !fileName.empty() && stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsExecutableFile(const std::string& fileName)
{
    return IsRegularFile(fileName) && access(fileName.c_str(), X_OK) == 0;
}

std::vector<std::string> AbsoluteSearchFolders(std::string_view list, std::string_view separators)
{
    std::vector<std::string> folders;
    while (!list.empty()) {
        const size_t end = list.find_first_of(separators);
        const std::string_view folder = list.substr(0, end);
        if (!folder.empty() && folder.front() == '/')
            folders.emplace_back(folder);
        if (end == std::string_view::npos)
            break;
        list.remove_prefix(end + 1);
    }
    return folders;
}

std::string FileInFolder(const std::string& folder, std::string_view name)
{
    return folder + (folder.back() == '/' ? "" : "/") + std::string(name);
}

std::string FindProgramOnPath(std::string_view name, std::string_view searchPath)
{
    for (const std::string& folder : AbsoluteSearchFolders(searchPath))
        if (const std::string candidate = FileInFolder(folder, name); IsExecutableFile(candidate))
            return candidate;
    return "";
}
