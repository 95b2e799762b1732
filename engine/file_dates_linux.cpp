#include "engine/file_dates.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

timespec ToTimespec(const statx_timestamp& stamp)
{
    return {static_cast<time_t>(stamp.tv_sec), static_cast<long>(stamp.tv_nsec)};
}

} // namespace

bool ReadFileDates(const std::string& fileName, TFileDates& dates)
{
    struct statx info
    {
    };
    if (statx(AT_FDCWD, fileName.c_str(), 0, STATX_ATIME | STATX_MTIME | STATX_BTIME, &info) != 0)
        return false;
    if ((info.stx_mask & (STATX_ATIME | STATX_MTIME)) != (STATX_ATIME | STATX_MTIME))
        return false;
    dates.LastAccess = ToTimespec(info.stx_atime);
    dates.LastWrite = ToTimespec(info.stx_mtime);
    dates.CreationKnown = (info.stx_mask & STATX_BTIME) != 0;
    dates.Creation = dates.CreationKnown ? ToTimespec(info.stx_btime) : timespec{};
    return true;
}

bool SetFileTimes(const std::string& fileName, const TFileDates& dates)
{
    const timespec times[2] = {dates.LastAccess, dates.LastWrite};
    return utimensat(AT_FDCWD, fileName.c_str(), times, 0) == 0;
}
