#include "app/model/file_list_footer.h"

#include "app/model/file_list_number_texts.h"
#include "platform/system/float_text.h"
#include "support/math_routines.h"
#include "support/text_routines.h"

namespace {

void AddPositive(double value, double& sum, int32_t& count)
{
    if (value > 0) {
        sum += value;
        ++count;
    }
}

std::string SumSizeText(double sum)
{
    return sum > 0 ? FileListSizeText(RoundHalfEven(sum)) : std::string();
}

std::string AverageText(double sum, int32_t count, const std::string& averageWord, const char* mask)
{
    if (sum <= 0 || count == 0)
        return {};
    return averageWord + "  " + FormatFloat(mask, sum / count);
}

} // namespace

void TFooterSums::Add(const TFooterRowNumbers& row)
{
    Size += row.Size;
    Duration += row.Duration;
    VideoStreamSize += row.VideoStreamSize;
    AudioStreamSize += row.AudioStreamSize;
    AddPositive(row.VideoBitrate, VideoBitrate, VideoBitrateCount);
    AddPositive(row.VideoFPS, VideoFPS, VideoFPSCount);
    AddPositive(row.VideoBpp, VideoBpp, VideoBppCount);
    AddPositive(row.AudioBitrate, AudioBitrate, AudioBitrateCount);
}

TFileListFooterTexts MakeFileListFooterTexts(int32_t rowCount, int32_t checkedCount, const TFooterSums& sums,
                                             const std::string& averageWord)
{
    TFileListFooterTexts texts;
    if (rowCount <= 0)
        return texts;
    texts.No = IntToStrSep(rowCount, U' ');
    texts.Active = IntToStrSep(checkedCount, U' ');
    texts.Size = SumSizeText(sums.Size);
    texts.Duration = sums.Duration > 0 ? FileListDurationText(sums.Duration) : std::string();
    texts.VideoStreamSize = SumSizeText(sums.VideoStreamSize);
    texts.AudioStreamSize = SumSizeText(sums.AudioStreamSize);
    texts.VideoBitrate = AverageText(sums.VideoBitrate, sums.VideoBitrateCount, averageWord, "0.00");
    texts.VideoFPS = AverageText(sums.VideoFPS, sums.VideoFPSCount, averageWord, "0.00");
    texts.VideoBpp = AverageText(sums.VideoBpp, sums.VideoBppCount, averageWord, "0.000");
    texts.AudioBitrate = AverageText(sums.AudioBitrate, sums.AudioBitrateCount, averageWord, "0.00");
    return texts;
}
