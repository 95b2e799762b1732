#include "engine/ffmpeg_report_analysis.h"

#include "engine/app_params.h"
#include "engine/media_text_helpers.h"
#include "engine/mediainfo_analysis.h"
#include "engine/setting_text_parsing.h"
#include "engine/tool_output.h"
#include "support/files.h"
#include "support/math_routines.h"
#include "support/text_routines.h"

#include <filesystem>

using media_text::FloatText;
using media_text::IntText;

namespace {

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

std::string Before(std::string_view text, std::string_view part)
{
    return std::string(text.substr(0, text.find(part)));
}

std::string After(std::string_view text, std::string_view part)
{
    const size_t pos = text.find(part);
    return pos == std::string_view::npos ? std::string() : std::string(text.substr(pos + part.size()));
}

// "Duration: 00:01:40.00, start: 0.500000, bitrate: 1160 kb/s"
void ParseDurationLine(std::string_view line, TVideoFileInfo& info)
{
    std::string rest = After(line, "Duration:");
    if (!Contains(rest, ",")) {
        return;
    }
    info.DurationStr = Trim(Before(rest, ","));
    const double seconds = TimeStrToSeconds(info.DurationStr);
    info.Duration = seconds * 1000;
    AssignClamped(info.Seconds, RoundHalfEven(std::max(seconds, 0.0)));
    rest = After(rest, ",");

    // ffmpeg's duration already excludes the start time (a transport stream may start hours into its
    // clock), so the start is only recorded, never taken off the playing time.
    if (Contains(rest, "start:")) {
        rest = Trim(After(rest, "start:"));
        if (Contains(rest, ",")) {
            if (const auto start = FloatText(media_text::NormaliseSeparators(Before(rest, ",")))) {
                AssignClamped(info.Start, RoundHalfEven(std::max(*start, 0.0)));
            }
        }
    }
    if (Contains(rest, "bitrate:")) {
        std::string bitrate = After(rest, "bitrate:");
        if (Contains(bitrate, "kb/s")) {
            bitrate = Trim(Before(bitrate, "kb/s"));
        }
        if (const auto value = IntText(bitrate)) {
            // The overall bitrate less a typical audio share stands in for the video bitrate until the
            // stream line or the library gives it.
            info.VideoStreams[0].Bitrate = *value > 100 ? *value - 60 : std::max(*value, 0);
        }
    }
}

bool IsStreamLine(const std::string& line)
{
    return Contains(line, "Stream #") && !Trim(line).starts_with("Guess");
}

// "Stream #0:12(eng): ..." gives 12; the digits after the first ":" following "#".
void ReadStreamIndex(std::string_view line, uint8_t& index)
{
    const size_t hash = line.find('#');
    const size_t colon = hash == std::string_view::npos ? hash : line.find(':', hash);
    if (colon == std::string_view::npos) {
        return;
    }
    size_t end = colon + 1;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) {
        ++end;
    }
    if (const auto value = IntText(line.substr(colon + 1, end - colon - 1))) {
        AssignClamped(index, *value);
    }
}

// "Stream #0:0: Video: h264 (High)" gives "h264 (High)".
std::string CodecField(const std::string& field, std::string_view label)
{
    const size_t pos = field.find(label);
    if (pos == std::string::npos) {
        return field;
    }
    const size_t start = pos + label.size() + 1; // the label, then one blank
    return start < field.size() ? Trim(field.substr(start)) : std::string();
}

void ReadFrameRate(std::string field, TVideoStreamInfo& video)
{
    if (Contains(field, "fps")) {
        field = Trim(Before(field, "fps"));
    }
    if (Contains(field, "tbr")) {
        field = Trim(Before(field, "tbr"));
    }
    if (const auto fps = FloatText(media_text::NormaliseSeparators(field))) {
        video.FPS = *fps;
    }
}

// "640x480 [SAR 1:1 DAR 4:3]"
void ReadDimensions(const std::string& field, TVideoStreamInfo& video)
{
    if (!Contains(field, "x")) {
        return;
    }
    std::string height = After(field, "x");
    if (Contains(height, "[")) {
        height = Trim(Before(height, "["));
    }
    if (const auto value = IntText(Before(field, "x"))) {
        AssignClamped(video.Width, *value);
    }
    if (const auto value = IntText(height)) {
        AssignClamped(video.Height, *value);
    }
}

void ParseVideoStream(const std::string& line, uint32_t seconds, TVideoStreamInfo& video)
{
    ReadStreamIndex(line, video.StreamIndex);
    std::vector<std::string> fields = SplitStreamFields(line);
    fields.resize(std::max<size_t>(fields.size(), 6));
    video.Exists = true;
    video.Codec = CodecField(fields[0], "Video:");
    video.PixelFormat = fields[1];
    ReadDimensions(fields[2], video);
    if (Contains(fields[3], "kb/s")) {
        fields[3] = Trim(Before(fields[3], "kb/s"));
        if (const auto bitrate = IntText(fields[3])) {
            // mpeg1video streams may report the buffer-bound maximum instead of their bitrate.
            const bool bogus = *bitrate >= 10000 && video.Codec == "mpeg1video";
            if (*bitrate > 0 && !bogus) {
                video.Bitrate = *bitrate;
            }
        }
    }
    if (Contains(fields[3], "tbr") || Contains(fields[3], "fps")) {
        ReadFrameRate(fields[3], video);
    }
    ReadFrameRate(fields[4], video);
    if (video.FPS == 0) {
        ReadFrameRate(fields[5], video);
    }
    UpdateBitsPerPixel(video);
    AssignClamped(video.Frames, RoundHalfEven(seconds * video.FPS));
}

void ParseAudioStream(const std::string& line, TAudioStreamInfo& audio)
{
    ReadStreamIndex(line, audio.StreamIndex);
    std::vector<std::string> fields = SplitStreamFields(line);
    if (fields.empty()) {
        fields.emplace_back();
    }
    audio.Exists = true;
    audio.Codec = CodecField(fields[0], "Audio:");
    audio.CodecFF = Trim(Before(audio.Codec, " "));
    for (size_t i = 0; i < fields.size(); ++i) {
        std::string& field = fields[i];
        if (Contains(field, "kb/s")) {
            field = Trim(Before(field, "kb/s"));
            if (const auto bitrate = IntText(field)) {
                audio.Bitrate = *bitrate;
            }
        }
        // The sample format: "s16" gives 16 bits, "s32 (24 bit)" 32; "fltp" and "s16p" give nothing.
        if (i == 3) {
            std::string format = Contains(field, "(") ? Trim(Before(field, "(")) : field;
            if (format.starts_with("s")) {
                format.erase(0, 1);
            }
            if (const auto bits = IntText(format)) {
                AssignClamped(audio.BitsPerSample, *bits);
            }
        }
        if (audio.Channels == 0 && (field == "stereo" || field == "mono")) {
            audio.Channels = field == "stereo" ? 2 : 1;
        }
    }
}

void ParseStreamLines(TVideoFileInfo& info)
{
    for (const TSTreamInfoStr& stream : info.StreamsStr) {
        if (!stream.StreamExists) {
            continue;
        }
        const std::string& line = stream.Str1;
        if (Contains(line, "Video:")) {
            AssignClamped(info.NumberOfVideoStreams, info.NumberOfVideoStreams + 1);
            if (info.NumberOfVideoStreams > MaxVideoStreams) {
                continue;
            }
            ParseVideoStream(line, info.Seconds, info.VideoStreams[info.NumberOfVideoStreams - 1]);
        }
        if (Contains(line, "Audio:")) {
            AssignClamped(info.NumberOfAudioStreams, info.NumberOfAudioStreams + 1);
            if (info.NumberOfAudioStreams <= MaxAudioStreams) {
                ParseAudioStream(line, info.AudioStreams[info.NumberOfAudioStreams - 1]);
            }
        }
    }
}

} // namespace

std::vector<std::string> SplitStreamFields(std::string_view line)
{
    std::vector<std::string> fields;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '(') {
            ++depth;
        } else if (line[i] == ')' && depth > 0) {
            --depth;
        } else if (line[i] == ',' && depth == 0) {
            fields.push_back(Trim(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    std::string last = Trim(line.substr(std::min(start, line.size())));
    if (!last.empty()) {
        fields.push_back(std::move(last));
    }
    return fields;
}

void ParseFFmpegReport(const std::vector<std::string>& lines, TVideoFileInfo& info)
{
    size_t streamLines = 0;
    for (const std::string& line : lines) {
        if (Contains(line, "Duration:")) {
            ParseDurationLine(line, info);
        }
        if (IsStreamLine(line) && streamLines < MaxStreamLines) {
            info.StreamsStr[streamLines++] = {true, Trim(line)};
        }
    }
    ParseStreamLines(info);
}

void EstimateVideoStreamSize(TVideoFileInfo& info)
{
    TVideoStreamInfo& video = info.VideoStreams[0];
    if (info.NumberOfVideoStreams != 1 || video.StreamSize > 0) {
        return;
    }
    int64_t audioSize = 0;
    for (size_t i = 0; i < AudioStreamSlotCount(info); ++i) {
        audioSize += info.AudioStreams[i].StreamSize;
    }
    // Audio sizes that reach the file size leave nothing to estimate from.
    if (audioSize <= 0 || audioSize >= info.FileSize) {
        return;
    }
    video.StreamSize = info.FileSize - audioSize;
    video.StreamSizeStr = FileSizeToStr(video.StreamSize, " bytes");
    const double percent =
        PercentOf(static_cast<double>(video.StreamSize), static_cast<double>(info.FileSize));
    AssignClamped(video.StreamSizeInPercent, std::min<int64_t>(RoundHalfEven(percent), 100));
}

TVideoFileInfo GetFFmpegFileInfo(const std::string& fileName, const std::string& ffmpegPath,
                                 const std::string& mediaInfoLibrary)
{
    TVideoFileInfo info;
    info.FileName = fileName;
    info.FileSize = GetFileSizeSafe(fileName);
    std::error_code error;
    // A regular file only: ffmpeg would wait forever on a named pipe.
    if (!std::filesystem::is_regular_file(fileName, error) || !std::filesystem::exists(ffmpegPath, error)) {
        return info;
    }
    // An absolute path keeps a name beginning with "-" or holding ":" from being read as an option or
    // a protocol.
    const std::string input = std::filesystem::absolute(fileName, error).string();
    ParseFFmpegReport(ReadToolOutput(ffmpegPath, {"-i", input}), info);
    GetMediaInfoFileInfo(fileName, mediaInfoLibrary, info);
    EstimateVideoStreamSize(info);
    return info;
}

TVideoFileInfo GetFFmpegFileInfo(const std::string& fileName, const std::string& ffmpegPath)
{
    return GetFFmpegFileInfo(fileName, ffmpegPath, AppParams.MediaInfoDll);
}
