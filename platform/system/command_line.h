#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a parameter text into arguments the way a Windows C runtime splits its command line, so that
// parameter texts kept in profiles mean the same on every platform:
// - blanks and tabs outside double quotes separate arguments;
// - a double quote starts or ends a quoted part and is removed; inside one, two double quotes give one;
// - 2n backslashes before a double quote give n backslashes and the quote acts as above; 2n+1 backslashes
//   give n backslashes and a literal double quote; other backslashes are kept as they are.
std::vector<std::string> SplitCommandLine(std::string_view text);
