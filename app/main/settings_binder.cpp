#include "app/main/settings_binder.h"

#include "app/main/settings_panels.h"
#include "controls/edits/combo_box.h"
#include "controls/pack/page_control.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/number_conversion.h"

#include <cmath>

namespace {

// Selects the item that holds exactly the text (letter case counts: "DivX" and "DIVX" are two tags), or
// types the text when no item holds it.
void SelectOrTypeComboText(TVezComboBox& combo, const std::string& text)
{
    const TStrings& items = *combo.Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (items.Strings(i) == text) {
            combo.SetItemIndex(i);
            return;
        }
    }
    combo.SetItemIndex(-1);
    combo.SetText(text);
}

ComboText ReadBoundComboText(const TVezComboBox& combo, const TSettingsPanels& panels)
{
    return ComboText::FromDisplayText(combo.Text(), panels.Texts().Auto);
}

void WriteBoundComboText(TVezComboBox& combo, const ComboText& value, const TSettingsPanels& panels)
{
    SelectOrTypeComboText(combo, value.DisplayText(panels.Texts().Auto));
}

int32_t TrackBarPositionRounded(const TKVGxTrackBar6& trackBar)
{
    return static_cast<int32_t>(std::lrint(trackBar.Position()));
}

int32_t SpinEditRounded(const TQvSpinEdit& edit)
{
    return static_cast<int32_t>(std::lrint(edit.Value()));
}

// The memo's lines joined by "\n", whatever line breaks they were typed with.
std::string MemoLinesText(const TMemo& memo)
{
    const TStrings& lines = *memo.Lines();
    std::string text;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines.Strings(i);
    }
    return text;
}

} // namespace

AviVideoSettings ReadAviVideoSettings(const TSettingsPanels& panels)
{
    AviVideoSettings s;
    s.Codec = panels.cbAviVideoCodec->ItemIndex();
    s.Threads = ReadBoundComboText(*panels.cbAviVideoThreads, panels);
    s.Bitrate = ReadBoundComboText(*panels.cbAviVideoBitrate, panels);
    s.FPS = ReadBoundComboText(*panels.cbAviVideoFPS, panels);
    s.Aspect = ReadBoundComboText(*panels.cbAviVideoAspect, panels);
    s.TwoPass = panels.chAviVideo2Pass->Checked();
    s.DontCopy = panels.chAviVideoDontCopy->Checked();
    return s;
}

void WriteAviVideoSettings(TSettingsPanels& panels, const AviVideoSettings& s)
{
    panels.cbAviVideoCodec->SetItemIndex(s.Codec);
    WriteBoundComboText(*panels.cbAviVideoThreads, s.Threads, panels);
    WriteBoundComboText(*panels.cbAviVideoBitrate, s.Bitrate, panels);
    WriteBoundComboText(*panels.cbAviVideoFPS, s.FPS, panels);
    WriteBoundComboText(*panels.cbAviVideoAspect, s.Aspect, panels);
    panels.chAviVideo2Pass->SetChecked(s.TwoPass);
    panels.chAviVideoDontCopy->SetChecked(s.DontCopy);
}

MpgVideoSettings ReadMpgVideoSettings(const TSettingsPanels& panels)
{
    MpgVideoSettings s;
    s.Preset = panels.cbMpgVideo->ItemIndex();
    s.MpegVersion = panels.cbMpegVersion->ItemIndex();
    s.Bitrate = ReadBoundComboText(*panels.cbMpgVideoBitrate, panels);
    s.FPS = ReadBoundComboText(*panels.cbMpgVideoFPS, panels);
    s.TwoPass = panels.chMpgVideo2Pass->Checked();
    s.DontCopy = panels.chMpgVideoDontCopy->Checked();
    return s;
}

void WriteMpgVideoSettings(TSettingsPanels& panels, const MpgVideoSettings& s)
{
    panels.cbMpgVideo->SetItemIndex(s.Preset);
    panels.cbMpegVersion->SetItemIndex(s.MpegVersion);
    WriteBoundComboText(*panels.cbMpgVideoBitrate, s.Bitrate, panels);
    WriteBoundComboText(*panels.cbMpgVideoFPS, s.FPS, panels);
    panels.chMpgVideo2Pass->SetChecked(s.TwoPass);
    panels.chMpgVideoDontCopy->SetChecked(s.DontCopy);
}

AudioSettings ReadAudioSettings(const TSettingsPanels& panels)
{
    AudioSettings s;
    s.Codec = panels.cbAudioCodec->ItemIndex();
    s.Bitrate = ReadBoundComboText(*panels.cbAudioBitrate, panels);
    s.Sampling = ReadBoundComboText(*panels.cbAudioSampling, panels);
    s.Channels = panels.cbAudioChannels->ItemIndex();
    s.Volume = TrackBarPositionRounded(*panels.tbAudioVolume);
    s.DontCopy = panels.chAudioDontCopy->Checked();
    return s;
}

void WriteAudioSettings(TSettingsPanels& panels, const AudioSettings& s)
{
    panels.cbAudioCodec->SetItemIndex(s.Codec);
    WriteBoundComboText(*panels.cbAudioBitrate, s.Bitrate, panels);
    WriteBoundComboText(*panels.cbAudioSampling, s.Sampling, panels);
    panels.cbAudioChannels->SetItemIndex(s.Channels);
    panels.tbAudioVolume->SetPosition(s.Volume);
    panels.chAudioDontCopy->SetChecked(s.DontCopy);
}

AdvancedSettings ReadAdvancedSettings(const TSettingsPanels& panels)
{
    AdvancedSettings s;
    s.AudioTrackNo = panels.cbAudioTrackNo->ItemIndex();
    s.Interlacing = panels.cbInterlacing->ItemIndex();
    s.Resolution = panels.cbResolution->ItemIndex();
    s.ResWidth = SpinEditRounded(*panels.spedResWidth);
    s.ResHeight = SpinEditRounded(*panels.spedResHeight);
    s.CropTop = SpinEditRounded(*panels.spedCropTop);
    s.CropBottom = SpinEditRounded(*panels.spedCropBottom);
    s.CropLeft = SpinEditRounded(*panels.spedCropLeft);
    s.CropRight = SpinEditRounded(*panels.spedCropRight);
    s.ForceVideoTag = panels.chVideoFourcc->Checked();
    s.VideoTag = panels.cbVideoTag->Text();
    s.ConvertColors = panels.chConvertColors->Checked();
    s.ConvertColorsValue = panels.cbConvertColors->ItemIndex();
    s.Brightness = panels.chBrightness->Checked();
    s.BrightnessValue = TrackBarPositionRounded(*panels.tbBrightness);
    s.Saturation = panels.chSaturation->Checked();
    s.SaturationValue = TrackBarPositionRounded(*panels.tbSaturation);
    s.FlipHorizontal = panels.chFlipHorizontal->Checked();
    s.FlipVertical = panels.chFlipVertical->Checked();
    s.Negative = panels.chNegative->Checked();
    s.Rotate = panels.chRotate->Checked();
    s.RotateText = panels.cbRotate->Text();
    s.AdditionalParams = MemoLinesText(*panels.meParams);
    return s;
}

void WriteAdvancedSettings(TSettingsPanels& panels, const AdvancedSettings& s)
{
    // The track list depends on the selected file; an index it does not hold means its first track.
    const bool trackListed = s.AudioTrackNo >= 0 && s.AudioTrackNo < panels.cbAudioTrackNo->Items()->Count();
    panels.cbAudioTrackNo->SetItemIndex(trackListed ? s.AudioTrackNo : 0);
    panels.cbInterlacing->SetItemIndex(s.Interlacing);
    panels.cbResolution->SetItemIndex(s.Resolution);
    panels.spedResWidth->SetValue(s.ResWidth);
    panels.spedResHeight->SetValue(s.ResHeight);
    panels.spedCropTop->SetValue(s.CropTop);
    panels.spedCropBottom->SetValue(s.CropBottom);
    panels.spedCropLeft->SetValue(s.CropLeft);
    panels.spedCropRight->SetValue(s.CropRight);
    panels.chVideoFourcc->SetChecked(s.ForceVideoTag);
    SelectOrTypeComboText(*panels.cbVideoTag, s.VideoTag);
    panels.chConvertColors->SetChecked(s.ConvertColors);
    panels.cbConvertColors->SetItemIndex(s.ConvertColorsValue);
    panels.chBrightness->SetChecked(s.Brightness);
    panels.tbBrightness->SetPosition(s.BrightnessValue);
    panels.chSaturation->SetChecked(s.Saturation);
    panels.tbSaturation->SetPosition(s.SaturationValue);
    panels.chFlipHorizontal->SetChecked(s.FlipHorizontal);
    panels.chFlipVertical->SetChecked(s.FlipVertical);
    panels.chNegative->SetChecked(s.Negative);
    panels.chRotate->SetChecked(s.Rotate);
    SelectOrTypeComboText(*panels.cbRotate, s.RotateText);
    panels.meParams->Lines()->SetText(s.AdditionalParams);
    UpdateFilterValueLabels(panels);
}

void UpdateFilterValueLabels(TSettingsPanels& panels)
{
    panels.lblBrightnessValue->SetCaption(FloatToStrTrimmed(panels.tbBrightness->Position() / 10.0, 2, ""));
    panels.lblSaturationValue->SetCaption(FloatToStrTrimmed(panels.tbSaturation->Position() / 10.0, 2, ""));
}

EncoderSettings ReadEncoderSettings(const TSettingsPanels& panels)
{
    EncoderSettings s;
    s.OutputFormat = panels.pcVideoFormat->ActivePage() == panels.tsMpg ? ofMpg : ofAvi;
    s.Avi = ReadAviVideoSettings(panels);
    s.Mpg = ReadMpgVideoSettings(panels);
    s.Audio = ReadAudioSettings(panels);
    s.Advanced = ReadAdvancedSettings(panels);
    return s;
}

void WriteEncoderSettings(TSettingsPanels& panels, const EncoderSettings& s)
{
    WriteAviVideoSettings(panels, s.Avi);
    WriteMpgVideoSettings(panels, s.Mpg);
    WriteAudioSettings(panels, s.Audio);
    WriteAdvancedSettings(panels, s.Advanced);
    panels.pcVideoFormat->SetActivePage(s.OutputFormat == ofMpg ? panels.tsMpg : panels.tsAvi);
}

RunOptions ReadRunOptions(const TSettingsPanels& panels)
{
    RunOptions o;
    o.OutDirIsInDir = !panels.rbOutDir->Checked();
    o.OutDir = panels.edOutDir->Text();
    o.OutputExists = panels.cbOutputExists->ItemIndex();
    o.AfterConversion = panels.cbAfterConversion->ItemIndex();
    o.KeepDates = panels.chKeepDates->Checked();
    return o;
}

void WriteRunOptions(TSettingsPanels& panels, const RunOptions& o)
{
    panels.rbOutDirIsInDir->SetChecked(o.OutDirIsInDir);
    panels.rbOutDir->SetChecked(!o.OutDirIsInDir);
    panels.edOutDir->SetText(o.OutDir);
    panels.cbOutputExists->SetItemIndex(o.OutputExists);
    panels.cbAfterConversion->SetItemIndex(o.AfterConversion);
    panels.chKeepDates->SetChecked(o.KeepDates);
}
