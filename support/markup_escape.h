#pragma once

#include <string>
#include <string_view>

// Text that is to stand in the label markup as it is written (file and folder names, language texts): "&",
// "<" and ">" become the entities "&amp;", "&lt;" and "&gt;", and control characters (line breaks, tabs)
// become blanks, so that no name can open a tag, hide the rest of a line or mark an accelerator.
std::string EscapeMarkup(std::string_view text);
