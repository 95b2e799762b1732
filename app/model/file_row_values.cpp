#include "app/model/file_row_values.h"

#include "support/text_routines.h"

#include <algorithm>
#include <cctype>

namespace {

std::string GroupedDigits(int32_t value)
{
    return IntToStrSep(value, U' ');
}

std::string RowScanTypeText(const std::string& scanType, const TRowTexts& texts)
{
    std::string lower = Trim(scanType);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "interlaced")
        return texts.Interlaced;
    if (lower == "progressive")
        return texts.Progressive;
    return lower;
}

TVideoRowValues MakeVideoRowValues(const TVideoStreamInfo& stream, const TRowTexts& texts)
{
    TVideoRowValues video;
    video.Codec = stream.Codec;
    video.CodecID = stream.CodecID;
    video.Profile = stream.Profile;
    video.Bitrate = std::max<int32_t>(stream.Bitrate, 0);
    video.Width = stream.Width;
    video.Height = stream.Height;
    if (video.Width > 0 && video.Height > 0)
        video.Resolution = GroupedDigits(video.Width) + " x " + GroupedDigits(video.Height);
    video.DisplayAspect = stream.DARStr;
    video.FPS = stream.FPS;
    video.BitsPerPixel = stream.BitsPerPixel;
    video.ScanType = RowScanTypeText(stream.ScanType, texts);
    video.StreamSize = static_cast<double>(stream.StreamSize);
    video.Summary = video.Codec;
    const std::string bitrate = GroupedDigits(video.Bitrate);
    if (bitrate != "0")
        video.Summary += ", " + bitrate + " kbit/s";
    if (!video.Resolution.empty())
        video.Summary += ", " + video.Resolution;
    return video;
}

std::string AudioSummary(const TAudioStreamInfo& stream, const std::string& codec, const TRowTexts& texts)
{
    std::string bitrate = GroupedDigits(stream.Bitrate);
    if (bitrate == "0")
        bitrate.clear();
    std::string summary = codec;
    if (!bitrate.empty()) {
        summary += ", " + bitrate + " kbit/s";
        if (!stream.BitrateMode.empty())
            summary += " " + stream.BitrateMode;
    }
    if (stream.Channels != 0)
        summary += ", " + texts.Channels + " " + std::to_string(stream.Channels);
    if (summary.starts_with(", "))
        summary.erase(0, 2);
    if (summary.ends_with(", "))
        summary.erase(summary.size() - 2);
    return summary;
}

TAudioRowValues MakeAudioRowValues(const TAudioStreamInfo& stream, const TRowTexts& texts)
{
    TAudioRowValues audio;
    audio.Codec = CleanAudioCodecName(stream.Codec, stream.Profile);
    audio.CodecID = stream.CodecID;
    audio.Profile = stream.Profile;
    audio.Bitrate = stream.Bitrate;
    audio.Channels = stream.Channels;
    audio.Sampling = stream.SamplingRate;
    audio.StreamSize = static_cast<double>(stream.StreamSize);
    audio.Summary = AudioSummary(stream, audio.Codec, texts);
    return audio;
}

} // namespace

std::string CleanAudioCodecName(const std::string& codec, const std::string& profile)
{
    std::string name = codec;
    const size_t wma = name.find("(Windows Media Audio)");
    if (wma != std::string::npos)
        name.erase(wma, std::string_view("(Windows Media Audio)").size());
    name = Trim(name);
    const bool mpegLayer3 = name.find("MPEG Audio - Version 1") != std::string::npos && profile == "Layer 3";
    if (mpegLayer3 || name.find("(MP3)") != std::string::npos)
        return "MP3";
    return name;
}

TFileRowValues MakeFileRowValues(const TVideoFileInfo& info, const TRowTexts& texts)
{
    TFileRowValues row;
    row.DurationMs = info.Duration;
    row.HasVideo = info.NumberOfVideoStreams > 0;
    row.HasAudio = info.NumberOfAudioStreams > 0;
    if (row.HasVideo)
        row.Video = MakeVideoRowValues(info.VideoStreams[0], texts);
    if (row.HasAudio)
        row.Audio = MakeAudioRowValues(info.AudioStreams[0], texts);
    return row;
}
