#pragma once

#include "engine/app_strings.h"

#include <string>
#include <vector>

// The items of the main window's settings lists, in the order the controls hold them. Lists that begin
// with an automatic choice begin with the string table's "Auto"; texts the string table gives come from
// it, every other item is fixed English.

std::vector<std::string> AviVideoCodecItems(const TMainModuleStrings& texts);
std::vector<std::string> AviVideoThreadsItems(const TMainModuleStrings& texts);
std::vector<std::string> AviVideoBitrateItems(const TMainModuleStrings& texts);
std::vector<std::string> FrameRateItems(const TMainModuleStrings& texts);
std::vector<std::string> AspectItems(const TMainModuleStrings& texts);
std::vector<std::string> MpgPresetItems(const TMainModuleStrings& texts);
std::vector<std::string> MpegVersionItems();
// The AVI bitrates followed by the higher rates only MPEG takes.
std::vector<std::string> MpgVideoBitrateItems(const TMainModuleStrings& texts);

std::vector<std::string> AudioCodecItems(const TMainModuleStrings& texts);
std::vector<std::string> AudioBitrateItems(const TMainModuleStrings& texts);
std::vector<std::string> AudioSamplingItems(const TMainModuleStrings& texts);
std::vector<std::string> AudioChannelsItems(const TMainModuleStrings& texts);

std::vector<std::string> InterlacingItems(const TMainModuleStrings& texts);
// Until the language is applied the colour conversions are named in lower case.
std::vector<std::string> ConvertColorsItems();
std::vector<std::string> RotateItems();
// The automatic audio track, the only item before a file is analysed.
std::string AutoAudioTrackItem(const TMainModuleStrings& texts);

std::vector<std::string> OutputExistsItems(const TMainModuleStrings& texts);
// All three actions, shut-down included, so that a saved choice of it can be shown.
std::vector<std::string> AfterConversionItems(const TMainModuleStrings& texts);
