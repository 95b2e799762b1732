#include "platform/system/boolean_text.h"

#include "support/errors.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

std::string BoolToStr(bool value)
{
    return value ? "True" : "False";
}

bool TryStrToBool(std::string_view text, bool& value)
{
    double number = 0;
    if (TryStrToFloat(text, number)) {
        value = number != 0;
        return true;
    }
    const std::string lower = AsciiLowerCase(text);
    if (lower != "true" && lower != "false")
        return false;
    value = lower == "true";
    return true;
}

bool StrToBool(std::string_view text)
{
    bool value = false;
    if (!TryStrToBool(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid boolean value");
    return value;
}
