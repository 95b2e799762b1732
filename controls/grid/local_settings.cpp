#include "controls/grid/local_settings.h"

#include "support/format_settings.h"

std::string TLocalSettings::DateSeparator() const
{
    return GlobalFormatSettings().DateSeparator;
}

std::string TLocalSettings::DecimalSeparator() const
{
    return GlobalFormatSettings().DecimalSeparator;
}

std::string TLocalSettings::ListSeparator() const
{
    return GlobalFormatSettings().ListSeparator;
}

std::string TLocalSettings::LongTimeFormat() const
{
    return GlobalFormatSettings().LongTimeFormat;
}

std::string TLocalSettings::TimeSeparator() const
{
    return GlobalFormatSettings().TimeSeparator;
}

const TLocalSettings& LocalSettings()
{
    static const TLocalSettings settings;
    return settings;
}
