#pragma once

#include "support/basic_types.h"

#include <string>

// The bitmap the skinned hints are painted into before the bitmap hint window shows it: one for the
// program, since one hint shows at a time.

class TBitmap;

TBitmap& SharedHintBitmap();
// Gives the bitmap's canvas the hint font and colours.
void PrepareHintCanvas(TBitmap& bitmap);
// Sizes the bitmap to the text with its border and paints the background; answers the text's extent.
TRect PrepareHintBitmap(TBitmap& bitmap, const std::string& hint);
// Draws the hint centred in the bitmap, text being its extent from PrepareHintBitmap.
void DrawHintText(TBitmap& bitmap, const std::string& hint, TRect text);
