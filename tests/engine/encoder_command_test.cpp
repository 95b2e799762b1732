#include "engine/audio_bitrates.h"
#include "engine/encoder_command.h"
#include "engine/media_info_records.h"

#include "platform/system/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TVideoFileInfo SmallSource()
{
    TVideoFileInfo info;
    info.NumberOfVideoStreams = 1;
    TVideoStreamInfo& video = info.VideoStreams[0];
    video.Width = 640;
    video.Height = 360;
    video.FPS = 25;
    video.Bitrate = 1000;
    info.NumberOfAudioStreams = 1;
    info.AudioStreams[0].Channels = 2;
    info.AudioStreams[0].SamplingRate = 48000;
    info.AudioStreams[0].Bitrate = 128;
    return info;
}

TParamList Args(std::initializer_list<const char*> args)
{
    return TParamList(args.begin(), args.end());
}

class EncoderCommandTest : public testing::Test
{
protected:
    void SetUp() override { InitAudioBitrateTable(); }

    TEncoderCommand Build(const EncoderSettings& settings, const std::string& input = "/in/clip one.mkv",
                          const std::string& output = "/out/clip one.avi")
    {
        TBuilderEnvironment environment;
        environment.DefaultThreadCount = 4;
        environment.ShowWarning = [this](const std::string& text) { Shown.push_back(text); };
        return BuildEncoderCommand("/usr/bin/ffmpeg", settings, Media, input, output, environment);
    }

    TVideoFileInfo Media = SmallSource();
    std::vector<std::string> Shown;
};

TEST_F(EncoderCommandTest, SinglePassInGroupOrder)
{
    EncoderSettings settings = DefaultEncoderSettings(ItemIndex::AviCodecXvid);
    settings.Advanced.Negative = true;
    settings.Advanced.AdditionalParams = "-metadata title=\"a b\"";
    const TEncoderCommand command = Build(settings);

    ASSERT_EQ(command.Passes.size(), 1u);
    EXPECT_FALSE(command.IsTwoPass());
    EXPECT_EQ(command.Passes[0].PassNo, 0);
    EXPECT_EQ(command.Argv(command.Passes[0]), Args({"/usr/bin/ffmpeg",
                                                     "-y",
                                                     "-i",
                                                     "/in/clip one.mkv",
                                                     "-c:v",
                                                     "libxvid",
                                                     "-b:v",
                                                     "1000k",
                                                     "-r",
                                                     "25.000",
                                                     "-c:a",
                                                     "libmp3lame",
                                                     "-b:a",
                                                     "128k",
                                                     "-async",
                                                     "1",
                                                     "-vf",
                                                     "negate",
                                                     "-metadata",
                                                     "title=a b",
                                                     "/out/clip one.avi"}));
    EXPECT_EQ(command.DisplayText(),
              "-y -i \"/in/clip one.mkv\" -c:v libxvid -b:v 1000k -r 25.000 -c:a libmp3lame "
              "-b:a 128k -async 1 -vf negate -metadata \"title=a b\" \"/out/clip one.avi\"");
    EXPECT_FALSE(command.Refused);
}

TEST_F(EncoderCommandTest, TwoPassesWithTheFasterPresetForH264)
{
    EncoderSettings settings = DefaultEncoderSettings(ItemIndex::AviCodecH264);
    settings.Avi.TwoPass = true;
    settings.Audio.DontCopy = true;
    settings.Advanced.AdditionalParams = "-g 50";
    const TEncoderCommand command = Build(settings);

    ASSERT_TRUE(command.IsTwoPass());
    EXPECT_TRUE(command.FasterPreset);
    const TParamList common = Args({"-y", "-i", "/in/clip one.mkv", "-c:v", "libx264", "-threads", "2",
                                    "-b:v", "1000k", "-r", "25.000", "-an", "-preset:v", "faster", "-pass"});
    for (int32_t pass = 1; pass <= 2; ++pass) {
        TParamList expected = common;
        expected.insert(expected.end(), {std::to_string(pass), "-g", "50", "/out/clip one.avi"});
        EXPECT_EQ(command.Passes[pass - 1].PassNo, pass);
        EXPECT_EQ(command.Passes[pass - 1].Arguments, expected);
    }
    EXPECT_EQ(command.DisplayText(),
              command.PassText(command.Passes[0]) + "\n\n" + command.PassText(command.Passes[1]));
}

TEST_F(EncoderCommandTest, WhenTwoPassesRun)
{
    struct TCase
    {
        const char* Name;
        void (*Tweak)(EncoderSettings&);
        size_t Passes;
    };
    const TCase cases[] = {
        {"avi two-pass", [](EncoderSettings& s) { s.Avi.TwoPass = true; }, 2},
        {"avi one pass", [](EncoderSettings&) {}, 1},
        {"wmv1 has no two-pass",
         [](EncoderSettings& s) {
             s.Avi.TwoPass = true;
             s.Avi.Codec = 5;
         },
         1},
        {"avi without video",
         [](EncoderSettings& s) {
             s.Avi.TwoPass = true;
             s.Avi.DontCopy = true;
         },
         1},
        {"the other page's box does not count",
         [](EncoderSettings& s) {
             s.Avi.TwoPass = true;
             s.OutputFormat = ofMpg;
         },
         1},
        {"mpg two-pass",
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
             s.Mpg.TwoPass = true;
         },
         2},
        // The box is off without video: there is nothing to encode twice.
        {"mpg without video",
         [](EncoderSettings& s) {
             s.OutputFormat = ofMpg;
             s.Mpg.TwoPass = true;
             s.Mpg.DontCopy = true;
         },
         1},
    };
    for (const TCase& c : cases) {
        EncoderSettings settings = DefaultEncoderSettings(0);
        c.Tweak(settings);
        const TEncoderCommand command = Build(settings);
        EXPECT_EQ(command.Passes.size(), c.Passes) << c.Name;
        EXPECT_FALSE(command.FasterPreset) << c.Name;
    }
}

// The displayed line is a faithful rendering: splitting it by the command-line rules gives the arguments
// the encoder gets, whatever the file names hold.
TEST_F(EncoderCommandTest, DisplayedLineSplitsBackIntoTheArguments)
{
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Advanced.AdditionalParams = "-metadata \"comment=say \\\"hi\\\"\" -metadata title=";
    const TEncoderCommand command =
        Build(settings, "/in/-odd \"name\" \\dir\\/a b.mkv", "/out/trailing backslash\\");
    const TEncoderPass& pass = command.Passes[0];
    EXPECT_EQ(SplitCommandLine(command.PassText(pass)), pass.Arguments);
    EXPECT_EQ(pass.Arguments[2], "/in/-odd \"name\" \\dir\\/a b.mkv");
}

TEST_F(EncoderCommandTest, FileNamesNeverReadAsOptions)
{
    const TEncoderCommand command = Build(DefaultEncoderSettings(0), "-i.mkv", "http:out.avi");
    const TParamList& arguments = command.Passes[0].Arguments;
    EXPECT_EQ(arguments[2], "./-i.mkv");
    EXPECT_EQ(arguments.back(), "./http:out.avi");
    EXPECT_EQ(command.InputFile, "-i.mkv");
}

TEST_F(EncoderCommandTest, PreviewShowsThePlaceholdersAsTheyStand)
{
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Avi.TwoPass = true;
    settings.Audio.DontCopy = true;
    const TEncoderCommand command =
        Build(settings, std::string(InputFilePlaceholder), std::string(OutputFilePlaceholder));
    EXPECT_EQ(command.DisplayText(),
              "-y -i <input_file> -c:v libxvid -q:v 9 -b:v 1000k -r 25.000 -an -pass 1 <output_file>\n\n"
              "-y -i <input_file> -c:v libxvid -q:v 9 -b:v 1000k -r 25.000 -an -pass 2 <output_file>");
}

TEST_F(EncoderCommandTest, RefusedGroupsAreLeftOutAndEveryWarningShown)
{
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Avi.FPS = ComboText::Typed("fast");
    settings.Audio.Sampling = ComboText::Typed("high");
    const TEncoderCommand command = Build(settings, "/in/a.mkv", "/out/a.avi");

    EXPECT_TRUE(command.Refused);
    EXPECT_EQ(command.Warnings, Shown);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_NE(Shown[0].find("fast"), std::string::npos);
    EXPECT_NE(Shown[1].find("high"), std::string::npos);
    EXPECT_EQ(command.PassText(command.Passes[0]),
              "-y -i \"/in/a.mkv\" -c:v libxvid -c:a libmp3lame \"/out/a.avi\"");
}

} // namespace
