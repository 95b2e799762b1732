#pragma once

#include "engine/app_params.h"

#include <functional>
#include <string>
#include <vector>

// The two lists of the data folder that fill the main window's settings controls, and the monospace
// font the program's text views use.

// The resolution list ("W x H - label" or "N%" items): every line with trailing blanks removed; empty
// lines and lines beginning with "//" are skipped, everything else is an item as it stands (leading
// blanks kept).
std::vector<std::string> ParseResolutionLines(const std::vector<std::string>& lines);
// The video tags: the text before the first blank of each trimmed line; lines without a blank, and tags
// that are empty or begin with "//", are skipped.
std::vector<std::string> ParseVideoTagLines(const std::vector<std::string>& lines);

// The lists as read from their files, or the built-in lists when a file does not exist. A byte-order mark
// chooses the encoding; without one the text is UTF-8.
std::vector<std::string> ReadResolutionList(const std::string& fileName);
std::vector<std::string> ReadVideoTagList(const std::string& fileName);

const std::vector<std::string>& BuiltInResolutionList();
const std::vector<std::string>& BuiltInVideoTagList();

// Answers whether a font family is installed.
using TFontInstalledLookup = std::function<bool(const std::string& family)>;

// The first installed of the preferred monospace faces; when none of them and no "Courier New" is
// installed, the desktop's monospace family, then "DejaVu Sans Mono"; "Courier New" when nothing else is.
TFontParams ChooseMonospaceFont(const TFontInstalledLookup& isInstalled, const std::string& desktopMonospace);
