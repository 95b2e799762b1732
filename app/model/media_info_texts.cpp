#include "app/model/media_info_texts.h"

#include "platform/system/float_text.h"
#include "support/text_routines.h"
#include "support/utf8.h"

namespace {

std::string CodecWithId(const std::string& codec, const std::string& codecId)
{
    return codecId.empty() ? codec : codec + " (ID: " + codecId + ")";
}

std::string StreamSizeText(const std::string& sizeText, uint8_t percent)
{
    return sizeText + " (" + std::to_string(percent) + "%)";
}

// The translated word for the two scan types the string table knows; any other text as it stands.
std::string ShownScanType(const std::string& scanType, const TFileInfoModuleStrings& texts)
{
    const std::string word = AsciiLowerCase(Trim(scanType));
    if (word == "interlaced")
        return texts.ScanType_Interlaced;
    if (word == "progressive")
        return texts.ScanType_Progressive;
    return scanType;
}

// The text, or nothing when it reads "0".
std::string UnlessZero(std::string text)
{
    return text == "0" ? std::string() : text;
}

} // namespace

std::string GroupedNumber(int64_t value)
{
    return Int64ToStrSep(value, U' ');
}

TGeneralInfoTexts GeneralInfoTexts(const TVideoFileInfo& info)
{
    TGeneralInfoTexts texts;
    texts.FileSize = FileSizeToStr(info.FileSize, " bytes") + " (" + GroupedNumber(info.FileSize) + " bytes)";
    texts.Duration = info.DurationStr;
    texts.OverallBitrate = GroupedNumber(info.OverallBitrate) + " kbit/s";
    texts.Format = info.FormatInfo.empty() ? info.Format : info.Format + " (" + info.FormatInfo + ")";
    texts.EncodedApplication = info.EncodedApplication;
    texts.NumberOfDataStreams = std::to_string(info.NumberOfDataStreams);
    texts.NumberOfVideoStreams = std::to_string(info.NumberOfVideoStreams);
    texts.NumberOfAudioStreams = std::to_string(info.NumberOfAudioStreams);
    return texts;
}

TVideoStreamTexts VideoStreamTexts(const TVideoStreamInfo& stream, const TFileInfoModuleStrings& texts)
{
    TVideoStreamTexts shown;
    shown.Codec = CodecWithId(stream.Codec, stream.CodecID);
    shown.Profile = stream.Profile;
    if (stream.Bitrate >= 1)
        shown.Bitrate = GroupedNumber(stream.Bitrate) + " kbit/s";
    shown.Resolution = GroupedNumber(stream.Width) + " x " + GroupedNumber(stream.Height);
    shown.DisplayAspectRatio = stream.DARStr;
    shown.FPS = FormatFloat("0.00", stream.FPS);
    shown.ScanType = ShownScanType(stream.ScanType, texts);
    shown.PixelFormat = stream.PixelFormat;
    if (stream.BitsPerPixel > 0)
        shown.BitsPerPixel = FormatFloat("0.000", stream.BitsPerPixel);
    shown.Frames = "~ " + GroupedNumber(stream.Frames);
    if (stream.StreamSize >= 1)
        shown.StreamSize = StreamSizeText(stream.StreamSizeStr, stream.StreamSizeInPercent);
    shown.EncodedLibrary = stream.EncodedLibrary;
    shown.StreamIndex = std::to_string(stream.StreamIndex);
    return shown;
}

TAudioStreamTexts AudioStreamTexts(const TAudioStreamInfo& stream)
{
    TAudioStreamTexts shown;
    shown.Codec = CodecWithId(stream.Codec, stream.CodecID);
    shown.Profile = stream.Profile;
    if (stream.Bitrate != 0)
        shown.Bitrate = GroupedNumber(stream.Bitrate) + " kbit/s  " + stream.BitrateMode;
    shown.Channels = std::to_string(stream.Channels);
    if (stream.SamplingRate != 0)
        shown.SamplingRate = GroupedNumber(stream.SamplingRate) + " Hz";
    shown.BitsPerSample = UnlessZero(std::to_string(stream.BitsPerSample));
    shown.Frames = "~ " + GroupedNumber(stream.Frames);
    shown.VideoDelay = std::to_string(stream.VideoDelay) + " ms";
    shown.Language = stream.Language;
    if (!stream.StreamSizeStr.empty() && stream.StreamSizeStr != "0")
        shown.StreamSize = StreamSizeText(stream.StreamSizeStr, stream.StreamSizeInPercent);
    shown.EncodedLibrary = stream.EncodedLibrary;
    shown.StreamIndex = std::to_string(stream.StreamIndex);
    return shown;
}

TDataStreamRow SplitDataStreamLine(std::string_view line)
{
    const size_t first = line.find(':');
    const size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
    if (second == std::string_view::npos)
        return {"", std::string(line)};
    return {Trim(line.substr(0, second)), Trim(line.substr(second + 1))};
}

std::vector<TDataStreamRow> DataStreamRows(const TVideoFileInfo& info)
{
    std::vector<TDataStreamRow> rows;
    for (const TSTreamInfoStr& line : info.StreamsStr)
        if (line.StreamExists)
            rows.push_back(SplitDataStreamLine(line.Str1));
    return rows;
}
