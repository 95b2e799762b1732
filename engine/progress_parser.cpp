#include "engine/progress_parser.h"

#include "support/markup_escape.h"
#include "support/math_routines.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

// The banner's web address; a progress line printed right after the banner follows it directly.
constexpr std::string_view BannerAddressThenFrame = "ffmpeg.org)frame=";

constexpr std::string_view NoisePrefixes[] = {
    "FFmpeg version",
    "  configuration:",
    "  built with gcc",
    "  libavutil ",
    "  libavcodec ",
    "  libavresample ",
    "  libavformat ",
    "  libavdevice ",
    "  libswscale",
    "  libpostproc",
    "  built on ",
    "  libavcore ",
    "  libavfilter ",
    "  libswresample ",
    "Unable to parse option value",
    "Multiple frames in a packet from stream",
    "[mpeg4 @ 01478BD0]",
    "-async is forwarded",
    "Press [q] to stop",
    "Past duration",
};

constexpr std::string_view NoiseTexts[] = {
    "Note: libopencore_amrnb supports dtx",
    "The requested thread algorithm is not supported with this thread library.",
    "Buffering several frames is not supported. Please consume all available",
    "Warning, extension is not",
    "ff asf skip",
    "ff asf bad header",
    "freeing incomplete packet size",
    "Last message repeated",
    "Invalid and inefficient vfw-avi packed B frames detected",
    "Invalid data found when processing input",
    "Header missing",
    "start time is not set in estimate_timings_from_pts",
    "Consider increasing the value for the",
    "Application provided invalid, non monotonically increasing",
    "Non-monotonous DTS in output stream",
    "Queue input is backward in time",
    "Not yet implemented in FFmpeg, patches welcome",
    "Update your FFmpeg version to the newest one from Git",
    "Using AVStream.codec to pass codec parameters to muxers is deprecated",
    "video_delay is larger in decoder than demuxer 1 > 0.",
    "If you want to help, upload a sample",
    "pts has no value",
};

constexpr std::pair<std::string_view, std::string_view> NoisePairs[] = {
    {"h263 @", "warning, clipping"},  {"vcd", "buffer underflow"},
    {"mpeg4", "Error at MB:"},        {"mpeg4", "concealing"},
    {"mpeg @", "Invalid timestamps"}, {"mpegts", "hdmv_pgs_subtitle"},
    {"amrnb", "Corrupt bitstream"},   {"warning", "dct coefficients to"},
    {"overread", "enddists:"},        {"Invalid pixel aspect ratio", "reducing"},
};

bool SameAsciiIgnoreCase(char a, char b)
{
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool StartsTextIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), SameAsciiIgnoreCase);
}

size_t FindTextIgnoreCase(std::string_view text, std::string_view part)
{
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(), SameAsciiIgnoreCase);
    return found == text.end() ? std::string_view::npos : static_cast<size_t>(found - text.begin());
}

bool Contains(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

bool IsNoiseLine(std::string_view line)
{
    if (Trim(line).empty())
        return true;
    for (const std::string_view prefix : NoisePrefixes)
        if (StartsTextIgnoreCase(line, prefix))
            return true;
    for (const std::string_view text : NoiseTexts)
        if (Contains(line, text))
            return true;
    for (const auto& [first, second] : NoisePairs)
        if (Contains(line, first) && Contains(line, second))
            return true;
    return false;
}

// The size before "kB " (newer encoders write "KiB ") in the text after "size=".
void ReadSize(std::string_view line, TEncoderProgress& progress)
{
    const size_t sizeAt = line.find("size=");
    if (progress.HasSize || sizeAt == std::string_view::npos)
        return;
    const std::string rest = Trim(line.substr(sizeAt + 5));
    size_t unitAt = FindTextIgnoreCase(rest, "KB ");
    if (unitAt == std::string_view::npos)
        unitAt = FindTextIgnoreCase(rest, "KiB ");
    if (unitAt == std::string_view::npos)
        return;
    progress.HasSize = true;
    // The status line is markup: what the encoder wrote is shown as text, never read as tags.
    const std::string size = rest.substr(0, unitAt);
    int32_t kilobytes = 0;
    progress.SizeText = TryStringToInt(size, kilobytes)
                            ? "<b>" + FileSizeToStr(int64_t{kilobytes} * 1024, " bytes") + "</b>"
                            : EscapeMarkup(size);
}

void ReadSpeed(std::string_view line, TEncoderProgress& progress)
{
    const size_t speedAt = line.find("speed=");
    if (progress.HasSpeed || speedAt == std::string_view::npos)
        return;
    progress.HasSpeed = true;
    progress.SpeedText = " <b><FONT bgcolor=\"#496954\" color=\"#E0EBE0\">  " +
                         EscapeMarkup(Trim(line.substr(speedAt + 6))) + "  </FONT></b> ";
}

void ReadFrameAndFps(std::string_view line, TEncoderProgress& progress)
{
    if (!StartsTextIgnoreCase(line, "frame="))
        return;
    const std::string_view rest = line.substr(6);
    const size_t fpsAt = rest.find("fps=");
    if (fpsAt == std::string_view::npos)
        return;
    int32_t frame = 0;
    if (!progress.HasFrame && TryStringToInt(Trim(rest.substr(0, fpsAt)), frame)) {
        progress.HasFrame = true;
        progress.Frame = frame;
    }
    if (!progress.HasFps) {
        const std::string fps = Trim(rest.substr(fpsAt + 4));
        progress.HasFps = true;
        progress.FpsText = fps.substr(0, fps.find(' '));
    }
}

} // namespace

size_t CleanEncoderOutput(std::vector<std::string>& lines, size_t from)
{
    size_t firstChanged = std::string::npos;
    if (from >= lines.size())
        return firstChanged;
    size_t kept = from;
    for (size_t index = from; index < lines.size(); ++index) {
        std::string& line = lines[index];
        // The last one: what a line keeps must not change when it is cleaned again.
        const size_t glued = line.rfind(BannerAddressThenFrame);
        if (glued != std::string::npos) {
            line.erase(0, glued + BannerAddressThenFrame.size() - std::string_view("frame=").size());
            firstChanged = std::min(firstChanged, index);
        }
        if (IsNoiseLine(line)) {
            firstChanged = std::min(firstChanged, index);
            continue;
        }
        if (kept != index)
            lines[kept] = std::move(line);
        ++kept;
    }
    lines.resize(kept);
    return firstChanged;
}

void ReadProgressLine(std::string_view line, TEncoderProgress& progress)
{
    if (StartsTextIgnoreCase(line, "Multiple frames in a packet from stream"))
        progress.Suppressed = true;
    ReadSize(line, progress);
    ReadSpeed(line, progress);
    ReadFrameAndFps(line, progress);
    progress.HasGlobalHeaders = progress.HasGlobalHeaders || Contains(line, "global headers:");
    progress.HasMuxingOverhead = progress.HasMuxingOverhead || Contains(line, "muxing overhead:");
}

int32_t ProgressPercent(int32_t frame, uint32_t totalFrames)
{
    if (frame == 0)
        return 0;
    if (totalFrames == 0)
        return 0; // unknown total: -1, limited to 0
    const int64_t percent = RoundHalfEven(static_cast<double>(frame) * 100.0 / totalFrames);
    return static_cast<int32_t>(std::clamp<int64_t>(percent, 0, 100));
}
