#include "engine/mediainfo_analysis.h"

#include "engine/engine_utils.h"
#include "engine/media_text_helpers.h"
#include "support/files.h"
#include "support/math_routines.h"
#include "support/text_routines.h"
#include "support/utf8.h"

using media_text::FloatText;
using media_text::IntText;

namespace {

// Reads the parameters of one stream.
class TStreamReader
{
public:
    TStreamReader(const TMediaInfoGetter& get, TMediaInfoStreamKind kind, size_t number)
        : GetValue(get), Kind(kind), Number(number)
    {}

    std::string Text(const std::string& parameter) const { return GetValue(Kind, Number, parameter); }

    // The first parameter's text, or the second's when the first is empty.
    std::string TextOr(const std::string& parameter, const std::string& fallback) const
    {
        const std::string text = Text(parameter);
        return text.empty() ? Text(fallback) : text;
    }

    std::optional<int32_t> Int(const std::string& parameter) const { return IntText(Text(parameter)); }

    // Sets the field when the parameter is an integer text; other fields keep their values.
    template <typename Field> void ReadInt(const std::string& parameter, Field& field) const
    {
        if (const auto value = Int(parameter)) {
            AssignClamped(field, *value);
        }
    }

    // A float after its first "." and "," became the decimal separator.
    std::optional<double> Float(const std::string& parameter) const
    {
        return FloatText(media_text::NormaliseFirstSeparators(Text(parameter)));
    }

private:
    const TMediaInfoGetter& GetValue;
    TMediaInfoStreamKind Kind;
    size_t Number;
};

size_t StreamCount(const TMediaInfoGetter& get, TMediaInfoStreamKind kind)
{
    const auto count = IntText(get(kind, 0, "StreamCount"));
    return count && *count > 0 ? static_cast<size_t>(*count) : 0;
}

void ReadStreamCounts(const TMediaInfoGetter& get, TVideoFileInfo& info)
{
    for (int kind = mskGeneral; kind <= mskMenu; ++kind) {
        const auto count = IntText(get(static_cast<TMediaInfoStreamKind>(kind), 0, "StreamCount"));
        if (!count) {
            continue;
        }
        AssignClamped(info.NumberOfDataStreams, info.NumberOfDataStreams + int64_t{*count});
        if (kind == mskVideo) {
            AssignClamped(info.NumberOfVideoStreams, *count);
        } else if (kind == mskAudio) {
            AssignClamped(info.NumberOfAudioStreams, *count);
        }
    }
    if (info.NumberOfDataStreams > 0) {
        info.NumberOfDataStreams -= 1; // the general stream
    }
}

void ReadGeneral(const TMediaInfoGetter& get, TVideoFileInfo& info)
{
    if (StreamCount(get, mskGeneral) == 0) {
        return;
    }
    const TStreamReader general(get, mskGeneral, 0);
    info.Format = general.Text("Format");
    info.FormatInfo = general.Text("Format/Info");
    if (const auto bitrate = general.Int("OverallBitRate")) {
        info.OverallBitrate = *bitrate / 1000;
    }
    info.EncodedApplication = general.TextOr("Encoded_Application", "Encoded_Library");
}

// "1.21 GiB (93%)" gives the size text "1.21 GB" and the share 93.
template <typename Stream> void ReadStreamSize(const TStreamReader& stream, Stream& info)
{
    // Sizes above 2 GiB are common for video, so the byte count is read in 64 bits.
    if (const auto size = media_text::Int64Text(stream.Text("StreamSize"))) {
        info.StreamSize = *size;
    }
    std::string text = stream.Text("StreamSize/String");
    text = ReplaceFirst(text, "MiB", "MB", true);
    text = ReplaceFirst(text, "KiB", "KB", true);
    text = ReplaceFirst(text, "GiB", "GB", true);
    const size_t open = text.find('(');
    if (open == std::string::npos) {
        info.StreamSizeStr = text;
        return;
    }
    info.StreamSizeStr = Trim(text.substr(0, open));
    std::string percent = text.substr(open + 1);
    if (const size_t close = percent.find("%)"); close != std::string::npos) {
        percent.erase(close, 2);
    }
    if (const auto value = IntText(percent)) {
        AssignClamped(info.StreamSizeInPercent, *value);
    }
}

void ReadVideoStream(const TStreamReader& stream, const TVideoFileInfo& file, TVideoStreamInfo& video)
{
    video.CodecID = stream.TextOr("CodecID/Hint", "CodecID");
    const std::string version = stream.Text("Format_Version");
    video.Codec = stream.Text("Format") + (version.empty() ? "" : " - " + version);
    video.Profile = stream.Text("Format_Profile");
    if (const auto bitrate = stream.Int("BitRate")) {
        video.Bitrate = std::max(*bitrate / 1000, 0);
    }
    stream.ReadInt("Width", video.Width);
    stream.ReadInt("Height", video.Height);
    if (const auto dar = stream.Float("DisplayAspectRatio")) {
        video.DAR = *dar;
    }
    video.DARStr = media_text::NormaliseFirstSeparators(stream.Text("DisplayAspectRatio/String"));
    if (const auto fps = stream.Float("FrameRate")) {
        video.FPS = *fps;
    }
    if (const auto frameCount = stream.Int("FrameCount")) {
        int64_t frames = *frameCount;
        if (frames < 0 && file.Duration > 0) {
            frames = RoundHalfEven(video.FPS * file.Duration / 1000);
        }
        // An unknown (negative) count without a duration to estimate from is no count at all.
        if (frames >= 0) {
            AssignClamped(video.Frames, frames);
        }
    }
    UpdateBitsPerPixel(video);
    if (const auto bitsPerPixel = stream.Float("Bits-(Pixel*Frame)")) {
        video.BitsPerPixel = *bitsPerPixel;
    }
    video.ScanType = stream.Text("ScanType/String");
    ReadStreamSize(stream, video);
    video.EncodedLibrary = stream.TextOr("Encoded_Application", "Encoded_Library/String");
}

// "AAC" with the identifier "mp4a-40-2" gives "AAC (mp4a-40-2)"; a version is put after " - ".
std::string AudioCodecText(const TStreamReader& stream)
{
    const std::string format = stream.Text("Format");
    const std::string version = stream.Text("Format_Version");
    std::string id = stream.Text("CodecID/Hint");
    if (id.empty() || IntText(id)) {
        id = stream.Text("CodecID/Info");
    }
    if (id == format) {
        id.clear();
    }
    return format + (version.empty() ? "" : " - " + version) + (id.empty() ? "" : " (" + id + ")");
}

// The library gives one value or two separated by "/" (their mean is taken), in bit/s.
std::optional<int64_t> AudioBitrateBps(const std::string& text)
{
    const size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return IntText(text);
    }
    const auto first = IntText(Trim(text.substr(0, slash)));
    const auto second = IntText(Trim(text.substr(slash + 1)));
    if (!first || !second) {
        return std::nullopt;
    }
    return (int64_t{*first} + *second) / 2;
}

// Milliseconds; recent library versions print them with decimals ("2016.000000").
std::optional<int64_t> DurationMs(const std::string& text)
{
    if (const auto ms = IntText(text)) {
        return *ms;
    }
    if (const auto ms = FloatText(media_text::NormaliseFirstSeparators(text))) {
        return RoundHalfEven(*ms);
    }
    return std::nullopt;
}

void ReadAudioStream(const TStreamReader& stream, TVideoFileInfo& file, TAudioStreamInfo& audio)
{
    audio.CodecID = stream.Text("CodecID");
    audio.Codec = AudioCodecText(stream);
    audio.DurationMs = 0;
    if (const auto duration = DurationMs(stream.Text("Duration"))) {
        if (file.Duration <= 0) {
            file.Duration = static_cast<double>(*duration);
            file.DurationStr = MsToTimeStrWithMs(*duration);
        }
        AssignClamped(audio.DurationMs, *duration);
    }
    audio.Profile = stream.Text("Format_Profile");
    if (const auto bps = AudioBitrateBps(stream.Text("BitRate")); bps && *bps > 0) {
        AssignClamped(audio.Bitrate, *bps / 1000);
    }
    audio.Bitrate = std::max(audio.Bitrate, 0);
    audio.BitrateMode = stream.Text("BitRate_Mode");
    // A constant bitrate of 191999 bit/s is meant as 192 kbit/s.
    if (AsciiUpperCase(audio.BitrateMode) == "CBR" && audio.Bitrate % 2 == 1) {
        audio.Bitrate += 1;
    }
    stream.ReadInt("Channel(s)_Original", audio.Channels);
    if (audio.Channels == 0) {
        stream.ReadInt("Channel(s)", audio.Channels);
    }
    audio.ChannelsStr = stream.Text("Channel(s)/String");
    stream.ReadInt("SamplingRate", audio.SamplingRate);
    stream.ReadInt("BitDepth", audio.BitsPerSample);
    stream.ReadInt("SamplingCount", audio.Frames);
    stream.ReadInt("Video_Delay", audio.VideoDelay);
    audio.Language = stream.Text("Language/String");
    ReadStreamSize(stream, audio);
    audio.EncodedLibrary = stream.TextOr("Encoded_Library", "Encoded_Library/String");
}

} // namespace

void ReadMediaInfoValues(const TMediaInfoGetter& get, TVideoFileInfo& info)
{
    ReadStreamCounts(get, info);
    ReadGeneral(get, info);
    const size_t videoCount = std::min(StreamCount(get, mskVideo), MaxVideoStreams);
    for (size_t i = 0; i < videoCount; ++i) {
        ReadVideoStream(TStreamReader(get, mskVideo, i), info, info.VideoStreams[i]);
    }
    const size_t audioCount = std::min(StreamCount(get, mskAudio), MaxAudioStreams);
    for (size_t i = 0; i < audioCount; ++i) {
        ReadAudioStream(TStreamReader(get, mskAudio, i), info, info.AudioStreams[i]);
    }
}

void GetMediaInfoFileInfo(const std::string& fileName, const std::string& libraryPath, TVideoFileInfo& info)
{
    if (!MediaInfoLibraryExists(libraryPath) || GetFileSizeSafe(fileName) == 0 ||
        !LoadMediaInfoLibrary(libraryPath)) {
        return;
    }
    TMediaInfoFile media;
    if (!media.Open(fileName)) {
        return;
    }
    TMediaInfoFile::SetLibraryOption("Complete", "0");
    info.MediaInfoFull = media.Inform();
    ReadMediaInfoValues([&media](TMediaInfoStreamKind kind, size_t number,
                                 const std::string& parameter) { return media.Get(kind, number, parameter); },
                        info);
}
