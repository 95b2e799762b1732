#pragma once

#include <string>
#include <string_view>

// Booleans as the words "True" and "False".

std::string BoolToStr(bool value);

// "True" or "False" in any letter case, or a number in the format settings (0 is False, any other True).
// False leaves the value unchanged.
bool TryStrToBool(std::string_view text, bool& value);

// TryStrToBool that raises EConvertError.
bool StrToBool(std::string_view text);
