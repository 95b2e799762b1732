#include "engine/output_naming.h"

#include "engine/engine_utils.h"
#include "engine/run_options.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string GetExt(TOutputFormat format, bool bIncludeDot)
{
    const std::string ext = format == ofMpg ? "mpg" : "avi";
    return bIncludeDot ? "." + ext : ext;
}

std::optional<TFileIdentity> GetFileIdentity(const std::string& fileName)
{
    struct stat status
    {
    };
    if (::stat(fileName.c_str(), &status) != 0)
        return std::nullopt;
    return TFileIdentity{status.st_dev, status.st_ino};
}

std::string OutputFolderFor(std::string_view typed, std::string_view programDir)
{
    const std::string absolute = AbsolutePathIn(typed, programDir);
    const std::string folder = ExcludeTrailingDotAndDelimiter(absolute);
    return folder.empty() && !absolute.empty() ? "/" : folder;
}

std::string OutputNameFor(const std::string& input, const std::string& outDir, TOutputFormat format)
{
    const size_t slash = input.rfind('/');
    const std::string name = slash == std::string::npos ? input : input.substr(slash + 1);
    // Folders without their trailing "/": the root becomes empty and the "/" is put back below.
    const std::string folder = outDir.empty() ? input.substr(0, slash == std::string::npos ? 0 : slash)
                                              : RemoveTrailingChar(outDir, U'/');
    const size_t dot = name.rfind('.');
    const std::string base = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    return folder + "/" + base + GetExt(format, true);
}

namespace {

// How often a choice is made again because another program claimed the name first.
constexpr int MaxClaimAttempts = 100;

TOutputChoice Choice(const std::string& fileName, TOutputDecision decision)
{
    TOutputChoice choice;
    choice.FileName = fileName;
    choice.Decision = decision;
    return choice;
}

TOutputChoice DecideOutput(const std::string& output, int32_t outputExists,
                           const std::vector<TFileIdentity>& inputs)
{
    const std::optional<TFileIdentity> existing = GetFileIdentity(output);
    if (!existing || !FileExists(output))
        return Choice(output, odNew);
    TOutputChoice choice = Choice(output, odNew);
    const bool isAnInput = std::find(inputs.begin(), inputs.end(), *existing) != inputs.end();
    if (outputExists == oeRename || isAnInput) {
        choice.FileName = GetUniqueFileName(output, "_", 3);
        if (choice.FileName.empty())
            return Choice(output, odNoFreeName);
        choice.Decision = odRenamed;
    }
    if (outputExists == oeSkip) {
        choice.Decision = odSkipped;
    } else if (outputExists == oeOverwrite && choice.Decision != odRenamed) {
        choice.Decision = odOverwritten;
        choice.File = existing;
    }
    return choice;
}

// Creates the file, empty, only when no file of that name exists. Its identity, or nothing with errno set.
std::optional<TFileIdentity> CreateExclusively(const std::string& fileName)
{
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return std::nullopt;
    struct stat status
    {
    };
    const bool known = ::fstat(fd, &status) == 0;
    ::close(fd);
    return known ? std::optional(TFileIdentity{status.st_dev, status.st_ino}) : std::nullopt;
}

} // namespace

TOutputChoice ChooseOutput(const std::string& output, int32_t outputExists,
                           const std::vector<TFileIdentity>& inputs, bool claim)
{
    // A rule the list does not have (a caller that filled the options itself) must not replace a file.
    if (outputExists != oeOverwrite && outputExists != oeSkip)
        outputExists = oeRename;
    for (int attempt = 0; attempt < MaxClaimAttempts; ++attempt) {
        TOutputChoice choice = DecideOutput(output, outputExists, inputs);
        if (!claim || (choice.Decision != odNew && choice.Decision != odRenamed))
            return choice;
        choice.File = CreateExclusively(choice.FileName);
        choice.Claimed = choice.File.has_value();
        // Any other trouble than a name taken meanwhile meets the encoder too, which then reports it.
        if (choice.Claimed || errno != EEXIST)
            return choice;
    }
    return Choice(output, odNoFreeName);
}

TFileStamp TakeFileStamp(const std::string& fileName)
{
    struct stat status
    {
    };
    if (::stat(fileName.c_str(), &status) != 0)
        return {};
    return {true,
            {status.st_dev, status.st_ino},
            status.st_size,
            status.st_ctim.tv_sec,
            status.st_ctim.tv_nsec,
            status.st_mtim.tv_sec,
            status.st_mtim.tv_nsec};
}
