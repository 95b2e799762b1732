#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The audio bitrates that the encoder's audio codecs accept at each sampling rate.

inline constexpr std::array<int32_t, 22> AudioBitrateSteps = {
    8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 448, 512, 576, 640};

inline constexpr std::array<int32_t, 6> AudioBitrateSamplingRates = {16000, 22050, 24000,
                                                                     32000, 44100, 48000};

// Encoder names of the six codecs of the table, in table order: MP3, MP2, AC-3, AAC, WMA 1, WMA 2.
inline constexpr std::array<std::string_view, 6> AudioBitrateCodecNames = {"libmp3lame", "mp2",   "ac3",
                                                                           "libfdk_aac", "wmav1", "wmav2"};

struct TAudioBitrateEntry
{
    std::array<bool, 22> Steps{}; // step i is allowed: Min <= AudioBitrateSteps[i] <= Max
    int32_t Min = 0;              // kbit/s
    int32_t Max = 0;              // kbit/s
};

// 36 entries; entry index = sampling rate index * 6 + codec index.
using TAudioBitrateTable = std::array<TAudioBitrateEntry, 36>;

extern TAudioBitrateTable AudioBitrateTable;

// Lower limit of the automatic audio bitrate, kbit/s.
extern uint16_t MinAudioBitrate;

// Fills the table from the fixed limits; runs once at program start.
void InitAudioBitrateTable();

// The highest bitrate allowed for the encoder name (any letter case; the encoder's native "aac" counts as
// the AAC codec) at one of the six sampling rates, or defaultBitrate for any other codec or rate.
int32_t GetMaxAudioBitrate(std::string_view codecName, int32_t samplingRate, int32_t defaultBitrate);

// Rounds a bitrate up to the next step from 32 to 640 (defaultBitrate above 640), then raises it to
// minBitrate when the bitrate is below that and lowers it to maxBitrate when the bitrate is above that.
int32_t RoundAudioBitrate(int32_t bitrate, int32_t defaultBitrate, int32_t minBitrate, int32_t maxBitrate);

// The information text: a heading, then per sampling rate one line per codec with every allowed step
// (a "-" for the others), each in a field of four characters.
std::vector<std::string> AudioBitrateInfoLines(const TAudioBitrateTable& table);

// Writes the information text to the file, one line each; false when the file cannot be written.
bool GetAudioBitrateInfoText(const TAudioBitrateTable& table, const std::string& fileName);
