#include "engine/engine_utils.h"

#include "engine/shared_tables.h"
#include "support/date_time.h"
#include "support/format_settings.h"
#include "support/special_folders.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <thread>

namespace {

// Something of that name exists: a file, a folder or a link, even a dangling one.
bool NameTaken(const std::string& name)
{
    struct stat info
    {
    };
    return lstat(name.c_str(), &info) == 0;
}

} // namespace

std::string StrToOem(std::string_view text)
{
    return std::string(text);
}

void SortProfileInfos(std::span<TProfileInfo> profiles)
{
    // A key that is not a number sorts last, so that the order stays well defined.
    std::stable_sort(profiles.begin(), profiles.end(), [](const TProfileInfo& a, const TProfileInfo& b) {
        if (std::isnan(b.SortIndex))
            return !std::isnan(a.SortIndex);
        return a.SortIndex < b.SortIndex;
    });
}

std::string VolumeToStr(int32_t percent)
{
    const int64_t magnitude = std::abs(static_cast<int64_t>(percent));
    const std::string cents = PadLeft(std::to_string(magnitude % 100), 2, U'0');
    return (percent < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

void ClearGridInfo(TGridInfo& info)
{
    info = TGridInfo();
}

std::string GetDecimalSeparator()
{
    return GlobalFormatSettings().DecimalSeparator;
}

int32_t GetDefaultThreadCount()
{
    const unsigned count = std::thread::hardware_concurrency();
    if (count == 0)
        return 2;
    if (count > 32)
        return 4;
    return static_cast<int32_t>(count);
}

std::string MsToTimeStrWithMs(int64_t milliseconds)
{
    return MsToTimeStr(milliseconds, false);
}

bool IsSupportedInputFile(std::string_view fileName)
{
    const std::string extension = AsciiUpperCase(GetFileExtension(fileName, true));
    return std::find(InputFileExtensions.begin(), InputFileExtensions.end(), extension) !=
           InputFileExtensions.end();
}

std::string GetUniqueFileName(const std::string& fileName, std::string_view separator, int digits)
{
    if (!NameTaken(fileName))
        return fileName;
    const std::string extension = GetFileExtension(fileName, false);
    const std::string base = fileName.substr(0, fileName.size() - extension.size());
    for (int counter = 1; counter <= 100000; ++counter) {
        std::string candidate =
            base + std::string(separator) + PadLeft(std::to_string(counter), digits, U'0') + extension;
        if (!NameTaken(candidate))
            return candidate;
    }
    return "";
}

std::string GetRunTempDir(std::string& errorText)
{
    const std::string stamp = DateTimeToCompactStr(Now(), "-", "_", "@", ".", true);
    std::string folder =
        ExcludeTrailingDotAndDelimiter(GetTempDir("/tmp/")) + "/Zantrove_Quillconv_" + stamp + "_XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        errorText = "Cannot create the temporary folder \"" + folder + "\": " + std::strerror(errno);
        return "";
    }
    return folder;
}
