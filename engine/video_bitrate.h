#pragma once

#include <cstdint>

// Video bitrate estimates in kbit/s.

// bitsPerPixel (lowered to maxBitsPerPixel when above it) x width x height x framesPerSecond / 1000,
// rounded; defaultBitrate unless all four are above 0.
int32_t CalcVideoBitrate(double bitsPerPixel, int32_t width, int32_t height, double framesPerSecond,
                         int32_t defaultBitrate, double maxBitsPerPixel);
