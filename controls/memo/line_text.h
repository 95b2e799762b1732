#pragma once

#include <string>
#include <string_view>

// A stored line is UTF-8; the memo counts its columns in code points, one code point to a cell. An operation
// decodes the line once into a TLineText, works on columns there and encodes the result once.

using TLineText = std::u32string;

TLineText DecodeLine(std::string_view line);
std::string EncodeLine(std::u32string_view text);
// The number of columns of a stored line.
int LineLength(std::string_view line);

// Every tab becomes tabSize spaces, without alignment to tab stops.
std::string ExpandTabs(const std::string& text, int tabSize);
// Without the trailing characters of code 32 or below (spaces, tabs, control characters).
TLineText TrimTrailingBlanks(const TLineText& text);
// Without the trailing spaces (code 32 only; tabs stay).
TLineText RemoveTrailingSpaces(const TLineText& text);
// count spaces.
TLineText Spaces(int count);
// The columns from..from+count of text, fewer where the text ends (count < 0: to the end).
TLineText Columns(const TLineText& text, int from, int count = -1);
// The first count columns, padded with spaces when the text is shorter.
TLineText PaddedTo(const TLineText& text, int count);
