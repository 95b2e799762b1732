#pragma once

// Image files made in memory for the tests of the markup pictures.

#include "support/basic_types.h"

#include <string>
#include <vector>

// A GIF89a of width x height whose frames are single pixels of colour 0 at the given positions, each behind
// a graphic control extension.
std::string GifBytes(int width, int height, const std::vector<TPoint>& frames);
// Files of a width x height picture in one colour, written by the layer's own writers.
std::string BitmapFileBytes(int width, int height, TColor color);
std::string PngFileBytes(int width, int height, TColor color);
std::string JpegFileBytes(int width, int height, TColor color);
std::string IconFileBytes(int width, int height, TColor color);
