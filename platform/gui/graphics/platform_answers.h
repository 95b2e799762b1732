#pragma once

#include <optional>

// What the program asks about the platform it runs on, answered in one place. The desktop answers as a
// current platform (version 10.0, common controls of version 6) with visual styles enabled while the theme
// painter is switched on; tests put answers of their own in place to reach older platforms' paths.
struct TPlatformAnswers
{
    int MajorVersion = 10;
    int MinorVersion = 0;
    int CommonControlsVersion = 6; // the major version
    // Unset: visual styles are enabled exactly while the theme painter is (ThemesEnabled).
    std::optional<bool> VisualStyles;

    bool XPOrLater() const { return MajorVersion > 5 || (MajorVersion == 5 && MinorVersion >= 1); }
    bool VistaOrLater() const { return MajorVersion >= 6; }
    bool Version61OrOlder() const { return MajorVersion < 6 || (MajorVersion == 6 && MinorVersion <= 1); }
    bool VisualStylesEnabled() const;
};

// The answers in force.
const TPlatformAnswers& PlatformAnswers();
// The answers in force are those of version 5.1 or later.
inline bool IsWindowsXPOrLater()
{
    return PlatformAnswers().XPOrLater();
}
// Puts answers in place of the desktop's; nullopt goes back to the desktop's.
void SetPlatformAnswers(std::optional<TPlatformAnswers> answers);
