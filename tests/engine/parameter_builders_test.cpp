#include "engine/audio_bitrates.h"
#include "engine/media_info_records.h"
#include "engine/parameter_builders.h"

#include "support/format_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using TTweak = std::function<void(EncoderSettings&, TVideoFileInfo&)>;

struct TCase
{
    const char* Name;
    TTweak Tweak;
    const char* Expected; // the group's arguments joined by blanks
};

// 1920 x 1080 at 25 fps with 5000 kbit/s (0.1 bits per pixel); three audio streams: stereo MP3 at
// 44100 Hz and 192 kbit/s, then six-channel A/52 at 48000 Hz and 448 kbit/s, then mono.
TVideoFileInfo HdSource()
{
    TVideoFileInfo info;
    info.NumberOfVideoStreams = 1;
    TVideoStreamInfo& video = info.VideoStreams[0];
    video.Exists = true;
    video.Width = 1920;
    video.Height = 1080;
    video.FPS = 25;
    video.Bitrate = 5000;
    video.BitsPerPixel = 0.1;
    video.ScanType = "Progressive";
    video.StreamIndex = 0;
    info.NumberOfAudioStreams = 3;
    const int32_t channels[] = {2, 6, 1};
    const int32_t rates[] = {44100, 48000, 22050};
    const int32_t bitrates[] = {192, 448, 64};
    for (size_t i = 0; i < 3; ++i) {
        TAudioStreamInfo& audio = info.AudioStreams[i];
        audio.Exists = true;
        audio.Channels = static_cast<uint8_t>(channels[i]);
        audio.SamplingRate = rates[i];
        audio.Bitrate = bitrates[i];
        audio.StreamIndex = static_cast<uint8_t>(i + 1);
    }
    return info;
}

// Makes the second (six-channel) stream the first one.
void SixChannelFirst(TVideoFileInfo& info)
{
    std::swap(info.AudioStreams[0], info.AudioStreams[1]);
}

std::string Joined(const TParamList& params)
{
    std::string text;
    for (const std::string& param : params)
        text += (text.empty() ? "" : " ") + param;
    return text;
}

class ParameterBuildersTest : public testing::Test
{
protected:
    void SetUp() override { InitAudioBitrateTable(); }

    // Every number must come out with "." while the user's locale writes decimal commas.
    TFormatSettingsGuard CommaLocale{[] {
        TFormatSettings comma;
        comma.DecimalSeparator = ",";
        comma.ThousandSeparator = ".";
        return comma;
    }()};

    TBuilderEnvironment Environment()
    {
        TBuilderEnvironment environment;
        environment.DefaultThreadCount = 8;
        environment.ResolutionItemText = "1280 x 720 - HD720";
        environment.ShowWarning = [this](const std::string& text) { Shown.push_back(text); };
        return environment;
    }

    template <typename Builder> void CheckTable(const std::vector<TCase>& cases, Builder build)
    {
        for (const TCase& c : cases) {
            EncoderSettings settings = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
            TVideoFileInfo media = HdSource();
            c.Tweak(settings, media);
            const TParameterBuilders builders(settings, media, Environment());
            EXPECT_EQ(build(builders), c.Expected) << c.Name;
        }
        EXPECT_TRUE(Shown.empty()) << Shown.front();
    }

    std::vector<std::string> Shown;
};

TEST_F(ParameterBuildersTest, VideoCodecByPageAndItem)
{
    const auto avi = [](int32_t codec) {
        return [codec](EncoderSettings& s, TVideoFileInfo&) { s.Avi.Codec = codec; };
    };
    const auto mpg = [](int32_t preset, int32_t version) {
        return [preset, version](EncoderSettings& s, TVideoFileInfo&) {
            s.OutputFormat = ofMpg;
            s.Mpg.Preset = preset;
            s.Mpg.MpegVersion = version;
        };
    };
    CheckTable(
        {
            {"xvid", avi(0), "-c:v libxvid"},
            {"msmpeg4 v3", avi(1), "-c:v msmpeg4"},
            {"h264", avi(2), "-c:v libx264"},
            {"iso mpeg-4", avi(3), "-c:v mpeg4"},
            {"msmpeg4 v2", avi(4), "-c:v msmpeg4v2"},
            {"wmv1", avi(5), "-c:v wmv1"},
            {"wmv2", avi(6), "-c:v wmv2"},
            {"mjpeg", avi(7), "-c:v mjpeg"},
            {"huffyuv", avi(8), "-c:v huffyuv"},
            {"copy", avi(9), "-c:v copy"},
            {"unknown item", avi(12), "-c:v libxvid"},
            {"no video (avi)", [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.DontCopy = true; }, "-vn"},
            {"pal dvd", mpg(0, 1), "-target pal-dvd"},
            {"ntsc dvd", mpg(1, 0), "-target ntsc-dvd"},
            {"custom mpeg-1", mpg(2, 0), "-c:v mpeg1video"},
            {"custom mpeg-2", mpg(2, 1), "-c:v mpeg2video"},
            {"no video (mpg)",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Mpg.DontCopy = true;
             },
             "-vn"},
        },
        [](const TParameterBuilders& b) { return Joined(b.GetVideoCodecStr()); });
}

TEST_F(ParameterBuildersTest, VideoParameters)
{
    const auto mpgCustom = [](EncoderSettings& s) {
        s.OutputFormat = ofMpg;
        s.Mpg.Preset = ItemIndex::MpgPresetCustom;
    };
    CheckTable(
        {
            {"source bitrate within 0.3 bits per pixel", [](EncoderSettings&, TVideoFileInfo&) {},
             "-b:v 5000k -r 25.000"},
            {"rich source lowered to 0.3 bits per pixel",
             [](EncoderSettings&, TVideoFileInfo& m) {
                 m.VideoStreams[0].Bitrate = 30000;
                 m.VideoStreams[0].BitsPerPixel = 0.6;
             },
             "-b:v 15552k -r 25.000"},
            {"h264 automatic threads: half the processors",
             [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.Codec = ItemIndex::AviCodecH264; },
             "-threads 4 -b:v 5000k -r 25.000"},
            {"h264 typed threads",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.Codec = ItemIndex::AviCodecH264;
                 s.Avi.Threads = ComboText::Typed(" 3 ");
             },
             "-threads 3 -b:v 5000k -r 25.000"},
            {"h264 threads that are no number count as automatic",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.Codec = ItemIndex::AviCodecH264;
                 s.Avi.Threads = ComboText::Typed("many");
             },
             "-threads 4 -b:v 5000k -r 25.000"},
            {"xvid two-pass quality", [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.TwoPass = true; },
             "-q:v 9 -b:v 5000k -r 25.000"},
            {"typed bitrate and decimal comma",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.Bitrate = ComboText::Typed(" 2500 ");
                 s.Avi.FPS = ComboText::Typed("29,97");
             },
             "-b:v 2500k -r 29.97"},
            {"custom size: estimate at the target size",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Advanced.Resolution = ItemIndex::ResolutionCustom;
                 s.Advanced.ResWidth = 640;
                 s.Advanced.ResHeight = 360;
             },
             "-b:v 576k -r 25.000"},
            // Above 65535 kbit/s: the estimate keeps all its bits.
            {"large estimate",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 s.Advanced.Resolution = ItemIndex::ResolutionCustom;
                 s.Advanced.ResWidth = 3840;
                 s.Advanced.ResHeight = 2160;
                 m.VideoStreams[0].FPS = 60;
                 m.VideoStreams[0].BitsPerPixel = 0.5;
                 m.VideoStreams[0].Bitrate = 200000;
             },
             "-b:v 149299k -r 60.000"},
            {"custom size of a source without facts: the usual automatic bitrate",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 s.Advanced.Resolution = ItemIndex::ResolutionCustom;
                 m.VideoStreams[0] = {};
             },
             "-b:v 800k"},
            {"odd source at its own size",
             [](EncoderSettings&, TVideoFileInfo& m) { m.VideoStreams[0].Width = 721; },
             "-b:v 5000k -r 25.000 -s 722x1080"},
            {"odd source scaled",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 m.VideoStreams[0].Height = 481;
                 s.Advanced.Resolution = 2;
             },
             "-b:v 2304k -r 25.000"},
            {"lossless codec takes no bitrate",
             [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.Codec = ItemIndex::AviCodecHuffYUV; },
             "-r 25.000"},
            {"copied stream keeps bitrate and rate",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.Codec = ItemIndex::AviCodecCopy;
                 s.Avi.Bitrate = ComboText::Typed("bad");
                 s.Avi.FPS = ComboText::Typed("30");
             },
             ""},
            {"no video", [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.DontCopy = true; }, ""},
            {"mpg custom: 0.5 bits per pixel, automatic rate left to the encoder",
             [mpgCustom](EncoderSettings& s, TVideoFileInfo& m) {
                 mpgCustom(s);
                 m.VideoStreams[0].Bitrate = 40000;
                 m.VideoStreams[0].BitsPerPixel = 0.8;
             },
             "-b:v 25920k"},
            {"mpg custom typed",
             [mpgCustom](EncoderSettings& s, TVideoFileInfo&) {
                 mpgCustom(s);
                 s.Mpg.Bitrate = ComboText::Typed("9000");
                 s.Mpg.FPS = ComboText::Typed("23.976");
             },
             "-b:v 9000k -r 23.976"},
            {"dvd target brings its own",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
             },
             ""},
        },
        [](const TParameterBuilders& b) {
            const TBuiltParams built = b.GetVideoParamsStr();
            return built.Refused ? "refused" : Joined(built.Params);
        });
}

// The source frame rate is unknown: no rate option rather than a rate of zero.
TEST_F(ParameterBuildersTest, UnknownSourceRateLeavesTheRateToTheEncoder)
{
    TVideoFileInfo media = HdSource();
    media.VideoStreams[0].FPS = 0;
    const EncoderSettings settings = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
    EXPECT_EQ(Joined(TParameterBuilders(settings, media, Environment()).GetVideoParamsStr().Params),
              "-b:v 5000k");
}

TEST_F(ParameterBuildersTest, AudioCodec)
{
    const auto codec = [](int32_t item) {
        return [item](EncoderSettings& s, TVideoFileInfo&) { s.Audio.Codec = item; };
    };
    CheckTable(
        {
            {"auto for stereo", codec(0), "-c:a libmp3lame"},
            {"auto for six channels", [](EncoderSettings&, TVideoFileInfo& m) { SixChannelFirst(m); },
             "-c:a ac3"},
            {"auto asked for six channels", [](EncoderSettings& s, TVideoFileInfo&) { s.Audio.Channels = 3; },
             "-c:a ac3"},
            {"mp3", codec(1), "-c:a libmp3lame"},
            {"mp2", codec(2), "-c:a mp2"},
            {"a/52", codec(3), "-c:a ac3"},
            {"aac: the encoder the build has", codec(4), "-c:a aac"},
            {"wma 1", codec(5), "-c:a wmav1"},
            {"wma 2", codec(6), "-c:a wmav2"},
            {"pcm", codec(7), "-c:a pcm_s16le"},
            {"copy", codec(8), "-c:a copy"},
            {"unknown item", codec(11), "-c:a libmp3lame"},
            {"no audio", [](EncoderSettings& s, TVideoFileInfo&) { s.Audio.DontCopy = true; }, "-an"},
            {"mpg custom auto",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 s.OutputFormat = ofMpg;
                 SixChannelFirst(m);
             },
             "-c:a mp2"},
            {"mpg custom without audio",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Audio.DontCopy = true;
             },
             "-an"},
            {"dvd target brings its own",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Mpg.Preset = ItemIndex::MpgPresetNtscDvd;
                 s.Audio.DontCopy = true;
             },
             ""},
        },
        [](const TParameterBuilders& b) { return Joined(b.GetAudioCodecStr()); });

    TBuilderEnvironment external = Environment();
    external.AacEncoder = "libfdk_aac";
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Audio.Codec = 4;
    const TVideoFileInfo media = HdSource();
    const TParameterBuilders builders(settings, media, external);
    EXPECT_EQ(Joined(builders.GetAudioCodecStr()), "-c:a libfdk_aac");
    EXPECT_EQ(builders.GetSelectedAudioCodecStr(), "libfdk_aac");
}

TEST_F(ParameterBuildersTest, AudioParameters)
{
    CheckTable(
        {
            {"auto from the first stream", [](EncoderSettings&, TVideoFileInfo&) {}, "-b:a 192k -async 1"},
            {"six-channel a/52 into mp3: mixed down, limited to 320",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 SixChannelFirst(m);
                 s.Audio.Codec = 1;
             },
             "-b:a 320k -ac 2 -async 1"},
            {"six channels kept in a/52", [](EncoderSettings&, TVideoFileInfo& m) { SixChannelFirst(m); },
             "-b:a 448k -async 1"},
            {"unknown source bitrate",
             [](EncoderSettings&, TVideoFileInfo& m) { m.AudioStreams[0].Bitrate = 0; }, "-b:a 96k -async 1"},
            // Automatic MP3 at 22050 Hz is limited to what the MP3 encoder takes at that rate.
            {"auto codec at a low rate",
             [](EncoderSettings&, TVideoFileInfo& m) {
                 m.AudioStreams[0].SamplingRate = 22050;
                 m.AudioStreams[0].Bitrate = 256;
             },
             "-b:a 160k -async 1"},
            {"typed bitrate, rate and channels",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.Bitrate = ComboText::Typed(" 96");
                 s.Audio.Sampling = ComboText::Typed("22050 ");
                 s.Audio.Channels = 1;
             },
             "-b:a 96k -ar 22050 -ac 1 -async 1"},
            {"six channels asked", [](EncoderSettings& s, TVideoFileInfo&) { s.Audio.Channels = 3; },
             "-b:a 192k -ac 6 -async 1"},
            {"wma 2 takes no bitrate",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.Codec = 6;
                 s.Audio.Bitrate = ComboText::Typed("not checked");
             },
             "-async 1"},
            {"pcm", [](EncoderSettings& s, TVideoFileInfo&) { s.Audio.Codec = 7; }, "-async 1"},
            {"copy",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.Codec = 8;
                 s.Audio.Sampling = ComboText::Typed("44100");
                 s.Audio.Channels = 1;
             },
             "-async 1"},
            {"volume", [](EncoderSettings& s, TVideoFileInfo&) { s.Audio.Volume = 150; },
             "-b:a 192k -af volume=1.50 -async 1"},
            {"chosen six-channel track mixed down for mp2",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.Codec = 2;
                 s.Advanced.AudioTrackNo = 2;
             },
             "-b:a 192k -ac 2 -async 1"},
            {"track beyond the file's means the first",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.Codec = 2;
                 s.Advanced.AudioTrackNo = 7;
             },
             "-b:a 192k -async 1"},
            {"mpg custom: stereo mp2",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 s.OutputFormat = ofMpg;
                 SixChannelFirst(m);
             },
             "-b:a 384k -ac 2 -async 1"},
            {"no audio",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.DontCopy = true;
                 s.Audio.Bitrate = ComboText::Typed("bad");
             },
             ""},
            // The audio controls are off for a DVD target: none of them applies, the box for no audio
            // included.
            {"dvd target",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
                 s.Audio.DontCopy = true;
                 s.Audio.Bitrate = ComboText::Typed("bad");
                 s.Audio.Volume = 50;
             },
             "-async 1"},
        },
        [](const TParameterBuilders& b) {
            const TBuiltParams built = b.GetAudioParamsStr();
            return built.Refused ? "refused" : Joined(built.Params);
        });
}

TEST_F(ParameterBuildersTest, RefusalsShowTheirWarning)
{
    struct TRefusal
    {
        const char* Name;
        std::function<void(EncoderSettings&)> Tweak;
        bool Video;
        const char* Warning;
    };
    const TRefusal refusals[] = {
        {"avi bitrate", [](EncoderSettings& s) { s.Avi.Bitrate = ComboText::Typed("12a"); }, true,
         "Video bitrate: 12a\nBitrate must be an integer value!"},
        {"mpg bitrate",
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.Bitrate = ComboText::Typed("1.5");
         },
         true, "Video bitrate: 1.5\nBitrate must be an integer value!"},
        {"avi rate", [](EncoderSettings& s) { s.Avi.FPS = ComboText::Typed("25 fps"); }, true,
         "Video FPS: 25 fps\nFPS must be a float value!"},
        {"audio bitrate", [](EncoderSettings& s) { s.Audio.Bitrate = ComboText::Typed("high"); }, false,
         "Audio bitrate: high\nBitrate must be an integer value!"},
        {"sampling", [](EncoderSettings& s) { s.Audio.Sampling = ComboText::Typed("44.1k"); }, false,
         "Audio sampling frequency: 44.1k\nFrequency must be an integer value!"},
    };
    for (const TRefusal& r : refusals) {
        Shown.clear();
        EncoderSettings settings = DefaultEncoderSettings(0);
        r.Tweak(settings);
        const TVideoFileInfo media = HdSource();
        const TParameterBuilders builders(settings, media, Environment());
        const TBuiltParams built = r.Video ? builders.GetVideoParamsStr() : builders.GetAudioParamsStr();
        EXPECT_TRUE(built.Refused) << r.Name;
        EXPECT_TRUE(built.Params.empty()) << r.Name;
        EXPECT_EQ(built.Warning, r.Warning) << r.Name;
        EXPECT_EQ(Shown, std::vector<std::string>{r.Warning}) << r.Name;
    }
}

TEST_F(ParameterBuildersTest, FilterChain)
{
    const auto filters = [](std::function<void(AdvancedSettings&)> tweak) {
        return [tweak](EncoderSettings& s, TVideoFileInfo&) { tweak(s.Advanced); };
    };
    CheckTable(
        {
            {"nothing", filters([](AdvancedSettings&) {}), ""},
            {"crop",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 m.VideoStreams[0].Width = 720;
                 m.VideoStreams[0].Height = 576;
                 s.Advanced.CropTop = 8;
                 s.Advanced.CropBottom = 8;
             },
             "-vf crop=720:560:0:8"},
            {"custom size raised to even", filters([](AdvancedSettings& a) {
                 a.Resolution = ItemIndex::ResolutionCustom;
                 a.ResWidth = 853;
                 a.ResHeight = 479;
             }),
             "-vf scale=854:480"},
            {"listed size", filters([](AdvancedSettings& a) { a.Resolution = 5; }), "-vf scale=1280:720"},
            {"rotate 90 in radians", filters([](AdvancedSettings& a) {
                 a.Rotate = true;
                 a.RotateText = " 90 ";
             }),
             "-vf rotate=1.5708"},
            {"rotate that is no number", filters([](AdvancedSettings& a) {
                 a.Rotate = true;
                 a.RotateText = "quarter";
             }),
             ""},
            {"rotate unchecked", filters([](AdvancedSettings& a) { a.RotateText = "90"; }), ""},
            {"brightness and saturation", filters([](AdvancedSettings& a) {
                 a.Brightness = true;
                 a.BrightnessValue = 2;
                 a.Saturation = true;
                 a.SaturationValue = 15;
             }),
             "-vf hue=s=1.5:b=0.2"},
            {"brightness alone", filters([](AdvancedSettings& a) {
                 a.Brightness = true;
                 a.BrightnessValue = -5;
             }),
             "-vf hue=b=-0.5"},
            {"grayscale", filters([](AdvancedSettings& a) { a.ConvertColors = true; }),
             "-vf colorchannelmixer=.3:.4:.3:0:.3:.4:.3:0:.3:.4:.3"},
            {"sepia", filters([](AdvancedSettings& a) {
                 a.ConvertColors = true;
                 a.ConvertColorsValue = ItemIndex::ConvertColorsSepia;
             }),
             "-vf colorchannelmixer=.393:.769:.189:0:.349:.686:.168:0:.272:.534:.131"},
            {"deinterlace",
             filters([](AdvancedSettings& a) { a.Interlacing = ItemIndex::InterlacingDeinterlace; }),
             "-vf yadif"},
            {"auto deinterlace of an interlaced source",
             [](EncoderSettings&, TVideoFileInfo& m) { m.VideoStreams[0].ScanType = " Interlaced"; },
             "-vf yadif"},
            {"keep interlacing",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 m.VideoStreams[0].ScanType = "Interlaced";
                 s.Advanced.Interlacing = ItemIndex::InterlacingKeep;
             },
             ""},
            // Deinterlacing is a video filter: it does not depend on the audio.
            {"deinterlace without audio",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.DontCopy = true;
                 s.Advanced.Interlacing = ItemIndex::InterlacingDeinterlace;
             },
             "-vf yadif"},
            {"aspect",
             [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.Aspect = ComboText::Typed(" 16 : 9 "); },
             "-vf setdar=16/9"},
            // A decimal comma would split the chain.
            {"aspect with a decimal comma",
             [](EncoderSettings& s, TVideoFileInfo&) { s.Avi.Aspect = ComboText::Typed("1,85"); },
             "-vf setdar=1.85"},
            {"aspect of a lossless codec",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.Codec = ItemIndex::AviCodecHuffYUV;
                 s.Avi.Aspect = ComboText::Typed("4:3");
             },
             ""},
            {"everything, in chain order",
             [](EncoderSettings& s, TVideoFileInfo& m) {
                 AdvancedSettings& a = s.Advanced;
                 m.VideoStreams[0].ScanType = "interlaced";
                 a.CropLeft = 16;
                 a.Resolution = ItemIndex::ResolutionCustom;
                 a.ResWidth = 640;
                 a.ResHeight = 360;
                 a.Saturation = true;
                 a.FlipHorizontal = a.FlipVertical = a.Negative = a.ConvertColors = true;
                 a.Rotate = true;
                 a.RotateText = "180";
                 s.Avi.Aspect = ComboText::Typed("16:9");
             },
             "-vf yadif,crop=1904:1080:16:0,scale=640:360,hue=s=1.0,hflip,vflip,"
             "colorchannelmixer=.3:.4:.3:0:.3:.4:.3:0:.3:.4:.3,negate,rotate=3.1416,setdar=16/9"},
            {"copied video takes no filter",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.Codec = ItemIndex::AviCodecCopy;
                 s.Advanced.FlipHorizontal = true;
                 s.Advanced.Interlacing = ItemIndex::InterlacingDeinterlace;
             },
             ""},
            {"mpg custom filters and size",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Advanced.Resolution = 2;
                 s.Advanced.Negative = true;
             },
             "-vf scale=1280:720,negate"},
            {"dvd target: filters without size or crop",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.OutputFormat = ofMpg;
                 s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
                 s.Advanced.Resolution = 2;
                 s.Advanced.CropTop = 8;
                 s.Advanced.Negative = true;
             },
             "-vf negate"},
        },
        [](const TParameterBuilders& b) { return Joined(b.GetAdvancedParamsStr()); });
}

TEST_F(ParameterBuildersTest, VideoTagAndMapping)
{
    CheckTable(
        {
            {"tag", [](EncoderSettings& s, TVideoFileInfo&) { s.Advanced.ForceVideoTag = true; },
             "-vtag XVID"},
            {"blank tag",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Advanced.ForceVideoTag = true;
                 s.Advanced.VideoTag = "  ";
             },
             ""},
            {"tag unchecked", [](EncoderSettings& s, TVideoFileInfo&) { s.Advanced.VideoTag = "DX50"; }, ""},
            {"tag without video",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.DontCopy = true;
                 s.Advanced.ForceVideoTag = true;
             },
             ""},
            {"second track with the video",
             [](EncoderSettings& s, TVideoFileInfo&) { s.Advanced.AudioTrackNo = 2; }, "-map 0:0 -map 0:2"},
            {"second track without the video",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Avi.DontCopy = true;
                 s.Advanced.AudioTrackNo = 3;
             },
             "-map 0:3"},
            {"track the file does not have",
             [](EncoderSettings& s, TVideoFileInfo&) { s.Advanced.AudioTrackNo = 4; }, ""},
            {"track while audio is off",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Audio.DontCopy = true;
                 s.Advanced.AudioTrackNo = 2;
             },
             ""},
            {"filters, tag, mapping",
             [](EncoderSettings& s, TVideoFileInfo&) {
                 s.Advanced.Negative = true;
                 s.Advanced.ForceVideoTag = true;
                 s.Advanced.AudioTrackNo = 2;
             },
             "-vf negate -vtag XVID -map 0:0 -map 0:2"},
        },
        [](const TParameterBuilders& b) { return Joined(b.GetAdvancedParamsStr()); });
}

TEST_F(ParameterBuildersTest, AdditionalParametersSplitLikeACommandLine)
{
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Advanced.AdditionalParams =
        "-metadata title=\"My \\\"best\\\" film\"\r\n\r\n-movflags +faststart\n";
    const TVideoFileInfo media = HdSource();
    EXPECT_EQ(TParameterBuilders(settings, media, Environment()).GetAdditionalParamsStr(),
              (TParamList{"-metadata", "title=My \"best\" film", "-movflags", "+faststart"}));
}

} // namespace
