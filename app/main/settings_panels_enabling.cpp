#include "app/main/settings_panels.h"

#include "app/kit/updating_controls.h"
#include "app/main/settings_binder.h"
#include "controls/edits/combo_box.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "engine/enabling_rules.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <initializer_list>

// The settings controls take their enabled states from the engine's rules, the same rules by which the
// parameter builders leave out a setting whose control is disabled: what the window greys, the run
// ignores, and the other way round.

namespace {

void SetControlsEnabled(std::initializer_list<TControl*> controls, bool enabled)
{
    for (TControl* control : controls)
        control->SetEnabled(enabled);
}

// What the MPG page's information line says about the chosen preset.
std::string MpgPresetInfo(int32_t preset, const TMainModuleStrings& texts)
{
    switch (preset) {
    case ItemIndex::MpgPresetPalDvd:
        return "MPEG-2 / 720 x 576 / 25 fps / AC3";
    case ItemIndex::MpgPresetNtscDvd:
        return "MPEG-2 / 720 x 480 / 29.970 fps / AC3";
    case ItemIndex::MpgPresetCustom:
        return texts.MpgUserSettings;
    default:
        return "";
    }
}

} // namespace

void TSettingsPanels::InitSettingsControls()
{
    TUpdatingControlsScope updating;
    const EncoderSettings settings = ReadEncoderSettings(*this);
    const SettingsEnabling e = GetSettingsEnabling(settings);

    lblMpgInfo->SetCaption(MpgPresetInfo(settings.Mpg.Preset, Texts()));
    lblMpgInfo->Repaint();
    SetControlsEnabled({lblMpgVideo, cbMpgVideo, lblMpgInfo}, e.cbMpgVideo);
    SetControlsEnabled({lblMpgVideoBitrate, cbMpgVideoBitrate, lblMpgVideoKbps}, e.cbMpgVideoBitrate);
    SetControlsEnabled({lblMpgVideoFPS, cbMpgVideoFPS}, e.cbMpgVideoFPS);
    SetControlsEnabled({lblMpegVersion, cbMpegVersion}, e.cbMpegVersion);
    chMpgVideo2Pass->SetEnabled(e.chMpgVideo2Pass);

    SetControlsEnabled({lblAviVideoCodec, cbAviVideoCodec}, e.cbAviVideoCodec);
    SetControlsEnabled({lblAviVideoBitrate, cbAviVideoBitrate, lblAviVideoKbps}, e.cbAviVideoBitrate);
    SetControlsEnabled({lblAviVideoFPS, cbAviVideoFPS}, e.cbAviVideoFPS);
    SetControlsEnabled({lblAviVideoAspect, cbAviVideoAspect}, e.cbAviVideoAspect);
    chAviVideo2Pass->SetEnabled(e.chAviVideo2Pass);
    SetControlsEnabled({lblAviVideoThreads, cbAviVideoThreads}, e.cbAviVideoThreads);
    lblAviVideoThreads->SetVisible(e.cbAviVideoThreadsVisible);
    cbAviVideoThreads->SetVisible(e.cbAviVideoThreadsVisible);

    // The audio labels go with the audio as a whole, not with the lists a codec leaves out.
    chAudioDontCopy->SetEnabled(e.chAudioDontCopy);
    SetControlsEnabled({lblAudioCodec, cbAudioCodec, lblAudioBitrate, lblAudioKbps, lblAudioSampling,
                        lblAudioHz, lblAudioChannels},
                       e.cbAudioCodec);
    cbAudioBitrate->SetEnabled(e.cbAudioBitrate);
    cbAudioSampling->SetEnabled(e.cbAudioSampling);
    cbAudioChannels->SetEnabled(e.cbAudioChannels);
    SetControlsEnabled({lblAudioVolumeInfo, tbAudioVolume, lblAudioVolume}, e.tbAudioVolume);
    SetControlsEnabled({lblAudioTrackNo, cbAudioTrackNo}, e.cbAudioTrackNo);

    SetControlsEnabled({lblInterlacing, cbInterlacing}, e.cbInterlacing);
    SetControlsEnabled({chVideoFourcc, lblVideoFourcc}, e.chVideoFourcc);
    cbVideoTag->SetEnabled(e.cbVideoTag);
    cbResolution->SetEnabled(e.cbResolution);
    SetControlsEnabled({lblResWidth, spedResWidth, lblResX, lblResHeight, spedResHeight}, e.spedResSize);
    SetControlsEnabled({lblCropTop, spedCropTop, lblCropBottom, spedCropBottom, lblCropLeft, spedCropLeft,
                        lblCropRight, spedCropRight},
                       e.spedCrop);
    chConvertColors->SetEnabled(e.chConvertColors);
    cbConvertColors->SetEnabled(e.cbConvertColors);
    chBrightness->SetEnabled(e.chBrightness);
    SetControlsEnabled({tbBrightness, lblBrightnessValue}, e.tbBrightness);
    chSaturation->SetEnabled(e.chSaturation);
    SetControlsEnabled({tbSaturation, lblSaturationValue}, e.tbSaturation);
    chFlipHorizontal->SetEnabled(e.chFlipHorizontal);
    chFlipVertical->SetEnabled(e.chFlipVertical);
    chNegative->SetEnabled(e.chNegative);
    chRotate->SetEnabled(e.chRotate);
    cbRotate->SetEnabled(e.cbRotate);
    UpdateFilterValueLabels(*this);

    edOutDir->SetEnabled(IsOutDirEditable(ReadRunOptions(*this)));

    // Track bars repaint their thumbs and tracks in the colours of their new state.
    for (TKVGxTrackBar6* trackBar : {tbAudioVolume, tbBrightness, tbSaturation})
        trackBar->Repaint();
}
