#pragma once

#include <string>
#include <string_view>

// Turns a stored text of the string table into display text: every "\n" (backslash, n) becomes a line
// break, every "\t" a tab, the first "%s" takes arg1 and then the first "%s" left in that result takes
// arg2 (so a "%s" inside arg1 is the one arg2 replaces). Further "%s" stay as they are.
std::string PrepareLangStr(std::string_view text, std::string_view arg1 = "", std::string_view arg2 = "");
