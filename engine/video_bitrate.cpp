#include "engine/video_bitrate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Rounds half to even and keeps the result inside the 32-bit range.
int32_t RoundToInt32(double value)
{
    const double rounded = std::nearbyint(value);
    return static_cast<int32_t>(std::clamp(rounded, 0.0, double(std::numeric_limits<int32_t>::max())));
}

} // namespace

int32_t CalcVideoBitrate(double bitsPerPixel, int32_t width, int32_t height, double framesPerSecond,
                         int32_t defaultBitrate, double maxBitsPerPixel)
{
    bitsPerPixel = std::min(bitsPerPixel, maxBitsPerPixel);
    if (bitsPerPixel <= 0 || width <= 0 || height <= 0 || framesPerSecond <= 0)
        return defaultBitrate;
    return RoundToInt32(bitsPerPixel * width * height * framesPerSecond / 1000);
}
