#include "engine/tool_discovery.h"

#include "engine/system_tools.h"
#include "platform/system/mem_ini_file.h"
#include "support/file_search.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

constexpr std::string_view VerFileSection = "MAIN";
constexpr std::string_view MediaInfoLibraryMask = "libmediainfo.so*";

std::string ExpandedPath(const std::string& path)
{
    if (path.empty())
        return "";
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? "" : absolute.lexically_normal().string();
}

std::string FFmpegIn(const std::string& folder)
{
    const std::string candidate = folder + "/" + std::string(FFmpegFileName);
    return IsExecutableFile(candidate) ? candidate : "";
}

// The library under its soname when the folder holds it, else the first other "libmediainfo.so*" by name.
std::string MediaInfoLibraryIn(const std::string& folder)
{
    const std::string preferred = folder + "/" + std::string(MediaInfoLibraryFileName);
    if (IsRegularFile(preferred))
        return preferred;
    std::vector<std::string> found;
    ListFilesInDir(std::string(MediaInfoLibraryMask), folder, found, true);
    std::sort(found.begin(), found.end());
    return found.empty() ? "" : found.front();
}

std::string ToolFileIn(const TToolVersionQuery& query, const std::string& folder)
{
    return query.ToolName == "FFMPEG" ? FFmpegIn(folder) : MediaInfoLibraryIn(folder);
}

bool DescribesWantedBuild(const TToolVersionQuery& query, const std::string& verFile)
{
    const TMemIniFile ini(verFile);
    const std::string section(VerFileSection);
    if (!ini.SectionExists(section))
        return false;
    return Utf8UpperCase(ini.ReadString(section, "tool", "")) == query.ToolName &&
           Utf8UpperCase(ini.ReadString(section, "bits", "")) == query.Bits &&
           Utf8UpperCase(ini.ReadString(section, "ver", "")) == query.Version;
}

std::string ParentFolder(const std::string& folder)
{
    const size_t slash = folder.rfind('/');
    return slash == std::string::npos ? folder : folder.substr(0, slash);
}

std::string FFmpegOnSearchPath()
{
    const char* searchPath = std::getenv("PATH");
    return FindProgramOnPath(FFmpegFileName, searchPath ? searchPath : "");
}

std::string MediaInfoThroughLoader()
{
    return FindLibraryThroughLoader(MediaInfoLibraryFileName);
}

// How one tool is recognised and where it is looked for.
struct TToolKind
{
    std::string_view VerToolName;
    std::string_view PinnedVersion;
    bool (*IsUsable)(const std::string& fileName);
    std::string (*InFolder)(const std::string& folder);
    std::string (*InSystem)();
};

const TToolKind FFmpegTool{"ffmpeg", FFmpegPinnedVersion, IsExecutableFile, FFmpegIn, FFmpegOnSearchPath};
const TToolKind MediaInfoTool{"MediaInfo", MediaInfoPinnedVersion, IsRegularFile, MediaInfoLibraryIn,
                              MediaInfoThroughLoader};

std::string ResolveTool(const TToolKind& tool, const std::string& configuredPath, const std::string& toolsDir)
{
    const std::string configured = ExpandedPath(configuredPath);
    if (tool.IsUsable(configured))
        return configured;
    std::string path = tool.InFolder(toolsDir);
    if (path.empty())
        path = FindToolPath(ProgramDir, tool.VerToolName, "64", tool.PinnedVersion);
    if (path.empty())
        path = tool.InSystem();
    return path;
}

} // namespace

std::string GetFFmpegExePath(TAppParams& params)
{
    params.ffmpeg = ResolveTool(FFmpegTool, params.ffmpeg, params.ToolsDir);
    return params.ffmpeg;
}

std::string GetMediaInfoDllPath(TAppParams& params)
{
    params.MediaInfoDll = ResolveTool(MediaInfoTool, params.MediaInfoDll, params.ToolsDir);
    return params.MediaInfoDll;
}

std::string FindToolPath(const std::string& startDir, std::string_view toolName, std::string_view bits,
                         std::string_view version)
{
    TToolVersionQuery query{Utf8UpperCase(toolName), Utf8UpperCase(bits), Utf8UpperCase(version), ""};
    if (query.ToolName == "FFMPEG")
        query.VersionFileName = "ffmpeg.ver";
    else if (query.ToolName == "MEDIAINFO")
        query.VersionFileName = "MediaInfo.ver";
    else
        return "";

    // The parent of the program folder; a program in "/" searches from "/" itself.
    std::string searchRoot = ParentFolder(ExcludeTrailingDotAndDelimiter(startDir));
    if (searchRoot.empty())
        searchRoot = "/";
    std::string result =
        FindToolInVerFiles(query, ExcludeTrailingDotAndDelimiter(searchRoot) + "/_common", 3);
    if (result.empty())
        result = FindToolInVerFiles(query, searchRoot, 3);
    return result;
}

std::string FindToolInVerFiles(const TToolVersionQuery& query, const std::string& dir, int depth)
{
    std::vector<std::string> verFiles;
    SearchFiles(query.VersionFileName, dir, verFiles, depth, true, true);
    for (const std::string& verFile : verFiles) {
        if (DescribesWantedBuild(query, verFile))
            return ToolFileIn(query, ExcludeTrailingDotAndDelimiter(ParentFolder(verFile)));
    }
    return "";
}
