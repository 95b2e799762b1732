#include "app/main/settings_panels.h"

#include "app/kit/updating_controls.h"
#include "app/main/settings_panels_kit.h"
#include "app/model/audio_track_list.h"
#include "app/model/resolution_item_colors.h"
#include "controls/edits/combo_box.h"
#include "controls/pack/repeat_timer.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "engine/engine_utils.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/forms/shaded_list_items.h"
#include "engine/tool_discovery.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <cmath>

void TSettingsPanels::cbResolutionDrawItem(TWinControl* control, int index, const TRect& rect,
                                           TOwnerDrawState state)
{
    auto* combo = static_cast<TVezComboBox*>(control);
    if (index < 0 || index >= combo->Items()->Count())
        return;
    const std::string text = combo->Items()->Strings(index);
    const TResolutionItemColors colors = ResolutionItemColors(text, index);
    DrawShadedListItem(*combo, text, rect, state, {colors.Background, colors.Text, index <= 1});
}

void TSettingsPanels::tbAudioVolumeChange(TObject*)
{
    const auto percent = static_cast<int32_t>(std::lrint(tbAudioVolume->Position()));
    lblAudioVolume->SetCaption(VolumeToStr(percent) + "x");
    lblAudioVolume->Repaint();
}

void TSettingsPanels::sboxAdvancedVScroll(TObject*)
{
    tmRefreshSpinEdits->Start();
}

void TSettingsPanels::tmRefreshSpinEditsTimer(TObject*)
{
    for (TQvSpinEdit* edit : SpinEdits())
        RefreshSpinEdit(edit);
}

// Scrolling leaves the skinned frames of the spin edits half painted; switching the border off and on
// paints them whole again.
void TSettingsPanels::RefreshSpinEdit(TQvSpinEdit* edit)
{
    edit->SetBorderStyle(bsNone);
    edit->Repaint();
    edit->SetBorderStyle(bsSingle);
}

void TSettingsPanels::UpdateCbAudioTrackNo(const std::string& selectedFile)
{
    if (selectedFile.empty())
        return;
    TUpdatingControlsScope updating;
    const int previous = cbAudioTrackNo->ItemIndex();
    const TVideoFileInfo info = GetFFmpegFileInfo(selectedFile, GetFFmpegExePath(AppParams));
    SetComboItems(*cbAudioTrackNo, AudioTrackItems(info, Texts()));
    cbAudioTrackNo->SetItemIndex(previous >= 0 && previous < cbAudioTrackNo->Items()->Count() ? previous : 0);
}
