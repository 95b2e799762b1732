#pragma once

#include "engine/encoder_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

// Encoder profiles: INI files holding the complete encoder settings in the sections "MAIN", "AVI",
// "MPG", "AUDIO" and "ADVANCED". Codec choices are stored by short, stable names, so that a profile does
// not depend on the position or the wording of the list items.

// What the "MAIN" section names as the profile's program and version.
inline constexpr std::string_view ProfileAppName = "Quillmark";
inline constexpr std::string_view ProfileAppVer = "1.10";

// The profile name of an item of the AVI video codec list; defResult for an index outside the table.
std::string GetVideoCodecIniName(int32_t index, std::string_view defResult);
// The item of a profile's video codec name; defResult when the name is unknown. copyCaption is the
// translated caption of the copy item, accepted as a name too.
int32_t GetVideoCodecIndexByName(std::string_view codecName, int32_t defResult, std::string_view copyCaption);
std::string GetAudioCodecIniName(int32_t index, std::string_view defResult);
int32_t GetAudioCodecIndexByName(std::string_view codecName, int32_t defResult, std::string_view copyCaption);

// What loading needs to know of the program and the window's lists.
struct ProfileLoadContext
{
    int32_t DefaultVideoCodecIndex = 0;
    std::string AutoText = "Auto";                               // the translated automatic list item
    std::string VideoCopyCaption = "Copy original video stream"; // the translated copy items
    std::string AudioCopyCaption = "Copy original audio stream";
    // Items of the resolution list: Auto, Custom and the sizes (here the 15 of the built-in list).
    int32_t ResolutionItemCount = 17;
};

// Writes all five sections, replacing the file once with every key; other keys already in the file (a
// hand-written "DisplayName") stay. Raises EIniFileError, with the file as it was, when it cannot be written.
void SaveProfile(const std::string& presetFile, const EncoderSettings& settings);

// Sets every setting the file has a key for; a missing or malformed key keeps the current value or
// takes its fixed default. False, with nothing changed, when the file does not exist.
bool LoadProfile(const std::string& presetFile, EncoderSettings& settings, const ProfileLoadContext& context);
