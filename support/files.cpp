#include "support/files.h"

#include "support/file_times.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

enum AttributeBit : uint32_t
{
    ReadOnlyBit = 0x1,
    HiddenBit = 0x2,
    DirectoryBit = 0x10,
    SymLinkBit = 0x400,
    AnyFileMask = 0x1FF,
};

bool InOurGroups(gid_t group)
{
    if (group == getegid())
        return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int read = getgroups(count, groups.data());
    for (int i = 0; i < read; ++i)
        if (groups[static_cast<size_t>(i)] == group)
            return true;
    return false;
}

// Judged by the permission bits alone, so that a file marked read-only reads as such for root too.
bool WritePermissionFor(const struct stat& info)
{
    if (info.st_uid == geteuid())
        return (info.st_mode & S_IWUSR) != 0;
    if (InOurGroups(info.st_gid))
        return (info.st_mode & S_IWGRP) != 0;
    return (info.st_mode & S_IWOTH) != 0;
}

std::string LastNamePart(const std::string& fileName)
{
    const size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

bool IsHiddenName(const std::string& name)
{
    return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

bool ReadAttributeBits(const std::string& fileName, uint32_t& bits)
{
    struct stat own;
    if (fileName.empty() || lstat(fileName.c_str(), &own) != 0)
        return false;
    struct stat target = own;
    bits = 0;
    if (S_ISLNK(own.st_mode)) {
        bits |= SymLinkBit;
        if (stat(fileName.c_str(), &target) != 0)
            target = own; // a dangling link: only the link itself can be described
    }
    if (S_ISDIR(target.st_mode))
        bits |= DirectoryBit;
    if (!WritePermissionFor(target))
        bits |= ReadOnlyBit;
    std::string name = fileName;
    while (name.size() > 1 && name.back() == '/')
        name.pop_back();
    if (IsHiddenName(LastNamePart(name)))
        bits |= HiddenBit;
    return true;
}

int64_t ReadFileSize(const std::string& fileName, int64_t failureValue)
{
    struct stat info;
    if (fileName.empty())
        return 0;
    if (stat(fileName.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? 0 : failureValue;
    return S_ISDIR(info.st_mode) ? 0 : static_cast<int64_t>(info.st_size);
}

bool PathEntryExists(const std::string& fileName)
{
    struct stat info;
    return lstat(fileName.c_str(), &info) == 0;
}

TDateTime ToDateTime(const struct statx_timestamp& time)
{
    return UnixTimeToLocalDateTime(time.tv_sec, time.tv_nsec);
}

TDateTime ToDateTime(const struct timespec& time)
{
    return UnixTimeToLocalDateTime(time.tv_sec, time.tv_nsec);
}

} // namespace

bool FileExists(const std::string& fileName)
{
    struct stat info;
    return !fileName.empty() && stat(fileName.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirExists(const std::string& path)
{
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool DeleteFileForce(const std::string& fileName)
{
    if (fileName.empty())
        return false;
    if (unlink(fileName.c_str()) == 0 || errno == ENOENT)
        return !PathEntryExists(fileName);
    struct stat info;
    if (lstat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) {
        chmod(fileName.c_str(), info.st_mode | S_IWUSR);
        if (unlink(fileName.c_str()) != 0)
            chmod(fileName.c_str(), info.st_mode); // the file stays: leave it as it was
    }
    return !PathEntryExists(fileName);
}

int64_t GetFileSizeWithFallback(const std::string& fileName)
{
    return ReadFileSize(fileName, -1);
}

int64_t GetFileSizeSafe(const std::string& fileName)
{
    return ReadFileSize(fileName, 0);
}

bool GetFileTimes(const std::string& fileName, TDateTime& creationTime, TDateTime& lastAccessTime,
                  TDateTime& lastWriteTime)
{
    if (fileName.empty())
        return false;
    struct statx extended;
    const unsigned wanted = STATX_BTIME | STATX_ATIME | STATX_MTIME;
    if (statx(AT_FDCWD, fileName.c_str(), 0, wanted, &extended) == 0) {
        creationTime = (extended.stx_mask & STATX_BTIME) ? ToDateTime(extended.stx_btime) : UnknownFileTime;
        lastAccessTime = ToDateTime(extended.stx_atime);
        lastWriteTime = ToDateTime(extended.stx_mtime);
        return true;
    }
    if (errno != ENOSYS)
        return false;
    struct stat info; // a kernel or sandbox without statx: no birth time
    if (stat(fileName.c_str(), &info) != 0)
        return false;
    creationTime = UnknownFileTime;
    lastAccessTime = ToDateTime(info.st_atim);
    lastWriteTime = ToDateTime(info.st_mtim);
    return true;
}

bool GetFileAttributesRec(TFileAttributesRec& rec, const std::string& fileName)
{
    rec = TFileAttributesRec{};
    uint32_t bits = 0;
    if (!ReadAttributeBits(fileName, bits))
        return false;
    rec.ValidAttributes = true;
    rec.ReadOnly = bits & ReadOnlyBit;
    rec.Hidden = bits & HiddenBit;
    rec.Directory = bits & DirectoryBit;
    rec.SymLink = bits & SymLinkBit;
    rec.AnyFile = bits & AnyFileMask;
    return true;
}

void GetFileNameRec(TFileNameRec& rec, const std::string& fileName)
{
    rec = TFileNameRec{};
    if (fileName.empty())
        return;
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(fileName, error);
    rec.FullFileName = error ? fileName : full.lexically_normal().string();

    const size_t slash = rec.FullFileName.rfind('/');
    if (slash != std::string::npos) {
        rec.Directory = slash == 0 ? "/" : rec.FullFileName.substr(0, slash);
        rec.Path = rec.FullFileName.substr(0, slash + 1);
    }
    rec.ShortFileName = LastNamePart(fileName);
    const size_t dot = rec.ShortFileName.rfind('.');
    rec.BaseFileName = rec.ShortFileName.substr(0, dot);
    if (dot != std::string::npos)
        rec.ExtensionWithoutDot = rec.ShortFileName.substr(dot + 1);
    if (!rec.ExtensionWithoutDot.empty())
        rec.ExtensionWithDot = "." + rec.ExtensionWithoutDot;
}

bool GetFileInfoRec(TFileInfoRec& rec, const std::string& fileName)
{
    rec = TFileInfoRec{};
    if (!FileExists(fileName))
        return false;
    rec.Exists = true;
    GetFileNameRec(rec.FileNameRec, fileName);
    GetFileAttributesRec(rec.Attributes, fileName);
    rec.ReadOnly = rec.Attributes.ReadOnly;
    rec.Size = GetFileSizeWithFallback(fileName);
    TDateTime creation, access, write;
    if (GetFileTimes(fileName, creation, access, write)) {
        rec.CreationTime = creation;
        rec.LastAccessTime = access;
        rec.LastWriteTime = write;
    }
    return true;
}
