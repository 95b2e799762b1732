#pragma once

#include <cstdint>

struct TVideoFileInfo;

// Video bitrate estimates in kbit/s.

// bitsPerPixel (lowered to maxBitsPerPixel when above it) x width x height x framesPerSecond / 1000,
// rounded; defaultBitrate unless all four are above 0.
int32_t CalcVideoBitrate(double bitsPerPixel, int32_t width, int32_t height, double framesPerSecond,
                         int32_t defaultBitrate, double maxBitsPerPixel);

// The first video stream's bitrate, lowered to what bitsPerPixel gives at its size and frame rate when the
// stream uses more bits per pixel than that; 800 when the bitrate is unknown.
int32_t GetAutoVideoBitrate(const TVideoFileInfo& info, double bitsPerPixel);
