#include "app/main/main_language_parts.h"
#include "app/main/settings_panels.h"
#include "app/model/settings_lists.h"
#include "controls/edits/combo_box.h"
#include "engine/app_strings.h"
#include "engine/encoder_settings.h"
#include "engine/run_options.h"
#include "support/number_conversion.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

// The settings lists' items from the string table. Rewriting an item drops the list's selection, so each
// list's index is taken before and given back after; what an editable list shows that is not an item (a
// number the user typed) is put back as the rule of the list says.

namespace {

using TListItem = std::pair<int, const std::string*>; // index, text

// What an editable list shows after its items are rewritten.
enum class TShownText
{
    Selection,       // the selected item's text (lists the user cannot type into)
    AutoUnlessTyped, // the new "Auto" when it showed the old one, else what it showed
    TypedInteger,    // what it showed when that is a whole number, else "Auto"
    TypedNumber,     // what it showed when that reads as a number ("29.97", "25,5"), else "Auto"
};

bool IsWholeNumber(const std::string& text)
{
    return CanConvertToInt(text);
}

bool ReadsAsNumber(const std::string& text)
{
    return !std::isnan(StrToFloatTolerant(text, std::numeric_limits<double>::quiet_NaN()));
}

// Puts the items in place (a list shorter than an index grows by that item), the selection kept.
void RewriteItems(TVezComboBox& combo, std::initializer_list<TListItem> items, TShownText shown,
                  const std::string& autoText)
{
    const int index = combo.ItemIndex();
    const std::string before = combo.Text();
    const std::string oldFirst = combo.Items()->Count() > 0 ? combo.Items()->Strings(0) : std::string();
    for (const auto& [at, text] : items) {
        if (at < combo.Items()->Count())
            combo.Items()->Put(at, *text);
        else if (at == combo.Items()->Count())
            combo.Items()->Add(*text);
    }
    combo.SetItemIndex(index);
    switch (shown) {
    case TShownText::Selection:
        break;
    case TShownText::AutoUnlessTyped:
        combo.SetText(before == oldFirst ? autoText : before);
        break;
    case TShownText::TypedInteger:
        combo.SetText(IsWholeNumber(before) ? before : autoText);
        break;
    case TShownText::TypedNumber:
        combo.SetText(ReadsAsNumber(before) ? before : autoText);
        break;
    }
}

// The profile list holds its two fixed entries only once the profiles are listed; it always shows one.
void RewriteProfileItems(TVezComboBox& combo, const TMainModuleStrings& m)
{
    if (combo.Items()->Count() <= 1)
        return;
    const int index = combo.ItemIndex();
    combo.Items()->Put(0, m.cbProfile_TheLastSessionSettings);
    combo.Items()->Put(1, m.cbProfile_DefaultSettings);
    combo.SetItemIndex(index < 0 ? 0 : index);
}

} // namespace

void SetSettingsListTexts(TSettingsPanels& p, const TMainModuleStrings& m)
{
    const std::string& a = m.Auto;
    const std::string autoAudioTrack = AutoAudioTrackItem(m);
    using S = TShownText;
    RewriteItems(*p.cbConvertColors,
                 {{ItemIndex::ConvertColorsGrayscale, &m.ColorConversion_Grayscale},
                  {ItemIndex::ConvertColorsGrayscale + 1, &m.ColorConversion_Sepia}},
                 S::Selection, a);
    RewriteItems(*p.cbAviVideoAspect, {{0, &a}}, S::AutoUnlessTyped, a);
    for (TVezComboBox* combo :
         {p.cbAviVideoThreads, p.cbAudioBitrate, p.cbAviVideoBitrate, p.cbAudioSampling, p.cbMpgVideoBitrate})
        RewriteItems(*combo, {{0, &a}}, S::TypedInteger, a);
    for (TVezComboBox* combo : {p.cbAviVideoFPS, p.cbMpgVideoFPS})
        RewriteItems(*combo, {{0, &a}}, S::TypedNumber, a);
    RewriteItems(*p.cbAudioTrackNo, {{0, &autoAudioTrack}}, S::Selection, a);
    RewriteItems(*p.cbAudioChannels, {{0, &a}}, S::Selection, a);
    RewriteItems(*p.cbInterlacing,
                 {{ItemIndex::InterlacingAuto, &a},
                  {ItemIndex::InterlacingDeinterlace, &m.cbInterlacing_Deinterlace},
                  {ItemIndex::InterlacingKeep, &m.cbInterlacing_KeepOriginal}},
                 S::Selection, a);
    RewriteProfileItems(*p.cbProfileNew, m);
    RewriteItems(*p.cbAfterConversion,
                 {{acDoNothing, &m.cbAfterConversion_DoNothing},
                  {acCloseProgram, &m.cbAfterConversion_CloseApplication},
                  {acShutDown, &m.cbAfterConversion_CloseWindows}},
                 S::Selection, a);
    RewriteItems(*p.cbOutputExists,
                 {{oeRename, &m.cbOutputExists_Rename},
                  {oeOverwrite, &m.cbOutputExists_Overwrite},
                  {oeSkip, &m.cbOutputExists_Skip}},
                 S::Selection, a);
    RewriteItems(*p.cbAviVideoCodec,
                 {{ItemIndex::AviCodecHuffYUV, &m.cbAviVideoCodec_HuffYUV},
                  {ItemIndex::AviCodecCopy, &m.cbAviVideoCodec_Copy}},
                 S::Selection, a);
    RewriteItems(*p.cbAudioCodec,
                 {{ItemIndex::AudioCodecAuto, &a}, {ItemIndex::AudioCodecCopy, &m.cbAudioCodec_Copy}},
                 S::Selection, a);
    RewriteItems(*p.cbMpgVideo, {{ItemIndex::MpgPresetCustom, &m.Custom}}, S::Selection, a);
    RewriteItems(*p.cbResolution, {{ItemIndex::ResolutionAuto, &a}, {ItemIndex::ResolutionCustom, &m.Custom}},
                 S::Selection, a);
}
