#pragma once

#include "engine/encoder_settings.h"
#include "engine/run_options.h"

class TSettingsPanels;

// Converts between the settings panels' controls and the engine's plain settings, at the moments the
// engine needs them: read at Convert, Save BAT, the command-line preview, profile save and the enabling
// rules; written after the defaults, a profile load and a paste. Editable lists are read as their text
// (the translated "Auto" becomes Auto) and written by selecting the item that holds the text, or typing
// it. The writers set no UpdatingControls themselves: their callers do.

EncoderSettings ReadEncoderSettings(const TSettingsPanels& panels);
void WriteEncoderSettings(TSettingsPanels& panels, const EncoderSettings& settings);

RunOptions ReadRunOptions(const TSettingsPanels& panels);
void WriteRunOptions(TSettingsPanels& panels, const RunOptions& options);

// One group each, for the group defaults and the copy and paste of a group.
AviVideoSettings ReadAviVideoSettings(const TSettingsPanels& panels);
void WriteAviVideoSettings(TSettingsPanels& panels, const AviVideoSettings& settings);
MpgVideoSettings ReadMpgVideoSettings(const TSettingsPanels& panels);
void WriteMpgVideoSettings(TSettingsPanels& panels, const MpgVideoSettings& settings);
AudioSettings ReadAudioSettings(const TSettingsPanels& panels);
void WriteAudioSettings(TSettingsPanels& panels, const AudioSettings& settings);
AdvancedSettings ReadAdvancedSettings(const TSettingsPanels& panels);
void WriteAdvancedSettings(TSettingsPanels& panels, const AdvancedSettings& settings);

// The brightness and saturation value labels: the track bar position in tenths, trimmed ("-2", "1.5").
void UpdateFilterValueLabels(TSettingsPanels& panels);
