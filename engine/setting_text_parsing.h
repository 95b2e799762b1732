#pragma once

#include <string_view>

// Readers of the texts the user types into the settings lists: aspect ratios and durations.

// Reads "16:9", "16/9", "16\9", "1.85" or "2,35" (a single number means number:1) into x and y.
bool ParseRatio(std::string_view text, double& x, double& y);

bool IsValidRatio(std::string_view text);

// "01:02:03.5" -> 3723.5 seconds. Hours and minutes must be integers and seconds a number, each counting
// 0 otherwise; a text without ":" gives 0 and one with a single ":" only its hours.
double TimeStrToSeconds(std::string_view text);
