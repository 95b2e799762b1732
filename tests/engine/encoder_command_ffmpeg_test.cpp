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
                                            s.Audio.Codec = 1;
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
    const TVideoFileInfo out = Convert({"h264", test_media::VideoWithThreeAudio,
                                        [](EncoderSettings& s) {
                                            s.Avi.Codec = ItemIndex::AviCodecH264;
                                            s.Avi.TwoPass = true;
                                            s.Audio.Codec = 4;
                                        },
                                        "h264.avi"});
    EXPECT_EQ(out.VideoStreams[0].Width, 64);
}

TEST_F(EncoderAcceptsTheCommands, MpegTargetsAndCustomSettings)
{
    const TConversion conversions[] = {
        {"pal dvd, two passes", test_media::Interlaced,
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
             s.Mpg.TwoPass = true;
         },
         "pal.mpg"},
        {"ntsc dvd", test_media::VideoWithThreeAudio,
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.Preset = ItemIndex::MpgPresetNtscDvd;
         },
         "ntsc.mpg"},
        {"mpeg-1 with typed values and a listed size", test_media::VideoWithThreeAudio,
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.Bitrate = ComboText::Typed("800");
             s.Mpg.FPS = ComboText::Typed("25");
             s.Advanced.Resolution = 2;
         },
         "mpeg1.mpg"},
        {"mpeg-2 of an interlaced source", test_media::Interlaced,
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.MpegVersion = 1;
         },
         "mpeg2.mpg"},
    };
    for (const TConversion& conversion : conversions)
        Convert(conversion);
}

TEST_F(EncoderAcceptsTheCommands, AviCodecsWithEachAudioCodec)
{
    struct TPair
    {
        int32_t Video;
        int32_t Audio;
    };
    const TPair pairs[] = {{1, 2}, {3, 3}, {4, 5}, {5, 6}, {6, 7}, {7, 0}, {8, 1}, {9, 8}};
    for (const TPair& pair : pairs) {
        const std::string name = "codecs " + std::to_string(pair.Video) + "-" + std::to_string(pair.Audio);
        Convert({name.c_str(), test_media::VideoWithThreeAudio,
                 [pair](EncoderSettings& s) {
                     s.Avi.Codec = pair.Video;
                     s.Avi.TwoPass = true;
                     // The automatic rate of a tiny clip is too low for a two-pass Motion JPEG.
                     s.Avi.Bitrate = ComboText::Typed("400");
                     s.Audio.Codec = pair.Audio;
                 },
                 "codecs.avi"});
    }
}

TEST_F(EncoderAcceptsTheCommands, OddSizesAndAwkwardNames)
{
    const TVideoFileInfo odd =
        Convert({"odd source without audio", test_media::OddDimensions, [](EncoderSettings&) {}, "odd.avi"});
    EXPECT_EQ(odd.VideoStreams[0].Width, 34);
    EXPECT_EQ(odd.VideoStreams[0].Height, 18);

    Convert({"awkward names", test_media::AwkwardName, [](EncoderSettings& s) { s.Audio.DontCopy = true; },
             "-out \xC3\xBC \"1\":2.avi"});
}

} // namespace
