#pragma once

#include <cstdint>
#include <string>

// The footer of the file list: counts over all rows, sums and averages over the checked rows only.

// The number cells of one checked row that the footer reads.
struct TFooterRowNumbers
{
    double Size = 0, Duration = 0, VideoStreamSize = 0, AudioStreamSize = 0;
    double VideoBitrate = 0, VideoFPS = 0, VideoBpp = 0, AudioBitrate = 0;
};

// Sums and the counts of the averaged values above 0 (the others are left out of the average).
class TFooterSums
{
public:
    void Add(const TFooterRowNumbers& row);

    double Size = 0, Duration = 0, VideoStreamSize = 0, AudioStreamSize = 0;
    double VideoBitrate = 0, VideoFPS = 0, VideoBpp = 0, AudioBitrate = 0;
    int32_t VideoBitrateCount = 0, VideoFPSCount = 0, VideoBppCount = 0, AudioBitrateCount = 0;
};

// The footer texts; each is empty when its sum is not above 0 (all of them for an empty list).
struct TFileListFooterTexts
{
    std::string No, Active, Size, Duration, VideoBitrate, VideoFPS, VideoBpp, VideoStreamSize, AudioBitrate,
        AudioStreamSize;
    friend bool operator==(const TFileListFooterTexts&, const TFileListFooterTexts&) = default;
};

// averageWord is the string table's short word for an average ("AVG").
TFileListFooterTexts MakeFileListFooterTexts(int32_t rowCount, int32_t checkedCount, const TFooterSums& sums,
                                             const std::string& averageWord);
