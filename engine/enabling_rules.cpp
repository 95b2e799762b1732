#include "engine/enabling_rules.h"

namespace {

bool IsMpg(const EncoderSettings& settings)
{
    return settings.OutputFormat == ofMpg;
}

void ApplyMpgPage(const EncoderSettings& settings, SettingsEnabling& e)
{
    const bool custom = IsMpgCustom(settings);
    e.cbMpgVideoBitrate = e.cbMpgVideoFPS = e.cbMpegVersion = custom;
    e.cbMpgVideo = e.chMpgVideo2Pass = true;
    // No video stream: nothing of the MPG video settings applies, whichever page is shown.
    if (settings.Mpg.DontCopy)
        e.cbMpgVideo = e.cbMpgVideoBitrate = e.cbMpgVideoFPS = e.cbMpegVersion = e.chMpgVideo2Pass = false;
}

void ApplyAviPage(const EncoderSettings& settings, SettingsEnabling& e)
{
    const bool video = !settings.Avi.DontCopy;
    e.cbAviVideoCodec = e.cbAviVideoBitrate = e.cbAviVideoFPS = e.chAviVideo2Pass = video;
    e.cbAviVideoThreads = e.cbAviVideoAspect = video;
    e.cbAviVideoThreadsVisible = settings.Avi.Codec == ItemIndex::AviCodecH264;

    // A lossless codec takes no bitrate; a copied stream keeps its rate and aspect too.
    if (settings.Avi.Codec == ItemIndex::AviCodecHuffYUV)
        e.cbAviVideoBitrate = false;
    if (settings.Avi.Codec == ItemIndex::AviCodecCopy)
        e.cbAviVideoBitrate = e.cbAviVideoFPS = e.cbAviVideoAspect = false;
}

void ApplyAudio(const EncoderSettings& settings, SettingsEnabling& e)
{
    e.chAudioDontCopy = !(IsMpg(settings) && !IsMpgCustom(settings));
    const bool audio = IsAudioOn(settings);
    e.cbAudioCodec = e.cbAudioBitrate = e.cbAudioSampling = e.cbAudioChannels = audio;
    e.tbAudioVolume = e.cbAudioTrackNo = audio;
    if (settings.Audio.Codec == ItemIndex::AudioCodecPcm)
        e.cbAudioBitrate = false;
    if (settings.Audio.Codec == ItemIndex::AudioCodecCopy)
        e.cbAudioBitrate = e.cbAudioSampling = e.cbAudioChannels = false;
}

void ApplyPicture(const EncoderSettings& settings, SettingsEnabling& e)
{
    const AdvancedSettings& adv = settings.Advanced;
    const bool filters = AreFiltersOn(settings);

    e.chVideoFourcc = IsVideoOn(settings);
    e.cbVideoTag = e.chVideoFourcc && adv.ForceVideoTag;

    if (IsMpg(settings))
        e.cbResolution = IsMpgCustom(settings) && !settings.Mpg.DontCopy;
    else
        e.cbResolution = filters;
    e.spedCrop = e.cbResolution;
    // The custom size counts only while the resolution list does.
    e.spedResSize = e.cbResolution && adv.Resolution == ItemIndex::ResolutionCustom;

    // Deinterlacing is a video filter: it goes with the filters, not with the audio.
    e.cbInterlacing = filters;
    e.chConvertColors = e.chBrightness = e.chSaturation = filters;
    e.chFlipHorizontal = e.chFlipVertical = e.chNegative = e.chRotate = filters;
    e.cbConvertColors = filters && adv.ConvertColors;
    e.tbBrightness = filters && adv.Brightness;
    e.tbSaturation = filters && adv.Saturation;
    e.cbRotate = filters && adv.Rotate;
}

} // namespace

bool IsMpgCustom(const EncoderSettings& settings)
{
    return settings.Mpg.Preset == ItemIndex::MpgPresetCustom;
}

bool IsAudioOn(const EncoderSettings& settings)
{
    return !settings.Audio.DontCopy && (!IsMpg(settings) || IsMpgCustom(settings));
}

bool IsVideoOn(const EncoderSettings& settings)
{
    if (IsMpg(settings))
        return !settings.Mpg.DontCopy && IsMpgCustom(settings);
    return !settings.Avi.DontCopy;
}

bool AreFiltersOn(const EncoderSettings& settings)
{
    if (IsMpg(settings))
        return !settings.Mpg.DontCopy;
    return !(settings.Avi.Codec == ItemIndex::AviCodecCopy || settings.Avi.DontCopy);
}

SettingsEnabling GetSettingsEnabling(const EncoderSettings& settings)
{
    SettingsEnabling e;
    ApplyMpgPage(settings, e);
    ApplyAviPage(settings, e);
    ApplyAudio(settings, e);
    ApplyPicture(settings, e);
    return e;
}

FileListCommandEnabling GetFileListCommandEnabling(const TGridInfo& info, bool selectedRowValid)
{
    FileListCommandEnabling e;
    const bool anyRow = info.RowCount > 0;
    e.actSaveFileList = e.actClearFileList = e.actShowHideFileInfo = e.actInvertSelection = anyRow;
    e.actUncheckSelected = info.SelectedCheckedCount > 0;
    e.actCheckSelected = info.SelectedUncheckedCount > 0;
    e.actCheckAll = anyRow && info.CheckedCount < info.RowCount;
    e.actUncheckAll = anyRow && info.UncheckedCount != info.RowCount;
    e.actSaveBat = e.actConvert = e.actRemoveChecked = info.CheckedCount > 0;
    e.actExploreDirectory = selectedRowValid;
    return e;
}
