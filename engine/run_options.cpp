#include "engine/run_options.h"

#include <filesystem>

std::string AbsolutePathIn(std::string_view path, std::string_view baseFolder)
{
    if (path.empty())
        return {};
    // Joined, not normalised: ".." after a linked folder must keep meaning what the system makes of it.
    const std::filesystem::path relative(path);
    if (relative.is_absolute())
        return std::string(path);
    return (std::filesystem::path(baseFolder) / relative).string();
}
