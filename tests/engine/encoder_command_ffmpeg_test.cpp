// The encoder itself accepts what the builders write: a few representative commands are run on tiny
// generated clips and their outputs analysed.

#include "engine/audio_bitrates.h"
#include "engine/console_runner.h"
#include "engine/encoder_capabilities.h"
#include "engine/encoder_command.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/media_info_records.h"

#include "test_media.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TConversion
{
    const char* Name;
    std::function<std::string()> Input;
    std::function<void(EncoderSettings&)> Tweak;
    const char* OutputName;
};

// What an output should hold: one video stream (unless VideoCodec is empty) and one audio stream (unless
// AudioCodec is empty), the codecs by the encoder's own names.
struct TExpectedOutput
{
    std::string VideoCodec;
    int Width = 0;
    int Height = 0;
    std::string AudioCodec;
    int SamplingRate = 0;
    int Channels = 0;
};

// The encoder's name of a codec, from the start of the report's codec text ("msmpeg4v3 (MP43 / 0x...)").
std::string EncoderCodecName(const std::string& reportCodec)
{
    return reportCodec.substr(0, reportCodec.find(' '));
}

// Checks the output with the program's own analysis. The video codec is taken from the encoder's report
// alone: the library gives several of these codecs the same name.
void ExpectOutput(const std::string& file, const TExpectedOutput& expected, const std::string& name)
{
    SCOPED_TRACE(name);
    const TVideoFileInfo out =
        GetFFmpegFileInfo(file, test_media::FFmpegPath(), test_media::MediaInfoLibrary());
    const TVideoFileInfo report = GetFFmpegFileInfo(file, test_media::FFmpegPath(), "");
    EXPECT_EQ(out.NumberOfVideoStreams, expected.VideoCodec.empty() ? 0 : 1);
    EXPECT_EQ(out.NumberOfAudioStreams, expected.AudioCodec.empty() ? 0 : 1);
    if (!expected.VideoCodec.empty()) {
        EXPECT_EQ(EncoderCodecName(report.VideoStreams[0].Codec), expected.VideoCodec);
        EXPECT_EQ(out.VideoStreams[0].Width, expected.Width);
        EXPECT_EQ(out.VideoStreams[0].Height, expected.Height);
    }
    if (!expected.AudioCodec.empty()) {
        const TAudioStreamInfo& audio = out.AudioStreams[0];
        EXPECT_EQ(audio.CodecFF, expected.AudioCodec);
        EXPECT_EQ(audio.SamplingRate, expected.SamplingRate);
        EXPECT_EQ(audio.Channels, expected.Channels);
    }
}

class EncoderAcceptsTheCommands : public testing::Test
{
protected:
    void SetUp() override
    {
        InitAudioBitrateTable();
        std::string pattern = (fs::temp_directory_path() / "qm_convert_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        OutDir = pattern;
    }
    void TearDown() override { fs::remove_all(OutDir); }

    static TVideoFileInfo Analyse(const std::string& file)
    {
        return GetFFmpegFileInfo(file, test_media::FFmpegPath(), test_media::MediaInfoLibrary());
    }

    // Runs every pass in the output folder (where two passes keep their statistics) and returns the
    // analysed output; a failing pass fails the test with the encoder's report.
    TVideoFileInfo Convert(const TConversion& conversion)
    {
        const std::string ffmpeg = test_media::FFmpegPath();
        EncoderSettings settings = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
        conversion.Tweak(settings);
        TBuilderEnvironment environment = DefaultBuilderEnvironment();
        environment.AacEncoder = GetAacEncoderName(ffmpeg);
        environment.ResolutionItemText = "50%";
        const std::string input = conversion.Input();
        const std::string output = OutDir + "/" + conversion.OutputName;
        const TEncoderCommand command =
            BuildEncoderCommand(ffmpeg, settings, Analyse(input), input, output, environment);
        EXPECT_FALSE(command.Refused) << conversion.Name;

        for (const TEncoderPass& pass : command.Passes) {
            std::vector<std::string> lines;
            const int exitCode = RunConsoleApp(ffmpeg, pass.Arguments, &lines, nullptr, OutDir);
            std::string report;
            for (const std::string& line : lines)
                report += line + "\n";
            EXPECT_EQ(exitCode, 0) << conversion.Name << "\n" << command.PassText(pass) << "\n" << report;
        }
        EXPECT_GT(fs::exists(output) ? fs::file_size(output) : 0, 0u) << conversion.Name;
        return Analyse(output);
    }

    std::string OutDir;
};

TEST_F(EncoderAcceptsTheCommands, EveryFilterTagMappingAndAudioOption)
{
    const TVideoFileInfo out = Convert({"filters", test_media::VideoWithThreeAudio,
                                        [](EncoderSettings& s) {
                                            AdvancedSettings& a = s.Advanced;
                                            s.Avi.FPS = ComboText::Typed("12,5");
                                            s.Avi.Aspect = ComboText::Typed("16:9");
                                            a.CropTop = a.CropBottom = 8;
                                            a.Resolution = ItemIndex::ResolutionCustom;
                                            a.ResWidth = 31;
                                            a.ResHeight = 16;
                                            a.Interlacing = ItemIndex::InterlacingDeinterlace;
                                            a.Brightness = a.Saturation = true;
                                            a.BrightnessValue = 3;
                                            a.SaturationValue = 15;
                                            a.FlipHorizontal = a.FlipVertical = a.Negative = true;
                                            a.ConvertColors = true;
                                            a.ConvertColorsValue = ItemIndex::ConvertColorsSepia;
                                            a.Rotate = true;
                                            a.RotateText = "90";
                                            a.ForceVideoTag = true;
                                            a.VideoTag = "XVID";
                                            a.AudioTrackNo = 2;
                                            s.Audio.Codec = ItemIndex::AudioCodecMp3;
                                            s.Audio.Volume = 150;
                                            s.Audio.Sampling = ComboText::Typed("16000");
                                            s.Audio.Channels = 2;
                                            a.AdditionalParams = "-metadata \"title=a b\"";
                                        },
                                        "filters.avi"});
    EXPECT_EQ(out.VideoStreams[0].Width, 32);
    EXPECT_EQ(out.VideoStreams[0].Height, 16);
    EXPECT_EQ(out.NumberOfAudioStreams, 1);
    EXPECT_EQ(out.AudioStreams[0].Channels, 2);
    EXPECT_EQ(out.AudioStreams[0].SamplingRate, 16000);
}

TEST_F(EncoderAcceptsTheCommands, TwoPassH264WithAac)
{
    Convert({"h264", test_media::VideoWithThreeAudio,
             [](EncoderSettings& s) {
                 s.Avi.Codec = ItemIndex::AviCodecH264;
                 s.Avi.TwoPass = true;
                 s.Audio.Codec = ItemIndex::AudioCodecAac;
             },
             "h264.avi"});
    ExpectOutput(OutDir + "/h264.avi", {"h264", 64, 48, "aac", 22050, 1}, "h264");
}

TEST_F(EncoderAcceptsTheCommands, MpegTargetsAndCustomSettings)
{
    const std::pair<TConversion, TExpectedOutput> conversions[] = {
        {{"pal dvd, two passes", test_media::Interlaced,
          [](EncoderSettings& s) {
              s.OutputFormat = ofMpg;
              s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
              s.Mpg.TwoPass = true;
          },
          "pal.mpg"},
         {"mpeg2video", 720, 576, "ac3", 48000, 1}},
        {{"ntsc dvd", test_media::VideoWithThreeAudio,
          [](EncoderSettings& s) {
              s.OutputFormat = ofMpg;
              s.Mpg.Preset = ItemIndex::MpgPresetNtscDvd;
          },
          "ntsc.mpg"},
         {"mpeg2video", 720, 480, "ac3", 48000, 1}},
        {{"mpeg-1 with typed values and a listed size", test_media::VideoWithThreeAudio,
          [](EncoderSettings& s) {
              s.OutputFormat = ofMpg;
              s.Mpg.Bitrate = ComboText::Typed("800");
              s.Mpg.FPS = ComboText::Typed("25");
              s.Advanced.Resolution = 2;
          },
          "mpeg1.mpg"},
         {"mpeg1video", 32, 24, "mp2", 22050, 2}},
        {{"mpeg-2 of an interlaced source", test_media::Interlaced,
          [](EncoderSettings& s) {
              s.OutputFormat = ofMpg;
              s.Mpg.MpegVersion = 1;
          },
          "mpeg2.mpg"},
         {"mpeg2video", 64, 48, "mp2", 22050, 2}},
    };
    for (const auto& [conversion, expected] : conversions) {
        Convert(conversion);
        ExpectOutput(OutDir + "/" + conversion.OutputName, expected, conversion.Name);
    }
}

TEST_F(EncoderAcceptsTheCommands, AviCodecsWithEachAudioCodec)
{
    using namespace ItemIndex;
    struct TPair
    {
        const char* Name;
        int32_t Video;
        int32_t Audio;
        TExpectedOutput Expected;
    };
    const TPair pairs[] = {
        {"DivX 3 with MP2", AviCodecDivX3, AudioCodecMp2, {"msmpeg4v3", 64, 48, "mp2", 22050, 1}},
        {"MPEG-4 with AC-3", AviCodecMpeg4, AudioCodecAc3, {"mpeg4", 64, 48, "ac3", 32000, 1}},
        {"MS MPEG-4 v2 with WMA 1",
         AviCodecMsMpeg4v2,
         AudioCodecWma1,
         {"msmpeg4v2", 64, 48, "wmav1", 22050, 1}},
        {"WMV 1 with WMA 2", AviCodecWmv1, AudioCodecWma2, {"wmv1", 64, 48, "wmav2", 22050, 1}},
        {"WMV 2 with PCM", AviCodecWmv2, AudioCodecPcm, {"wmv2", 64, 48, "pcm_s16le", 22050, 1}},
        {"Motion JPEG with the automatic audio codec",
         AviCodecMotionJpeg,
         AudioCodecAuto,
         {"mjpeg", 64, 48, "mp3", 22050, 1}},
        {"HuffYUV with MP3", AviCodecHuffYUV, AudioCodecMp3, {"huffyuv", 64, 48, "mp3", 22050, 1}},
        {"both streams copied", AviCodecCopy, AudioCodecCopy, {"mpeg4", 64, 48, "mp2", 22050, 1}},
    };
    for (const TPair& pair : pairs) {
        Convert({pair.Name, test_media::VideoWithThreeAudio,
                 [pair](EncoderSettings& s) {
                     s.Avi.Codec = pair.Video;
                     s.Avi.TwoPass = true;
                     // The automatic rate of a tiny clip is too low for a two-pass
                     // Motion JPEG.
                     s.Avi.Bitrate = ComboText::Typed("400");
                     s.Audio.Codec = pair.Audio;
                 },
                 "codecs.avi"});
        ExpectOutput(OutDir + "/codecs.avi", pair.Expected, pair.Name);
    }
}

TEST_F(EncoderAcceptsTheCommands, OddSizesAndAwkwardNames)
{
    Convert({"odd source without audio", test_media::OddDimensions, [](EncoderSettings&) {}, "odd.avi"});
    ExpectOutput(OutDir + "/odd.avi", {"mpeg4", 34, 18, "", 0, 0}, "odd source without audio");

    Convert({"awkward names", test_media::AwkwardName, [](EncoderSettings& s) { s.Audio.DontCopy = true; },
             "-out \xC3\xBC \"1\":2.avi"});
}

} // namespace
