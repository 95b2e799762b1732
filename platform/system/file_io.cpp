#include "platform/system/file_io.h"

#include "platform/system/os_error.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when it leaves scope.
class TFdGuard
{
public:
    explicit TFdGuard(int fd) : FFd(fd) {}
    ~TFdGuard()
    {
        if (FFd >= 0) {
            ::close(FFd);
        }
    }
    TFdGuard(const TFdGuard&) = delete;
    TFdGuard& operator=(const TFdGuard&) = delete;
    int Release()
    {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A symbolic link is followed so that the link stays and its target gets the new contents.
std::string ResolveTarget(const std::string& fileName)
{
    struct stat info;
    if (::lstat(fileName.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(fileName.c_str(), resolved)) {
            return resolved;
        }
    }
    return fileName;
}

std::string FolderOf(const std::string& fileName)
{
    const size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

// A random number for a temporary name; each thread draws from a generator of its own.
uint32_t RandomNumber()
{
    thread_local std::mt19937 random{std::random_device{}()};
    return random();
}

// Creates a new file beside target with a name no one else uses; the umask applies to its mode.
int CreateTemporarySibling(const std::string& target, std::string& tempName)
{
    const std::string folder = FolderOf(target);
    const std::string base = target.substr(target.rfind('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = folder + "/." + base + ".tmp" + std::to_string(RandomNumber() % 1000000);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A rename is on the disk only once the folder that holds the name is synced too. The new contents are in
// place by then whatever happens here, so a folder that cannot be synced is no failure of the replacement.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int ReadFileBytes(const std::string& fileName, std::string& bytes)
{
    bytes.clear();
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    TFdGuard guard(fd);
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            bytes.clear();
            return error;
        }
        if (count == 0) {
            return 0;
        }
        bytes.append(buffer, static_cast<size_t>(count));
    }
}

void ReplaceFileContents(const std::string& fileName, std::string_view bytes)
{
    const std::string target = ResolveTarget(fileName);
    const std::string action = "Cannot write the file \"" + fileName + "\"";
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;

    std::string tempName;
    const int fd = CreateTemporarySibling(target, tempName);
    if (fd < 0) {
        RaiseLastOSError(action);
    }
    TFdGuard guard(fd);
    const bool written = WriteAll(fd, bytes) && (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                         ::fsync(fd) == 0 && ::close(guard.Release()) == 0 &&
                         ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(tempName.c_str());
        throw EOSError(action, error);
    }
    SyncFolder(FolderOf(target));
}
