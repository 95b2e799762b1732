#pragma once

// Case tables run in two locales: "." and "," as the decimal separator.

#include "support/format_settings.h"

#include <string>

inline TFormatSettings WithSeparator(const std::string& separator)
{
    TFormatSettings settings;
    settings.DecimalSeparator = separator;
    settings.ThousandSeparator = separator == "," ? "." : ",";
    return settings;
}

// The same case in both locales: "." in a case's texts stands for the decimal separator.
inline std::string Localised(std::string text, const std::string& separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator[0];
    return text;
}
