// The audio codec and audio parameter groups of the encoder's options.

#include "engine/app_strings.h"
#include "engine/audio_bitrates.h"
#include "engine/engine_utils.h"
#include "engine/media_info_records.h"
#include "engine/parameter_builders.h"

#include "support/number_conversion.h"
#include "support/text_routines.h"

namespace {

// cbAudioChannels: Auto, mono, stereo, six channels.
constexpr int32_t ChannelsSix = 3;
constexpr int32_t ChannelCounts[] = {0, 1, 2, 6};

constexpr int32_t DefaultAudioBitrate = 128;
constexpr int32_t MaxAudioBitrateDefault = 320;

} // namespace

std::string TParameterBuilders::GetSelectedAudioCodecStr() const
{
    switch (Settings.Audio.Codec) {
    case ItemIndex::AudioCodecAuto:
        return "auto";
    case ItemIndex::AudioCodecMp3:
        return "libmp3lame";
    case ItemIndex::AudioCodecMp2:
        return "mp2";
    case ItemIndex::AudioCodecAc3:
        return "ac3";
    case ItemIndex::AudioCodecAac:
        return Environment.AacEncoder;
    case ItemIndex::AudioCodecWma1:
        return "wmav1";
    case ItemIndex::AudioCodecWma2:
        return "wmav2";
    case ItemIndex::AudioCodecPcm:
        return "pcm_s16le";
    case ItemIndex::AudioCodecCopy:
        return "copy";
    default:
        return "";
    }
}

// The encoder the automatic item stands for: MP2 in MPEG files, else MP3, or A/52 for more than two
// channels (in the first audio stream or asked for).
std::string TParameterBuilders::AutoAudioCodecName() const
{
    if (IsMpg())
        return "mp2";
    const bool sixChannels = Enabled.cbAudioChannels && Settings.Audio.Channels == ChannelsSix;
    return Media.AudioStreams[0].Channels > 2 || sixChannels ? "ac3" : "libmp3lame";
}

TParamList TParameterBuilders::GetAudioCodecStr() const
{
    // A DVD target brings its own audio codec.
    if (IsMpg() && !IsMpgCustom(Settings))
        return {};
    if (Enabled.chAudioDontCopy && Settings.Audio.DontCopy)
        return {"-an"};
    if (Settings.Audio.Codec == ItemIndex::AudioCodecAuto)
        return {"-c:a", AutoAudioCodecName()};
    const std::string codec = GetSelectedAudioCodecStr();
    return {"-c:a", codec.empty() ? "libmp3lame" : codec};
}

TBuiltParams TParameterBuilders::GetAudioParamsStr() const
{
    TBuiltParams result;
    if (Enabled.chAudioDontCopy && Settings.Audio.DontCopy)
        return result;
    if (Enabled.cbAudioBitrate && !AddAudioBitrate(result))
        return result;
    if (Enabled.cbAudioSampling && !AddAudioSampling(result))
        return result;
    if (Enabled.cbAudioChannels)
        AddAudioChannels(result.Params);
    const int32_t volume = Settings.Audio.Volume;
    if (Enabled.tbAudioVolume && volume != 100)
        result.Params.insert(result.Params.end(), {"-af", "volume=" + VolumeToStr(volume)});
    result.Params.insert(result.Params.end(), {"-async", "1"});
    return result;
}

bool TParameterBuilders::AddAudioBitrate(TBuiltParams& result) const
{
    const int32_t codec = Settings.Audio.Codec;
    const ComboText& bitrate = Settings.Audio.Bitrate;
    // WMA 2, PCM and a copied stream get no bitrate, whatever the list says.
    if (codec > ItemIndex::AudioCodecWma1)
        return true;
    int32_t kbits = 0;
    if (bitrate.Auto) {
        const TAudioStreamInfo& audio = Media.AudioStreams[0];
        const std::string codecName =
            codec == ItemIndex::AudioCodecAuto ? AutoAudioCodecName() : GetSelectedAudioCodecStr();
        const int32_t max = GetMaxAudioBitrate(codecName, audio.SamplingRate, MaxAudioBitrateDefault);
        kbits = RoundAudioBitrate(audio.Bitrate, DefaultAudioBitrate, MinAudioBitrate, max);
        if (kbits == 0)
            kbits = DefaultAudioBitrate;
    } else if (!TryStringToInt(Trim(bitrate.Text), kbits)) {
        result = Refuse(&TMainModuleStrings::AudioBitrateMustBeInteger, bitrate.Text);
        return false;
    }
    result.Params.insert(result.Params.end(), {"-b:a", IntToString(kbits) + "k"});
    return true;
}

bool TParameterBuilders::AddAudioSampling(TBuiltParams& result) const
{
    const ComboText& sampling = Settings.Audio.Sampling;
    if (sampling.Auto)
        return true;
    int32_t hertz = 0;
    if (!TryStringToInt(Trim(sampling.Text), hertz)) {
        result = Refuse(&TMainModuleStrings::AudioSamplingMustBeInteger, sampling.Text);
        return false;
    }
    if (Settings.Audio.Codec < ItemIndex::AudioCodecCopy)
        result.Params.insert(result.Params.end(), {"-ar", IntToString(hertz)});
    return true;
}

void TParameterBuilders::AddAudioChannels(TParamList& params) const
{
    const int32_t channels = Settings.Audio.Channels;
    if (channels > 0 && channels <= ChannelsSix) {
        params.insert(params.end(), {"-ac", IntToString(ChannelCounts[channels])});
        return;
    }
    if (IsMpg()) {
        params.insert(params.end(), {"-ac", "2"});
        return;
    }
    // These encoders take at most two channels: a richer track is mixed down.
    const int32_t codec = Settings.Audio.Codec;
    const bool stereoOnly = codec == ItemIndex::AudioCodecMp3 || codec == ItemIndex::AudioCodecMp2 ||
                            codec == ItemIndex::AudioCodecWma1 || codec == ItemIndex::AudioCodecWma2;
    const int32_t track = ChosenAudioTrack();
    const TAudioStreamInfo& audio = Media.AudioStreams[track > 0 ? track - 1 : 0];
    if (stereoOnly && Media.NumberOfAudioStreams > 0 && audio.Channels > 2)
        params.insert(params.end(), {"-ac", "2"});
}

// The audio track the track list chose (1 for the file's first audio stream), or 0 for the automatic
// item and for a track the file does not have.
int32_t TParameterBuilders::ChosenAudioTrack() const
{
    const int32_t track = Enabled.cbAudioTrackNo ? Settings.Advanced.AudioTrackNo : 0;
    if (track < 1 || static_cast<size_t>(track) > AudioStreamSlotCount(Media))
        return 0;
    return track;
}

TParamList TParameterBuilders::GetMapParams() const
{
    const int32_t track = ChosenAudioTrack();
    if (track == 0)
        return {};
    TParamList params;
    if (KeepsVideo() && Media.NumberOfVideoStreams > 0)
        params.insert(params.end(), {"-map", "0:" + IntToString(Media.VideoStreams[0].StreamIndex)});
    params.insert(params.end(), {"-map", "0:" + IntToString(Media.AudioStreams[track - 1].StreamIndex)});
    return params;
}
