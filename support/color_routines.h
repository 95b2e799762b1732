#pragma once

#include "support/basic_types.h"

#include <string_view>

// Colour values (0x00BBGGRR) and the colour texts of settings files.

// Each channel is taken modulo 256.
TColor RGBToColor(int red, int green, int blue);
TColor GrayColor(int value);

// Moves every channel by percent of its own value, up or down, within 0..255; a system colour is
// resolved first. Black stays black when lightened.
TColor LightenDarkenColor(TColor color, int percent, bool lighten);

// True when the text holds a letter from A to F in either case.
bool HasHexLetters(std::string_view text);

// Reads a colour text in one of three forms, chosen by its look: hexadecimal ("$0000FF", "0x0000FF",
// "008000"; the value is the colour as stored, so "$0000FF" is red), HTML ("#FF0000", "#F00") or a list
// of red, green and blue ("255, 0, 0", "(255,0,0)", "rgb(255, 0, 0)"; one value gives a grey).
// False leaves the colour unchanged.
bool TryStrToColor(std::string_view text, TColor& color);
bool TryHexToColor(std::string_view text, TColor& color);
bool TryHtmlToColor(std::string_view text, TColor& color);
bool TryRgbListToColor(std::string_view text, TColor& color);
