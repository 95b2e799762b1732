#pragma once

// Pictures of what the tests render, kept under the build folder's screenshots/ for a person to look at.

#include "platform/gui/graphics/bitmap.h"

#include <string>

// Writes the bitmap as screenshots/<name>.png, each pixel as a square of scale pixels so that small pictures
// can be seen; a test does not fail when it cannot be written.
void SaveScreenshot(const TBitmap& bitmap, const std::string& name, int scale = 1);
