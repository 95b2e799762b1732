#pragma once

#include <ctime>
#include <string>

// The dates of a file, as the file system holds them (UTC, nanoseconds).
struct TFileDates
{
    timespec Creation{};
    bool CreationKnown = false; // the file system reports no birth time on every volume
    timespec LastAccess{};
    timespec LastWrite{};
};

// Reads the three dates; False when the file cannot be examined. An unknown creation time is no failure.
bool ReadFileDates(const std::string& fileName, TFileDates& dates);

// Sets the last access and last write time. The creation time cannot be set here and is left alone.
bool SetFileTimes(const std::string& fileName, const TFileDates& dates);
