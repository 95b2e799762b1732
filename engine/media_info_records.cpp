#include "engine/media_info_records.h"

TVideoFileInfo CurrentFileInfo;

void ClearVideoFileInfo(TVideoFileInfo& info)
{
    info = TVideoFileInfo{};
}

size_t VideoStreamSlotCount(const TVideoFileInfo& info)
{
    return std::min<size_t>(info.NumberOfVideoStreams, MaxVideoStreams);
}

size_t AudioStreamSlotCount(const TVideoFileInfo& info)
{
    return std::min<size_t>(info.NumberOfAudioStreams, MaxAudioStreams);
}

void UpdateBitsPerPixel(TVideoStreamInfo& video)
{
    const double pixelsPerSecond = static_cast<double>(video.Width) * video.Height * video.FPS;
    if (video.Bitrate > 0 && pixelsPerSecond > 0) {
        video.BitsPerPixel = video.Bitrate * 1000.0 / pixelsPerSecond;
    }
}
