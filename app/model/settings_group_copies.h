#pragma once

#include "engine/encoder_settings.h"

#include <optional>

// The four groups of encoder settings the user can copy, paste and reset one at a time.
enum class TSettingsGroup
{
    AviVideo,
    MpgVideo,
    Audio,
    Advanced,
};

constexpr TSettingsGroup AllSettingsGroups[] = {TSettingsGroup::AviVideo, TSettingsGroup::MpgVideo,
                                                TSettingsGroup::Audio, TSettingsGroup::Advanced};

// One slot per group, kept in memory for the program's life; a new copy of a group replaces the previous
// one. A slot that was never filled pastes nothing: there is no copy of zeros to fall back on.
class TSettingsGroupCopies
{
public:
    // Keeps the group's values of from.
    void Copy(TSettingsGroup group, const EncoderSettings& from);
    bool Filled(TSettingsGroup group) const;
    // Replaces the group's values in into by its copy, the typed texts of the editable lists checked: a text
    // the list cannot use becomes its automatic item. False, and into unchanged, when the slot is empty.
    bool Paste(TSettingsGroup group, EncoderSettings& into) const;

private:
    std::optional<AviVideoSettings> FAvi;
    std::optional<MpgVideoSettings> FMpg;
    std::optional<AudioSettings> FAudio;
    std::optional<AdvancedSettings> FAdvanced;
};
