#include "support/format_settings.h"

TFormatSettings& GlobalFormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

TFormatSettingsGuard::TFormatSettingsGuard(const TFormatSettings& settings) : Saved(GlobalFormatSettings())
{
    GlobalFormatSettings() = settings;
}

TFormatSettingsGuard::~TFormatSettingsGuard()
{
    GlobalFormatSettings() = Saved;
}
