#pragma once

#include <string>

// The process's current number, date and time formats as the controls read them (one shared object; the
// settings themselves live in the program-wide format settings). Separators are UTF-8 texts of one
// character.
class TLocalSettings
{
public:
    std::string DateSeparator() const;
    std::string DecimalSeparator() const;
    std::string ListSeparator() const;
    std::string LongTimeFormat() const;
    std::string TimeSeparator() const;
};

// The 6-series controls read the same settings through their own name.
using TGxFormatSettings = TLocalSettings;

const TLocalSettings& LocalSettings();
