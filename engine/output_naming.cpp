#include "engine/output_naming.h"

#include "engine/engine_utils.h"
#include "engine/run_options.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <algorithm>
#include <sys/stat.h>

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

TOutputChoice ChooseOutput(const std::string& output, int32_t outputExists,
                           const std::vector<TFileIdentity>& inputs)
{
    // A rule the list does not have (a caller that filled the options itself) must not replace a file.
    if (outputExists != oeOverwrite && outputExists != oeSkip)
        outputExists = oeRename;
    const std::optional<TFileIdentity> existing = GetFileIdentity(output);
    if (!existing || !FileExists(output))
        return {output, odNew};
    TOutputChoice choice{output, odNew};
    const bool isAnInput = std::find(inputs.begin(), inputs.end(), *existing) != inputs.end();
    if (outputExists == oeRename || isAnInput) {
        choice.FileName = GetUniqueFileName(output, "_", 3);
        if (choice.FileName.empty())
            return {output, odNoFreeName};
        choice.Decision = odRenamed;
    }
    if (outputExists == oeSkip)
        choice.Decision = odSkipped;
    else if (outputExists == oeOverwrite && choice.Decision != odRenamed)
        choice.Decision = odOverwritten;
    return choice;
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
