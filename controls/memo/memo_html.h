#pragma once

#include "platform/gui/graphics/graphics.h"

#include <string>
#include <string_view>

// Pieces of the memo's HTML output.

// "#" and the colour's red, green and blue as two upper-case hexadecimal digits each (system colours as
// they are drawn now).
std::string ColorToHTML(TColor color);
// The CSS declarations of bold, italic and underline ("font-weight:bold;" and so on); strike-out adds none.
std::string FontStyleToCSS(TFontStyles styles);
// "&", "<", ">" and the double quote as entities: text that can stand in content and in quoted attributes.
std::string HtmlEscaped(std::string_view text);
