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

std::string FindProgramOnPath(std::string_view name, std::string_view searchPath)
{
    while (!searchPath.empty()) {
        const size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        if (!folder.empty() && folder.front() == '/') {
            std::string candidate = std::string(folder);
            if (candidate.back() != '/')
                candidate += '/';
            candidate += name;
            if (IsExecutableFile(candidate))
                return candidate;
        }
        if (colon == std::string_view::npos)
            break;
        searchPath.remove_prefix(colon + 1);
    }
    return "";
}
