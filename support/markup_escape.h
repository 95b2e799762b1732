#pragma once

#include <string>
#include <string_view>

// Text that is to stand in the label markup as it is written (file and folder names, language texts): "&",
// "<" and ">" become the entities "&amp;", "&lt;" and "&gt;", and control characters (line breaks, tabs)
// become blanks, so that no name can open a tag, hide the rest of a line or mark an accelerator.
std::string EscapeMarkup(std::string_view text);

// Text that is to stand in the HTML-like label's tag language as it is written (the values a window puts
// into a template): that language spells "&", "<" and ">" with the same entities and reads line breaks as
// breaks, so the text is escaped as for the label markup. Only text between tags is decoded: a tag's
// parameter (a link's target, a font name) is read as written, so a value put there is not escaped.
std::string EscapeTagText(std::string_view text);
