#pragma once

#include "platform/gui/graphics/canvas.h"

#include <string>

// Whether themed drawing is in force, and a themed part drawn in one call.

// True while the layer's theme painter is switched on (the desktop's visual styles).
bool UxThemesActive();
// The class library's own styles never run in this program: always false.
bool IsStyleEnabled();
// Draws the part of the theme class in the state over rect, clipped to rect; false when the class has no
// theme data (themes off), and then nothing is drawn.
bool DrawThemedBackground(TCanvas& canvas, const TRect& rect, const std::string& themeClass, int part,
                          int state);
