#include "engine/encoder_capabilities.h"

#include "engine/tool_output.h"

#include <map>
#include <mutex>
#include <sstream>

namespace {

constexpr char ExternalAacEncoder[] = "libfdk_aac";
constexpr char NativeAacEncoder[] = "aac";

std::mutex CacheMutex;
std::map<std::string, std::set<std::string>> EncoderNamesByPath;

} // namespace

std::set<std::string> ParseEncoderList(const std::vector<std::string>& lines)
{
    std::set<std::string> names;
    bool legendOver = false;
    for (const std::string& line : lines) {
        std::istringstream words(line);
        std::string flags;
        std::string name;
        words >> flags >> name;
        if (!legendOver) {
            legendOver = !flags.empty() && flags.find_first_not_of('-') == std::string::npos;
            continue;
        }
        if (!name.empty())
            names.insert(name);
    }
    return names;
}

std::set<std::string> GetEncoderNames(const std::string& ffmpegPath)
{
    {
        const std::lock_guard lock(CacheMutex);
        if (const auto found = EncoderNamesByPath.find(ffmpegPath); found != EncoderNamesByPath.end())
            return found->second;
    }
    std::set<std::string> names = ParseEncoderList(ReadToolOutput(ffmpegPath, {"-hide_banner", "-encoders"}));
    if (!names.empty()) {
        const std::lock_guard lock(CacheMutex);
        EncoderNamesByPath[ffmpegPath] = names;
    }
    return names;
}

bool HasEncoder(const std::string& ffmpegPath, std::string_view encoderName)
{
    return GetEncoderNames(ffmpegPath).contains(std::string(encoderName));
}

std::string GetAacEncoderName(const std::string& ffmpegPath)
{
    return HasEncoder(ffmpegPath, ExternalAacEncoder) ? ExternalAacEncoder : NativeAacEncoder;
}
