#pragma once

#include <string_view>

// What the program says of itself. The version text is the one the caption, the about window and the
// update check use.
inline constexpr std::string_view ProgramVersion = "1.10";
inline constexpr std::string_view ProgramDisplayName = "Quillmark";
// The name of the program's desktop file (without ".desktop"), by which the desktop finds its icon.
inline constexpr std::string_view ProgramDesktopFileName = "quillmark";

// The maker's web addresses. This build is published without a web site: every entry is empty, and the
// commands that open them do nothing with an empty address.
struct TWebAddresses
{
    std::string_view HomePage;
    std::string_view QuickStartGuide;
    std::string_view Donation;
    std::string_view Facebook;
    std::string_view Twitter;
    std::string_view VideoTagReference;
    std::string_view UpdateInfo; // the small INI file the update check reads
};

const TWebAddresses& WebAddresses();
