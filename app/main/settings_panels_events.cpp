#include "app/main/settings_panels.h"

#include "app/kit/updating_controls.h"
#include "app/main/settings_panels_kit.h"
#include "app/model/audio_track_list.h"
#include "app/model/resolution_item_colors.h"
#include "controls/edits/combo_box.h"
#include "controls/pack/page_control.h"
#include "controls/pack/repeat_timer.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "engine/engine_utils.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/forms/shaded_list_items.h"
#include "engine/tool_discovery.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <cmath>

// Binds the change events of the controls whose changes bear on other controls, or unbinds them (bound
// false) before the panels go while their controls stay.
void TSettingsPanels::BindChangeEvents(bool bound)
{
    TNotifyEvent initCtrls;
    TKVGxActiveChangeEvent pageChange;
    if (bound) {
        initCtrls = [this](TObject* sender) { InitCtrls(sender); };
        pageChange = [this](TObject* sender, TKVGxNotebookSheet6* sheet) {
            pcVideoFormatActiveChange(sender, sheet);
        };
    }
    for (TCheckBox* check :
         {chBrightness, chSaturation, chRotate, chConvertColors, chVideoFourcc, chAviVideo2Pass,
          chAviVideoDontCopy, chMpgVideo2Pass, chMpgVideoDontCopy, chAudioDontCopy})
        check->OnClick = initCtrls;
    // Checking either radio button clicks it; the other one is unchecked without a click.
    rbOutDirIsInDir->OnClick = initCtrls;
    rbOutDir->OnClick = initCtrls;
    tbBrightness->OnChange = initCtrls;
    tbSaturation->OnChange = initCtrls;
    for (TVezComboBox* combo : {cbMpgVideo, cbAudioCodec, cbAviVideoCodec, cbResolution})
        combo->OnChange = initCtrls;
    pcVideoFormat->OnActiveChange = pageChange;
}

void TSettingsPanels::InitCtrls(TObject*)
{
    if (UpdatingControls)
        return;
    if (OnSettingsChanged)
        OnSettingsChanged();
    else
        InitSettingsControls();
}

void TSettingsPanels::pcVideoFormatActiveChange(TObject* sender, TKVGxNotebookSheet6*)
{
    // A page change must never fail halfway through switching the pages.
    try {
        InitCtrls(sender);
    } catch (...) {
    }
}

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
