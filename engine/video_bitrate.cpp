#include "engine/video_bitrate.h"

#include "engine/media_info_records.h"

#include "support/math_routines.h"

#include <algorithm>
#include <limits>

int32_t CalcVideoBitrate(double bitsPerPixel, int32_t width, int32_t height, double framesPerSecond,
                         int32_t defaultBitrate, double maxBitsPerPixel)
{
    bitsPerPixel = std::min(bitsPerPixel, maxBitsPerPixel);
    if (bitsPerPixel <= 0 || width <= 0 || height <= 0 || framesPerSecond <= 0)
        return defaultBitrate;
    const int64_t bitrate = RoundHalfEven(bitsPerPixel * width * height * framesPerSecond / 1000);
    return static_cast<int32_t>(std::min<int64_t>(bitrate, std::numeric_limits<int32_t>::max()));
}

int32_t GetAutoVideoBitrate(const TVideoFileInfo& info, double bitsPerPixel)
{
    const TVideoStreamInfo& video = info.VideoStreams[0];
    int32_t bitrate = video.Bitrate;
    if (bitrate > 0 && video.BitsPerPixel > bitsPerPixel)
        bitrate = CalcVideoBitrate(bitsPerPixel, video.Width, video.Height, video.FPS, bitrate, bitsPerPixel);
    return bitrate == 0 ? 800 : bitrate;
}
