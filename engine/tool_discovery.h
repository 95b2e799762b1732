#pragma once

#include "engine/app_params.h"

#include <string>
#include <string_view>

// Finding the encoder executable and the MediaInfo library. Each is looked for, in this order, at the
// configured path, in the tools folder, beside a version file below the program's parent folder that
// names the wanted build, and in the system (the search path for the encoder, the dynamic linker for the
// library). The paths are resolved again right before each use, so a tool installed meanwhile is found.

// The builds the version files must name.
inline constexpr std::string_view FFmpegPinnedVersion = "N-100681-g0bee216ad4";
inline constexpr std::string_view MediaInfoPinnedVersion = "20.09.0.0";

// Resolves the encoder, stores the result in params.ffmpeg and returns it (empty when not found).
std::string GetFFmpegExePath(TAppParams& params);

// Resolves the MediaInfo library, stores the result in params.MediaInfoDll and returns it.
std::string GetMediaInfoDllPath(TAppParams& params);

// What a version file must say to describe the wanted tool build, and the name of such files.
struct TToolVersionQuery
{
    std::string ToolName; // upper case: "FFMPEG" or "MEDIAINFO"
    std::string Bits;     // upper case
    std::string Version;  // upper case
    std::string VersionFileName;
};

// Looks for a version file of the tool in "_common" beside the program folder, then in the tree below the
// program's parent folder (three levels each), and returns the tool file beside the first one that names
// the wanted build, or empty. Tool names other than "ffmpeg" and "MediaInfo" (any case) give empty.
std::string FindToolPath(const std::string& startDir, std::string_view toolName, std::string_view bits,
                         std::string_view version);

// One search step: the version files below dir, down to depth levels. Only the first matching file counts;
// the result is the tool file beside it, or empty when that file is missing.
std::string FindToolInVerFiles(const TToolVersionQuery& query, const std::string& dir, int depth);
