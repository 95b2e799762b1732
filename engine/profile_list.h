#pragma once

#include "engine/app_params.h"
#include "engine/encoder_settings.h"
#include "engine/profile_files.h"
#include "engine/shared_records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The profile selector's list: the profiles of the profiles folder that belong to this program and
// version, with their display names, sort positions and colours. Item 0 of the selector is the
// settings of the last session, item 1 the encoder defaults, item i + 2 entry i of the list.

// The profiles of the selector, sorted by their sort index; owned by the main window.
extern std::vector<TProfileInfo> ProfileInfos;

constexpr int ProfileItemLastSession = 0;
constexpr int ProfileItemDefaults = 1;
constexpr int FirstProfileItem = 2;

// Appends the profile when the file exists and names this program and version. Colour markers that
// follow "[clb=" or "[clf=" in the display name are cut off.
bool AP_AddProfile(const std::string& fName, std::vector<TProfileInfo>& infos);

// Why the file cannot be loaded as a profile: it cannot be read (or is missing), or it is not a profile of
// this program and version. Empty when it can be loaded.
std::string ProfileFileProblem(const std::string& fileName);

// Rebuilds the list from the "*.ini" files of the profiles folder (in file name order, letter case
// ignored), leaving out the last-session profile, and sorts it.
void GetProfiles(const TAppParams& params, std::vector<TProfileInfo>& infos);

// A display name with its "\n" and "\t" sequences turned into a line break and a tab.
std::string ExpandProfileDisplayName(std::string_view displayName);

// The selector's items: the two fixed texts, then every entry's expanded display name.
std::vector<std::string> ProfileSelectorItems(const std::vector<TProfileInfo>& infos,
                                              std::string_view lastSessionText,
                                              std::string_view defaultsText);

// What choosing a selector item does: load a profile file, or reset to the encoder defaults.
struct ProfileChoice
{
    bool SetDefaults = false;
    std::string FileName; // the profile to load; empty with SetDefaults or when there is none
};
ProfileChoice GetSelectedProfile(int itemIndex, const std::vector<TProfileInfo>& infos,
                                 const TAppParams& params);

// Loads the chosen item into the settings (the defaults for item 1). False when nothing was loaded.
bool LoadSelectedProfile(int itemIndex, const std::vector<TProfileInfo>& infos, const TAppParams& params,
                         EncoderSettings& settings, const ProfileLoadContext& context);

// The save command after its dialog: saves the profile, and when it went into the profiles folder
// rebuilds the list and gives the selector item to select: the saved profile's, or the last session's
// when the saved file is not listed. Empty when the list did not change. Raises EIniFileError when the
// file cannot be written; the list is then unchanged.
std::optional<int> SaveProfileToList(const std::string& fileName, const EncoderSettings& settings,
                                     const TAppParams& params, std::vector<TProfileInfo>& infos);
