#include "app/model/settings_group_copies.h"

#include "engine/setting_text_parsing.h"
#include "support/number_conversion.h"

#include <algorithm>
#include <cctype>

namespace {

// A typed text that fails the list's test is replaced by the automatic item.
template <typename Test> ComboText CheckedComboText(const ComboText& value, Test usable)
{
    return value.Auto || usable(value.Text) ? value : ComboText::Automatic();
}

// The character test of a decimal number, with at least one digit ("", "-" and "E" pass the bare test).
bool IsDecimalNumberText(std::string_view text)
{
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    return IsValidFloatStr(text, false) && std::any_of(text.begin(), text.end(), isDigit);
}

AviVideoSettings CheckedAviTexts(AviVideoSettings s)
{
    s.Threads = CheckedComboText(s.Threads, CanConvertToInt);
    s.Bitrate = CheckedComboText(s.Bitrate, CanConvertToInt);
    s.FPS = CheckedComboText(s.FPS, IsDecimalNumberText);
    s.Aspect = CheckedComboText(s.Aspect, IsValidRatio);
    return s;
}

MpgVideoSettings CheckedMpgTexts(MpgVideoSettings s)
{
    s.Bitrate = CheckedComboText(s.Bitrate, CanConvertToInt);
    s.FPS = CheckedComboText(s.FPS, IsDecimalNumberText);
    return s;
}

AudioSettings CheckedAudioTexts(AudioSettings s)
{
    s.Bitrate = CheckedComboText(s.Bitrate, CanConvertToInt);
    s.Sampling = CheckedComboText(s.Sampling, CanConvertToInt);
    return s;
}

} // namespace

void TSettingsGroupCopies::Copy(TSettingsGroup group, const EncoderSettings& from)
{
    switch (group) {
    case TSettingsGroup::AviVideo:
        FAvi = from.Avi;
        break;
    case TSettingsGroup::MpgVideo:
        FMpg = from.Mpg;
        break;
    case TSettingsGroup::Audio:
        FAudio = from.Audio;
        break;
    case TSettingsGroup::Advanced:
        FAdvanced = from.Advanced;
        break;
    }
}

bool TSettingsGroupCopies::Filled(TSettingsGroup group) const
{
    switch (group) {
    case TSettingsGroup::AviVideo:
        return FAvi.has_value();
    case TSettingsGroup::MpgVideo:
        return FMpg.has_value();
    case TSettingsGroup::Audio:
        return FAudio.has_value();
    case TSettingsGroup::Advanced:
        return FAdvanced.has_value();
    }
    return false;
}

bool TSettingsGroupCopies::Paste(TSettingsGroup group, EncoderSettings& into) const
{
    if (!Filled(group))
        return false;
    switch (group) {
    case TSettingsGroup::AviVideo:
        into.Avi = CheckedAviTexts(*FAvi);
        break;
    case TSettingsGroup::MpgVideo:
        into.Mpg = CheckedMpgTexts(*FMpg);
        break;
    case TSettingsGroup::Audio:
        into.Audio = CheckedAudioTexts(*FAudio);
        break;
    case TSettingsGroup::Advanced:
        // The audio track is checked against the list of the file selected at paste time, by the window.
        into.Advanced = *FAdvanced;
        break;
    }
    return true;
}
