#pragma once

#include "engine/media_info_records.h"

#include <cstdint>
#include <string>

// What the media cells of one file list row hold, taken from the analysis record of the file. The number
// cells keep their values; the texts are made once, in the language in force when the file is added.
struct TVideoRowValues
{
    std::string Codec, CodecID, Profile;
    int32_t Bitrate = 0; // kbit/s, never negative
    int32_t Width = 0, Height = 0;
    std::string Resolution; // "1 920 x 1 080"; empty unless both sides are known
    std::string DisplayAspect;
    double FPS = 0;
    double BitsPerPixel = 0;
    std::string ScanType; // lower case, or the translated word for interlaced and progressive
    double StreamSize = 0;
    std::string Summary; // codec, bitrate, resolution
};

struct TAudioRowValues
{
    std::string Codec; // cleaned (see CleanAudioCodecName); empty leaves the cell as it was
    std::string CodecID, Profile;
    int32_t Bitrate = 0, Channels = 0, Sampling = 0;
    double StreamSize = 0;
    std::string Summary; // codec, bitrate and mode, channels
};

// The words the row texts borrow from the string table.
struct TRowTexts
{
    std::string Interlaced = "Interlaced";
    std::string Progressive = "Progressive";
    std::string Channels = "Channels:";
};

struct TFileRowValues
{
    double DurationMs = 0;
    bool HasVideo = false;
    bool HasAudio = false;
    TVideoRowValues Video;
    TAudioRowValues Audio;
};

// The first video and audio stream of the record as the row shows them.
TFileRowValues MakeFileRowValues(const TVideoFileInfo& info, const TRowTexts& texts);

// The codec name without "(Windows Media Audio)", trimmed; MPEG-1 layer 3 and any "(MP3)" read "MP3".
std::string CleanAudioCodecName(const std::string& codec, const std::string& profile);
