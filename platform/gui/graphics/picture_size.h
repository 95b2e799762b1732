#pragma once

#include <cstdint>
#include <string>

// The largest pictures the image readers take. The program's pictures are icons, glyphs, button faces and
// label images; a file that declares a larger one is refused before its pixels are allocated or walked, so
// that a few bytes can neither take the memory nor hold a window busy drawing.
constexpr int64_t MaxPictureSide = 16384;
constexpr int64_t MaxPicturePixels = 4096 * 4096;

// Raises EInvalidGraphic, naming the kind of image and the size it declares, when width or height is beyond
// MaxPictureSide or both together beyond MaxPicturePixels.
void CheckPictureSize(const std::string& kind, int64_t width, int64_t height);
