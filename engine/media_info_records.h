#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

// What the program knows about one media file after analysis: container facts, the stream lines of the
// encoder's report, up to 10 video and 48 audio streams, the stream counts and the library's full report.
// The records are plain values: assignment copies everything, and ClearVideoFileInfo resets a record
// before an analysis writes into it.

constexpr size_t MaxStreamLines = 64;
constexpr size_t MaxVideoStreams = 10;
constexpr size_t MaxAudioStreams = 48;

// One stream description line of the encoder's report.
struct TSTreamInfoStr
{
    bool StreamExists = false;
    std::string Str1;
    friend bool operator==(const TSTreamInfoStr&, const TSTreamInfoStr&) = default;
};

struct TVideoStreamInfo
{
    bool Exists = false;
    std::string Codec;
    std::string CodecID;
    std::string Profile;
    std::string PixelFormat;
    double DAR = 0;
    std::string DARStr;
    std::string ScanType;
    uint16_t Width = 0;
    uint16_t Height = 0;
    int32_t Bitrate = 0; // kbit/s
    double FPS = 0;
    double BitsPerPixel = 0;
    uint32_t Frames = 0; // the progress total of a conversion
    int64_t StreamSize = 0;
    std::string StreamSizeStr;
    uint8_t StreamSizeInPercent = 0;
    std::string EncodedLibrary;
    uint8_t StreamIndex = 0;
    friend bool operator==(const TVideoStreamInfo&, const TVideoStreamInfo&) = default;
};

struct TAudioStreamInfo
{
    bool Exists = false;
    std::string Codec;
    std::string CodecID;
    std::string CodecFF; // the encoder's own codec name, e.g. "aac"
    std::string Profile;
    int32_t SamplingRate = 0;
    uint8_t Channels = 0;
    std::string ChannelsStr;
    uint8_t BitsPerSample = 0;
    uint32_t Frames = 0; // samples
    int32_t Bitrate = 0; // kbit/s
    std::string BitrateMode;
    std::string Language;
    int32_t VideoDelay = 0; // ms
    int64_t StreamSize = 0;
    std::string StreamSizeStr;
    uint8_t StreamSizeInPercent = 0;
    std::string EncodedLibrary;
    uint8_t StreamIndex = 0;
    int32_t DurationMs = 0;
    friend bool operator==(const TAudioStreamInfo&, const TAudioStreamInfo&) = default;
};

struct TVideoFileInfo
{
    std::string FileName; // full path, UTF-8, any length
    int64_t FileSize = 0;
    uint32_t Seconds = 0; // playing time less the start time, rounded
    double Duration = 0;  // ms
    std::string DurationStr;
    uint32_t Start = 0; // s
    std::string Format;
    std::string FormatInfo;
    int32_t OverallBitrate = 0; // kbit/s
    std::array<TSTreamInfoStr, MaxStreamLines> StreamsStr;
    std::array<TVideoStreamInfo, MaxVideoStreams> VideoStreams;
    std::array<TAudioStreamInfo, MaxAudioStreams> AudioStreams;
    // The counts may exceed the slots: a file can hold more streams than are described.
    uint8_t NumberOfAudioStreams = 0;
    uint8_t NumberOfVideoStreams = 0;
    uint16_t NumberOfDataStreams = 0; // every stream except the general one
    std::string EncodedApplication;
    std::string MediaInfoFull;
    friend bool operator==(const TVideoFileInfo&, const TVideoFileInfo&) = default;
};

void ClearVideoFileInfo(TVideoFileInfo& info);

// How many of VideoStreams / AudioStreams hold data: the count, never more than the slots.
size_t VideoStreamSlotCount(const TVideoFileInfo& info);
size_t AudioStreamSlotCount(const TVideoFileInfo& info);

// Bits per pixel and frame from the stream's bitrate, size and frame rate, when all of them are known.
void UpdateBitsPerPixel(TVideoStreamInfo& video);

// The record of the file being converted; its first video stream's frame count is the progress total.
extern TVideoFileInfo CurrentFileInfo;

// Stores a number into a narrower field, saturating at the field's range instead of wrapping
// (a negative frame count must not become four billion frames).
template <typename Field, typename Value> void AssignClamped(Field& field, Value value)
{
    using Limits = std::numeric_limits<Field>;
    if constexpr (std::is_floating_point_v<Value>) {
        field = static_cast<Field>(std::clamp<Value>(value, static_cast<Value>(Limits::lowest()),
                                                     static_cast<Value>(Limits::max())));
    } else {
        const auto wide = static_cast<int64_t>(value);
        field = static_cast<Field>(std::clamp<int64_t>(wide, static_cast<int64_t>(Limits::lowest()),
                                                       static_cast<int64_t>(Limits::max())));
    }
}
