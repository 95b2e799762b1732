// Reads arbitrary bytes, split into lines, as the encoder's report about an input file and as its console
// output during a conversion. Cleaning must keep the lines before its start and report the first line it
// changed; cleaning what it left changes nothing more.
#include "engine/ffmpeg_report_analysis.h"
#include "engine/progress_parser.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void ReadReport(const std::vector<std::string>& lines)
{
    TVideoFileInfo info;
    info.FileSize = 1 << 20;
    ParseFFmpegReport(lines, info);
    EstimateVideoStreamSize(info);
    for (const std::string& line : lines) {
        SplitStreamFields(line);
    }
}

void CleanAndReadProgress(std::vector<std::string> lines, size_t from)
{
    const std::vector<std::string> original = lines;
    const size_t firstChanged = CleanEncoderOutput(lines, from);
    const size_t unchanged = std::min({firstChanged, original.size(), lines.size()});
    if (firstChanged < from || !std::equal(lines.begin(), lines.begin() + unchanged, original.begin()) ||
        (firstChanged == std::string::npos && lines != original)) {
        abort();
    }
    if (CleanEncoderOutput(lines, from) != std::string::npos) {
        abort();
    }
    TEncoderProgress progress;
    for (const std::string& line : lines) {
        ReadProgressLine(line, progress);
    }
    ProgressPercent(progress.Frame, static_cast<uint32_t>(lines.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> lines =
        SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    ReadReport(lines);
    CleanAndReadProgress(lines, size == 0 ? 0 : data[0] % 4);
    return 0;
}
