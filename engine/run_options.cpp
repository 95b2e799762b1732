#include "engine/run_options.h"

#include <filesystem>

std::string AbsoluteOutputFolder(std::string_view outDir, std::string_view programDir)
{
    if (outDir.empty())
        return {};
    // Joined, not normalised: ".." after a linked folder must keep meaning what the system makes of it.
    const std::filesystem::path folder(outDir);
    if (folder.is_absolute())
        return std::string(outDir);
    return (std::filesystem::path(programDir) / folder).string();
}
