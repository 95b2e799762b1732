#include "engine/two_pass_logs.h"

#include "engine/engine_utils.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string TTwoPassLogDir::Get(std::string& errorText)
{
    if (FFolder.empty())
        FFolder = GetRunTempDir(errorText);
    return FFolder;
}

void TTwoPassLogDir::ClearLogs()
{
    if (FFolder.empty() || FFolder == "/")
        return;
    // The folder is private to this run: whatever the encoder left in it goes (also the temporary files
    // of an interrupted first pass), without following links or entering sub-folders.
    const int folderFd = ::open(FFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd >= 0) {
        if (DIR* dir = ::fdopendir(folderFd)) {
            while (const dirent* entry = ::readdir(dir)) {
                struct stat status
                {
                };
                if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                    !S_ISDIR(status.st_mode))
                    ::unlinkat(folderFd, entry->d_name, 0);
            }
            ::closedir(dir); // closes folderFd too
        } else {
            ::close(folderFd);
        }
    }
    ::rmdir(FFolder.c_str()); // fails, and is let be, when something is left in it
    FFolder.clear();
}
