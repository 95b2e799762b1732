#pragma once

#include <string>
#include <string_view>

// A text laid out through an edit mask: "mask;save;blank". In the mask "L", "l", "A", "a", "C", "c", "0",
// "9" and "#" stand for one character of the text; ">" turns the characters after it to upper case, "<" to
// lower case and "<>" ends either; "!" aligns the text to the right end of the mask; "\" copies the next
// character; ":" and "/" are the time and date separators of the global format settings; every other
// character is a literal. When the save field is "0" the text holds only the characters that fill the
// mask's places and the literals are inserted; otherwise (and without the field) the text holds the literals
// at their places already. Places the text does not fill are blanks. Characters are code points.
std::string FormatMaskText(std::string_view editMask, std::string_view value);
