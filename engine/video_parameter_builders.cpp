// The video codec and video parameter groups of the encoder's options.

#include "engine/app_strings.h"
#include "engine/media_info_records.h"
#include "engine/parameter_builders.h"
#include "engine/video_bitrate.h"

#include "support/number_conversion.h"
#include "support/text_routines.h"

#include <array>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

// Encoder names of the AVI codec list, by item.
constexpr std::array<std::string_view, ItemIndex::AviCodecCount> AviVideoEncoders = {
    "libxvid", "msmpeg4", "libx264", "mpeg4", "msmpeg4v2", "wmv1", "wmv2", "mjpeg", "huffyuv", "copy"};

constexpr double AviMaxBitsPerPixel = 0.3;
constexpr double MpgMaxBitsPerPixel = 0.5;

} // namespace

TParamList TParameterBuilders::GetVideoCodecStr() const
{
    if (!IsMpg()) {
        if (Settings.Avi.DontCopy)
            return {"-vn"};
        const int32_t codec = Settings.Avi.Codec;
        const bool listed = codec >= 0 && codec < ItemIndex::AviCodecCount;
        return {"-c:v", std::string(AviVideoEncoders[listed ? codec : ItemIndex::AviCodecXvid])};
    }
    if (Settings.Mpg.DontCopy)
        return {"-vn"};
    switch (Settings.Mpg.Preset) {
    case ItemIndex::MpgPresetPalDvd:
        return {"-target", "pal-dvd"};
    case ItemIndex::MpgPresetNtscDvd:
        return {"-target", "ntsc-dvd"};
    default:
        break;
    }
    switch (Settings.Mpg.MpegVersion) {
    case 0:
        return {"-c:v", "mpeg1video"};
    case 1:
        return {"-c:v", "mpeg2video"};
    default:
        return {};
    }
}

TBuiltParams TParameterBuilders::GetVideoParamsStr() const
{
    TBuiltParams result;
    if (!KeepsVideo())
        return result;
    if (IsMpg()) {
        // A DVD target brings its own video settings.
        if (!IsMpgCustom(Settings))
            return result;
        if (Enabled.cbMpgVideoBitrate && !AddVideoBitrate(Settings.Mpg.Bitrate, MpgMaxBitsPerPixel, result))
            return result;
        if (Enabled.cbMpgVideoFPS && !AddFrameRate(Settings.Mpg.FPS, false, result))
            return result;
    } else {
        const int32_t codec = Settings.Avi.Codec;
        AddAviThreadsAndQuality(result.Params);
        if (codec < ItemIndex::AviCodecHuffYUV && Enabled.cbAviVideoBitrate &&
            !AddVideoBitrate(Settings.Avi.Bitrate, AviMaxBitsPerPixel, result))
            return result;
        if (Enabled.cbAviVideoFPS &&
            !AddFrameRate(Settings.Avi.FPS, codec != ItemIndex::AviCodecCopy, result))
            return result;
    }

    // The encoders want even picture sizes: an odd source is scaled by one pixel.
    const TVideoStreamInfo& video = Media.VideoStreams[0];
    if (EffectiveResolution() == ItemIndex::ResolutionAuto &&
        (video.Width % 2 != 0 || video.Height % 2 != 0)) {
        result.Params.push_back("-s");
        result.Params.push_back(IntToString(RaisedToEven(video.Width)) + "x" +
                                IntToString(RaisedToEven(video.Height)));
    }
    return result;
}

void TParameterBuilders::AddAviThreadsAndQuality(TParamList& params) const
{
    const int32_t codec = Settings.Avi.Codec;
    if (codec == ItemIndex::AviCodecH264 && Enabled.cbAviVideoThreads) {
        // Anything but a whole number counts as the automatic item.
        int32_t threads = 0;
        if (Settings.Avi.Threads.Auto || !TryStringToInt(Trim(Settings.Avi.Threads.Text), threads))
            threads = Environment.DefaultThreadCount / 2;
        params.insert(params.end(), {"-threads", IntToString(threads)});
    }
    if (codec == ItemIndex::AviCodecXvid && Enabled.chAviVideo2Pass && Settings.Avi.TwoPass)
        params.insert(params.end(), {"-q:v", "9"});
}

bool TParameterBuilders::AddVideoBitrate(const ComboText& bitrate, double maxBitsPerPixel,
                                         TBuiltParams& result) const
{
    int32_t kbits = 0;
    if (bitrate.Auto) {
        const TVideoStreamInfo& video = Media.VideoStreams[0];
        if (EffectiveResolution() == ItemIndex::ResolutionAuto) {
            kbits = GetAutoVideoBitrate(Media, maxBitsPerPixel);
        } else {
            int32_t width = 0;
            int32_t height = 0;
            GetTargetSize(width, height);
            // Without the source's facts the estimate falls back on the source bitrate, and on the
            // usual automatic value when that is unknown too: a bitrate of 0 is no choice.
            const int32_t fallback = GetAutoVideoBitrate(Media, maxBitsPerPixel);
            kbits = CalcVideoBitrate(video.BitsPerPixel, width, height, video.FPS, fallback, maxBitsPerPixel);
        }
    } else if (!TryStringToInt(Trim(bitrate.Text), kbits)) {
        result = Refuse(&TMainModuleStrings::VideoBitrateMustBeInteger, bitrate.Text);
        return false;
    }
    result.Params.insert(result.Params.end(), {"-b:v", IntToString(kbits) + "k"});
    return true;
}

bool TParameterBuilders::AddFrameRate(const ComboText& fps, bool automaticFromSource,
                                      TBuiltParams& result) const
{
    if (fps.Auto) {
        // An unknown source rate leaves the rate to the encoder.
        const double sourceFps = Media.VideoStreams[0].FPS;
        if (automaticFromSource && sourceFps > 0)
            result.Params.insert(result.Params.end(), {"-r", FloatToFixedStr(sourceFps, 3)});
        return true;
    }
    const std::string text = Trim(fps.Text);
    if (std::isnan(StrToFloatTolerant(text, std::numeric_limits<double>::quiet_NaN()))) {
        result = Refuse(&TMainModuleStrings::FPSMustBeFloat, fps.Text);
        return false;
    }
    result.Params.insert(result.Params.end(), {"-r", ReplaceFirst(text, ",", ".", false)});
    return true;
}
