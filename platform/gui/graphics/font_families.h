#pragma once

#include <string>
#include <vector>

// The font families installed here, and the family that stands in for one a layout names but this system
// lacks: the first installed monospace candidate for fixed-pitch faces, the desktop's UI font otherwise.

std::vector<std::string> InstalledFontFamilies();
bool IsFontInstalled(const std::string& family);
// The desktop's UI font family, which new fonts start with.
std::string DefaultFontName();
std::string ResolveFontFamily(const std::string& family, bool fixedPitch = false);
