#pragma once

#include <string>

// Number and date formats the windows show. The program holds one instance; tests and the options
// window replace its fields. Separators are UTF-8 texts of one character each.
struct TFormatSettings
{
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string DateSeparator = "-";
    std::string TimeSeparator = ":";
    // Between the items of a list the user types or reads ("a, b"; ";" where "," is the decimal separator).
    std::string ListSeparator = ",";
    std::string ShortDateFormat = "yyyy-mm-dd";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
};

// The program-wide format settings (the user's locale in the original program).
TFormatSettings& GlobalFormatSettings();

// Swaps in other settings for the lifetime of the guard; used by tests and nested formatting.
class TFormatSettingsGuard
{
public:
    explicit TFormatSettingsGuard(const TFormatSettings& settings);
    ~TFormatSettingsGuard();
    TFormatSettingsGuard(const TFormatSettingsGuard&) = delete;
    TFormatSettingsGuard& operator=(const TFormatSettingsGuard&) = delete;

private:
    TFormatSettings Saved;
};
