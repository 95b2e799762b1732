#pragma once

#include "support/basic_types.h"
#include "support/file_times.h"

#include <cstdint>
#include <string>

// File and folder helpers: sizes, forced delete, times, attributes and the parts of a file name.
// None of them throws; failures come back as the documented values.

struct TFileNameRec
{
    std::string FullFileName;        // the name expanded to a full path
    std::string ShortFileName;       // the name part, after the last "/"
    std::string BaseFileName;        // the name part without its extension
    std::string Directory;           // folder of the full path, no trailing "/" (the root stays "/")
    std::string Path;                // folder of the full path with a trailing "/"
    std::string ExtensionWithDot;    // "." + ExtensionWithoutDot, empty when there is no extension
    std::string ExtensionWithoutDot; // the extension of the name part without its dot
};

// Attribute flags in the classic attribute-bit layout. Here ReadOnly means that the write permission bits
// that apply to the calling user are clear, Hidden a name beginning with ".", SymLink a symbolic link
// (Directory is also set for a link to a folder); the flags that have no counterpart stay False.
struct TFileAttributesRec
{
    bool ValidAttributes = false;
    bool ReadOnly = false;   // 0x1
    bool Hidden = false;     // 0x2
    bool SysFile = false;    // 0x4
    bool VolumeID = false;   // 0x8
    bool Directory = false;  // 0x10
    bool Archive = false;    // 0x20
    bool Normal = false;     // 0x80
    bool Temporary = false;  // 0x100
    bool SymLink = false;    // 0x400
    bool Compressed = false; // 0x800
    bool Encrypted = false;  // 0x4000
    bool Virtual = false;    // 0x10000
    bool AnyFile = false;    // any of the bits 0x1FF
};

struct TFileInfoRec
{
    TFileNameRec FileNameRec;
    bool Exists = false;
    int64_t Size = 0;
    TDateTime CreationTime = UnknownFileTime; // local time, like the other two
    TDateTime LastWriteTime = UnknownFileTime;
    TDateTime LastAccessTime = UnknownFileTime;
    bool ReadOnly = false;
    TFileAttributesRec Attributes;
};

// True when the name exists and is not a folder (links followed).
bool FileExists(const std::string& fileName);

// True when the path exists and is a folder (links followed); False for an empty path.
bool DirExists(const std::string& path);

// Deletes a file; when that fails, makes it writable and tries once more. True when the file is gone
// afterwards (also when it never existed).
bool DeleteFileForce(const std::string& fileName);

// File size in bytes, 0 for a missing file; -1 when the size cannot be read at all.
int64_t GetFileSizeWithFallback(const std::string& fileName);

// As GetFileSizeWithFallback, but 0 when the size cannot be read.
int64_t GetFileSizeSafe(const std::string& fileName);

// Creation (birth), last access and last write time in local time. The creation time is UnknownFileTime
// where the file system does not record it. False when the file is not found.
bool GetFileTimes(const std::string& fileName, TDateTime& creationTime, TDateTime& lastAccessTime,
                  TDateTime& lastWriteTime);

// False when the attributes cannot be read; the record is then all False.
bool GetFileAttributesRec(TFileAttributesRec& rec, const std::string& fileName);

void GetFileNameRec(TFileNameRec& rec, const std::string& fileName);

// False when the file does not exist; the record then holds empty texts and UnknownFileTime times.
bool GetFileInfoRec(TFileInfoRec& rec, const std::string& fileName);
