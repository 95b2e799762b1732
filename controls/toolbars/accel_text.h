#pragma once

#include <string>

// Captions with accelerator marks: "&" marks the next character as the accelerator, "&&" is a literal "&".

class TCanvas;

// Every mark removed; "&&" becomes "&".
std::string RemoveAccelAmpersands(const std::string& s);
// Every "&" doubled, so that a text shows as it stands.
std::string DoubleAmpersands(const std::string& s);
// A final ":" cut from a text of at least two characters, else a final "..." from one of at least four.
std::string TrimCaptionPunctuation(const std::string& s);
// The character after the last single "&", U'\0' when there is none.
char32_t GetAccelChar(const std::string& s);
// The lower case of one character.
char32_t CharToLower(char32_t c);
// The width of s in the canvas's font, with the marks removed first when prefix is true.
int MeasureTextWidth(TCanvas& canvas, const std::string& s, bool prefix);
