#pragma once

// Checks of the memo's HTML and RTF output that hold whatever the text was: for the tests and the fuzz
// targets. Each answers what is wrong first, or an empty text.

#include <string>

// Tags only of the export's kinds, each closed in order; attribute values in double quotes; no "<" or ">"
// in the text, every "&" the start of an entity.
std::string HtmlProblem(const std::string& html);
// 7-bit bytes only; one group from the first byte to the last, braces balanced (escaped ones not counted).
std::string RtfProblem(const std::string& rtf);
