#include "engine/audio_bitrates.h"

#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>
#include <fstream>

namespace {

struct TBitrateRange
{
    int32_t Min;
    int32_t Max;
};

// Limits per sampling rate (rows) and codec (columns), kbit/s.
constexpr TBitrateRange Limits[6][6] = {
    {{8, 160}, {8, 160}, {16, 320}, {8, 96}, {24, 640}, {24, 640}},
    {{8, 160}, {8, 160}, {16, 320}, {8, 128}, {24, 640}, {24, 640}},
    {{8, 160}, {8, 160}, {16, 320}, {8, 128}, {24, 640}, {24, 640}},
    {{32, 320}, {32, 384}, {32, 640}, {8, 192}, {24, 640}, {24, 640}},
    {{32, 320}, {32, 384}, {32, 640}, {8, 256}, {24, 640}, {24, 640}},
    {{32, 320}, {32, 384}, {32, 640}, {8, 256}, {24, 640}, {24, 640}},
};

constexpr int AacCodecIndex = 3;

// The steps a bitrate is rounded up to; the lowest steps are below any automatic bitrate.
constexpr std::array<int32_t, 19> RoundingSteps = {32,  40,  48,  56,  64,  80,  96,  112, 128, 160,
                                                   192, 224, 256, 320, 384, 448, 512, 576, 640};

constexpr std::array<std::string_view, 6> InfoCodecLabels = {
    " MP3: ", " MP2: ", " AC3: ", " AAC: ", "WMA1: ", "WMA2: "};

TAudioBitrateTable MakeAudioBitrateTable()
{
    TAudioBitrateTable table{};
    for (size_t rate = 0; rate < 6; ++rate) {
        for (size_t codec = 0; codec < 6; ++codec) {
            TAudioBitrateEntry& entry = table[rate * 6 + codec];
            entry.Min = Limits[rate][codec].Min;
            entry.Max = Limits[rate][codec].Max;
            for (size_t i = 0; i < AudioBitrateSteps.size(); ++i)
                entry.Steps[i] = entry.Min <= AudioBitrateSteps[i] && AudioBitrateSteps[i] <= entry.Max;
        }
    }
    return table;
}

int CodecIndexOf(std::string_view codecName)
{
    const std::string name = AsciiLowerCase(codecName);
    if (name == "aac")
        return AacCodecIndex;
    const auto found = std::find(AudioBitrateCodecNames.begin(), AudioBitrateCodecNames.end(), name);
    return found == AudioBitrateCodecNames.end() ? -1
                                                 : static_cast<int>(found - AudioBitrateCodecNames.begin());
}

int RateIndexOf(int32_t samplingRate)
{
    const auto found =
        std::find(AudioBitrateSamplingRates.begin(), AudioBitrateSamplingRates.end(), samplingRate);
    return found == AudioBitrateSamplingRates.end()
               ? -1
               : static_cast<int>(found - AudioBitrateSamplingRates.begin());
}

} // namespace

TAudioBitrateTable AudioBitrateTable = MakeAudioBitrateTable();
uint16_t MinAudioBitrate = 96;

void InitAudioBitrateTable()
{
    AudioBitrateTable = MakeAudioBitrateTable();
}

int32_t GetMaxAudioBitrate(std::string_view codecName, int32_t samplingRate, int32_t defaultBitrate)
{
    const int codec = CodecIndexOf(codecName);
    const int rate = RateIndexOf(samplingRate);
    if (codec < 0 || rate < 0)
        return defaultBitrate;
    return AudioBitrateTable[static_cast<size_t>(rate * 6 + codec)].Max;
}

int32_t RoundAudioBitrate(int32_t bitrate, int32_t defaultBitrate, int32_t minBitrate, int32_t maxBitrate)
{
    const auto step = std::find_if(RoundingSteps.begin(), RoundingSteps.end(),
                                   [bitrate](int32_t candidate) { return candidate >= bitrate; });
    int32_t result = step == RoundingSteps.end() ? defaultBitrate : *step;
    if (bitrate < minBitrate)
        result = minBitrate;
    if (bitrate > maxBitrate)
        result = maxBitrate;
    return result;
}

std::vector<std::string> AudioBitrateInfoLines(const TAudioBitrateTable& table)
{
    std::vector<std::string> lines{"AUDIO BITRATE INFO"};
    for (size_t rate = 0; rate < AudioBitrateSamplingRates.size(); ++rate) {
        lines.emplace_back();
        lines.push_back("Sampling rate: " + std::to_string(AudioBitrateSamplingRates[rate]));
        for (size_t codec = 0; codec < InfoCodecLabels.size(); ++codec) {
            const TAudioBitrateEntry& entry = table[rate * 6 + codec];
            std::string line(InfoCodecLabels[codec]);
            for (size_t i = 0; i < AudioBitrateSteps.size(); ++i)
                line += PadLeft(entry.Steps[i] ? std::to_string(AudioBitrateSteps[i]) : "-", 4, U' ');
            lines.push_back(line);
        }
    }
    return lines;
}

bool GetAudioBitrateInfoText(const TAudioBitrateTable& table, const std::string& fileName)
{
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    for (const std::string& line : AudioBitrateInfoLines(table))
        file << line << '\n';
    file.close();
    return static_cast<bool>(file);
}
