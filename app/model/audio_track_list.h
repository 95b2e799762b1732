#pragma once

#include "engine/app_strings.h"
#include "engine/media_info_records.h"

#include <string>
#include <vector>

// The items of the audio track list for an analysed file: the automatic first track, then one item per
// audio stream the analysis described, numbered from 1: "1: MP3 - 128 kbit/s - Channels: 2 - Language: eng".
// A codec named with "(MP3)" shows as "MP3", an empty language as the string table's "(undefined)", and a
// bitrate of 0 is left out.
std::vector<std::string> AudioTrackItems(const TVideoFileInfo& info, const TMainModuleStrings& texts);
