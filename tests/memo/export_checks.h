#pragma once

// Checks of the memo's HTML and RTF output that hold whatever the text was: for the tests and the fuzz
// targets. Each answers what is wrong first, or an empty text. Then readers of the HTML for the tests.

#include <string>
#include <vector>

// Tags only of the export's kinds, each closed in order; attribute values in double quotes; no "<" or ">"
// in the text, every "&" the start of an entity.
std::string HtmlProblem(const std::string& html);
// 7-bit bytes only; one group from the first byte to the last, braces balanced (escaped ones not counted).
std::string RtfProblem(const std::string& rtf);

// The lines of a text whose every line ends in CR LF.
std::vector<std::string> CrLfLines(const std::string& text);
// What a reader shows of HTML: the text without its tags, the entities read back.
std::string ShownText(const std::string& html);
