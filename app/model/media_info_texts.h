#pragma once

#include "engine/app_strings.h"
#include "engine/media_info_records.h"

#include <string>
#include <string_view>
#include <vector>

// The value texts of the media information window, made from an analysis record: the general block, one
// video stream, one audio stream and the rows of the encoder's stream list. The window shows them and the
// text report repeats them. Numbers are grouped by three with blanks; fractions follow the user's number
// format.

struct TGeneralInfoTexts
{
    std::string FileSize, Duration, OverallBitrate, Format, EncodedApplication, NumberOfDataStreams,
        NumberOfVideoStreams, NumberOfAudioStreams;
};

struct TVideoStreamTexts
{
    std::string Codec, Profile, Bitrate, Resolution, DisplayAspectRatio, FPS, ScanType, PixelFormat,
        BitsPerPixel, Frames, StreamSize, EncodedLibrary, StreamIndex;
};

struct TAudioStreamTexts
{
    std::string Codec, Profile, Bitrate, Channels, SamplingRate, BitsPerSample, Frames, VideoDelay, Language,
        StreamSize, EncodedLibrary, StreamIndex;
};

// One line of the encoder's stream list, split after the colon that ends the stream's number and language:
// "Stream #0:1(eng)" and "Audio: mp2, 22050 Hz, mono, ...".
struct TDataStreamRow
{
    std::string Stream, Details;
    friend bool operator==(const TDataStreamRow&, const TDataStreamRow&) = default;
};

// "1 234 567".
std::string GroupedNumber(int64_t value);

TGeneralInfoTexts GeneralInfoTexts(const TVideoFileInfo& info);
// The scan type words "interlaced" and "progressive" come from the texts.
TVideoStreamTexts VideoStreamTexts(const TVideoStreamInfo& stream, const TFileInfoModuleStrings& texts);
TAudioStreamTexts AudioStreamTexts(const TAudioStreamInfo& stream);

// A line with fewer than two colons keeps its whole text in Details.
TDataStreamRow SplitDataStreamLine(std::string_view line);
// The rows of every stream line the record holds, in order.
std::vector<TDataStreamRow> DataStreamRows(const TVideoFileInfo& info);
