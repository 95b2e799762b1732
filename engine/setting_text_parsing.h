#pragma once

#include <cstdint>
#include <string_view>

struct TVideoFileInfo;

// Readers of the texts the user types into the settings lists: aspect ratios, durations and resolutions.

// Reads "16:9", "16/9", "16\9", "1.85" or "2,35" (a single number means number:1) into x and y.
bool ParseRatio(std::string_view text, double& x, double& y);

bool IsValidRatio(std::string_view text);

// "01:02:03.5" -> 3723.5 seconds. Hours and minutes must be integers and seconds a number, each counting
// 0 otherwise; a text without ":" gives 0 and one with a single ":" only its hours.
double TimeStrToSeconds(std::string_view text);

// Reads an item of the resolution list into a width and a height, each rounded to a multiple of 8:
// "1280 x 720 - HD720" (anything from the first "-" on is a description), or "50%" of the first video
// stream's size (raised to even numbers first). A part that is not an integer leaves its value at 2.
void ParseResolutionText(std::string_view text, const TVideoFileInfo& info, int32_t& width, int32_t& height);
