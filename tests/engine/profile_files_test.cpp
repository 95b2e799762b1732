#include "engine/profile_files.h"

#include "../support/scratch_folder.h"
#include "file_events.h"
#include "platform/system/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

namespace {

ProfileLoadContext Context(int32_t defaultVideoCodec = 0)
{
    ProfileLoadContext context;
    context.DefaultVideoCodecIndex = defaultVideoCodec;
    context.AutoText = "Automatisch";
    context.VideoCopyCaption = "Videoström köpieren";
    context.AudioCopyCaption = "Audiostrom kopieren";
    context.ResolutionItemCount = 17;
    return context;
}

// Every setting a profile holds, away from its default.
EncoderSettings ChangedSettings()
{
    EncoderSettings s = DefaultEncoderSettings(0);
    s.OutputFormat = ofMpg;
    s.Avi = {ItemIndex::AviCodecH264,
             ComboText::Typed("8"),
             ComboText::Typed("1500"),
             ComboText::Typed("23.976"),
             ComboText::Typed("16:9"),
             true,
             true};
    s.Mpg = {ItemIndex::MpgPresetNtscDvd, 1, ComboText::Typed("6000"), ComboText::Typed("29.97"), true, true};
    s.Audio = {3, ComboText::Typed("192"), ComboText::Typed("44100"), 2, 150, true};
    AdvancedSettings& a = s.Advanced;
    a.Interlacing = ItemIndex::InterlacingDeinterlace;
    a.Resolution = 5;
    a.ResWidth = 1280;
    a.ResHeight = 720;
    a.CropTop = 8;
    a.CropBottom = 16;
    a.CropLeft = 24;
    a.CropRight = 32;
    a.ForceVideoTag = true;
    a.VideoTag = "DX50";
    a.ConvertColors = true;
    a.ConvertColorsValue = ItemIndex::ConvertColorsSepia;
    a.Brightness = true;
    a.BrightnessValue = -5;
    a.Saturation = true;
    a.SaturationValue = 15;
    a.FlipHorizontal = a.FlipVertical = a.Negative = a.Rotate = true;
    a.RotateText = "90";
    a.AdditionalParams = "-metadata title=\"a b\"";
    return s;
}

using SectionKeys = std::map<std::string, std::map<std::string, std::string>>;

const SectionKeys ChangedSettingsKeys = {
    {"MAIN", {{"AppName", "Quillmark"}, {"AppVer", "1.10"}, {"OutputFormat", "MPG"}}},
    {"AVI",
     {{"VideoCodec", "H.264"},
      {"VideoBitrate", "1500"},
      {"VideoFPS", "23.976"},
      {"VideoAspect", "16:9"},
      {"Video2Pass", "1"},
      {"DoNotCopyVideo", "1"},
      {"EncoderThreads", "8"}}},
    {"MPG",
     {{"VideoFormat", "1"},
      {"MPEGVersion", "1"},
      {"VideoBitrate", "6000"},
      {"VideoFPS", "29.97"},
      {"Video2Pass", "1"},
      {"DoNotCopyVideo", "1"}}},
    {"AUDIO",
     {{"AudioCodec", "AC3"},
      {"AudioBitrate", "192"},
      {"AudioSampling", "44100"},
      {"AudioChannels", "2"},
      {"DoNotCopyAudio", "1"},
      {"Volume", "150"}}},
    {"ADVANCED",
     {{"Resolution", "5"},
      {"ResWidth", "1280"},
      {"ResHeight", "720"},
      {"ForceVideoTag", "1"},
      {"VideoTag", "DX50"},
      {"CropTop", "8"},
      {"CropBottom", "16"},
      {"CropLeft", "24"},
      {"CropRight", "32"},
      {"AdditionalParams", "-metadata title=&quot;a b&quot;"},
      {"Interlacing", "1"},
      {"ConvertColors", "1"},
      {"ConvertColorsValue", "1"},
      {"Brightness", "1"},
      {"BrightnessValue", "-5"},
      {"Saturation", "1"},
      {"SaturationValue", "15"},
      {"FlipHorizontal", "1"},
      {"FlipVertical", "1"},
      {"Negative", "1"},
      {"Rotate", "1"},
      {"RotateValue", "90"}}},
};

SectionKeys ReadAllKeys(const std::string& fileName)
{
    const TIniFile ini(fileName);
    SectionKeys result;
    for (const std::string& section : ini.ReadSections())
        for (const std::string& key : ini.ReadSection(section))
            result[section][key] = ini.ReadString(section, key, "");
    return result;
}

} // namespace

TEST(ProfileFiles, EveryKeyIsWrittenAndReadBack)
{
    ScratchFolder folder;
    const std::string file = (folder / "all.ini");
    const EncoderSettings changed = ChangedSettings();
    SaveProfile(file, changed);
    EXPECT_EQ(ReadAllKeys(file), ChangedSettingsKeys);

    EncoderSettings loaded = DefaultEncoderSettings(0);
    ASSERT_TRUE(LoadProfile(file, loaded, Context()));
    EXPECT_EQ(loaded, changed);
}

TEST(ProfileFiles, AutomaticItemsAreSavedEmptyAndLoadBackAutomatic)
{
    ScratchFolder folder;
    const std::string file = (folder / "auto.ini");
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Avi.Bitrate = ComboText::Typed("12a"); // not a number: not kept
    SaveProfile(file, settings);
    for (const char* key : {"VideoBitrate", "VideoFPS", "VideoAspect", "EncoderThreads"})
        EXPECT_EQ(ReadAllKeys(file)["AVI"][key], "") << key;

    EncoderSettings loaded = ChangedSettings();
    ASSERT_TRUE(LoadProfile(file, loaded, Context()));
    EXPECT_EQ(loaded.Avi, DefaultAviVideoSettings(0));
    EXPECT_EQ(loaded.Audio, DefaultAudioSettings());
    EXPECT_EQ(loaded.Mpg, DefaultMpgVideoSettings());
}

TEST(ProfileFiles, CodecNamesAreReadTolerantly)
{
    const struct
    {
        const char* Name;
        int32_t Video;
        int32_t Audio;
    } cases[] = {
        {"h.264", 2, -1},
        {"H264", 2, -1},
        {"x264", 2, -1},
        {"H-264", 2, -1},
        {"Xvid", 0, -1},
        {"divx3", 1, -1},
        {"Motion JPEG", 7, -1},
        {"wmv", 6, -1},
        {"Theora", -1, -1},
        {"copy", 9, 8},
        {"audiostrom kopieren", -1, 8},
        {"VIDEOSTRÖM KÖPIEREN", 9, -1},
        {"wav", -1, 7},
        {"WMA v1", -1, 5},
        {"a.c-3", -1, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetVideoCodecIndexByName(c.Name, -1, "Videoström köpieren"), c.Video) << c.Name;
        EXPECT_EQ(GetAudioCodecIndexByName(c.Name, -1, "Audiostrom kopieren"), c.Audio) << c.Name;
    }
    EXPECT_EQ(GetVideoCodecIniName(2, "XVID"), "H.264");
    EXPECT_EQ(GetVideoCodecIniName(10, "XVID"), "XVID");
    EXPECT_EQ(GetAudioCodecIniName(9, "MP3"), "MP3");
}

TEST(ProfileFiles, CodecChoicesFallBackToTheDefaults)
{
    const struct
    {
        const char* Lines; // the AVI and AUDIO sections' codec keys
        int32_t DefaultVideoCodec;
        int32_t Video;
        int32_t Audio;
    } cases[] = {
        {"", 2, ItemIndex::AviCodecXvid, ItemIndex::AudioCodecAuto}, // missing keys read as Xvid and Auto
        {"[AVI]\nVideoCodec=3\n[AUDIO]\nAudioCodec=4\n", 2, 3, 4},
        {"[AVI]\nVideoCodec=57\n[AUDIO]\nAudioCodec=-1\n", 2, 2, 0},
        {"[AVI]\nVideoCodec=Theora\n[AUDIO]\nAudioCodec=Vorbis\n", 2, 2, 0},
        {"[AVI]\nVideoCodec=99999999999999999999\n", 2, 2, 0},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        const std::string file = folder.Write("codec.ini", c.Lines);
        EncoderSettings settings = ChangedSettings();
        ASSERT_TRUE(LoadProfile(file, settings, Context(c.DefaultVideoCodec)));
        EXPECT_EQ(settings.Avi.Codec, c.Video) << c.Lines;
        EXPECT_EQ(settings.Audio.Codec, c.Audio) << c.Lines;
    }
}

TEST(ProfileFiles, MalformedValuesKeepOrRepairAndLoseNothingElse)
{
    ScratchFolder folder;
    const std::string file =
        folder.Write("bad.ini", "garbage without a section\n"
                                "\x01\xff\xfe=??\n"
                                "[MAIN]\nOutputFormat=avi\n"
                                "[AVI]\nVideoBitrate=12a\nVideoAspect=wide\n"
                                "VideoFPS=automatisch\nVideo2Pass=yes\nEncoderThreads= 4\n"
                                "[MPG]\nVideoFormat=7\nMPEGVersion=1\n"
                                "[AUDIO]\nAudioChannels=-1\nVolume=500\n"
                                "AudioSampling=99999999999999\n"
                                "[ADVANCED]\nResolution=17\nResWidth=99999999999\n"
                                "ResHeight=1\nCropTop=6000\nInterlacing=5\n"
                                "SaturationValue=31\nBrightnessValue=-21\n"
                                "ConvertColorsValue=2\nRotateValue=45\n"
                                "Negative=0x0\nFlipVertical=-7\n");
    EncoderSettings settings = ChangedSettings();
    ASSERT_TRUE(LoadProfile(file, settings, Context()));

    EncoderSettings expected = ChangedSettings();
    expected.OutputFormat = ofAvi;
    expected.Avi.Bitrate = ComboText::Automatic();
    expected.Avi.Aspect = ComboText::Automatic();
    expected.Avi.FPS = ComboText::Automatic();
    expected.Avi.Threads = ComboText::Typed("4");
    expected.Avi.Codec = ItemIndex::AviCodecXvid; // missing codec keys read as Xvid and Auto
    expected.Audio.Codec = ItemIndex::AudioCodecAuto;
    expected.Mpg.MpegVersion = 1;
    expected.Audio.Volume = 300;
    expected.Audio.Sampling = ComboText::Automatic();
    expected.Advanced.ResHeight = 2;
    expected.Advanced.CropTop = 5000;
    expected.Advanced.Interlacing = 0;
    expected.Advanced.SaturationValue = 10;
    expected.Advanced.BrightnessValue = 0;
    expected.Advanced.ConvertColorsValue = 0;
    expected.Advanced.RotateText = "45";
    expected.Advanced.Negative = false;
    EXPECT_EQ(settings, expected);
}

TEST(ProfileFiles, SavingKeepsWhatWasWrittenByHand)
{
    ScratchFolder folder;
    const std::string file =
        folder.Write("hand.ini", "; my fast profile\n"
                                 "[MAIN]\nDisplayName=Fast [clb=#FF0000]\nSortIndex=1.5\n"
                                 "AppName=Old\n"
                                 "[NOTES]\nWho=me\n");
    SaveProfile(file, DefaultEncoderSettings(0));
    SectionKeys keys = ReadAllKeys(file);
    EXPECT_EQ(keys["MAIN"]["DisplayName"], "Fast [clb=#FF0000]");
    EXPECT_EQ(keys["MAIN"]["SortIndex"], "1.5");
    EXPECT_EQ(keys["MAIN"]["AppName"], "Quillmark");
    EXPECT_EQ(keys["NOTES"]["Who"], "me");
    std::string firstLine;
    std::getline(std::ifstream(file), firstLine);
    EXPECT_EQ(firstLine, "; my fast profile");
}

TEST(ProfileFiles, AdditionalParamsKeepQuotesAndBecomeOneLine)
{
    ScratchFolder folder;
    const std::string file = (folder / "params.ini");
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Advanced.AdditionalParams = "  -vf \"scale=2:2\"\r\n-metadata title=\"&quot;x\"\n";
    SaveProfile(file, settings);
    EncoderSettings loaded = DefaultEncoderSettings(0);
    ASSERT_TRUE(LoadProfile(file, loaded, Context()));
    // A literal "&quot;" typed by the user reads back as a quote: the stored form cannot tell them apart.
    EXPECT_EQ(loaded.Advanced.AdditionalParams, "-vf \"scale=2:2\" -metadata title=\"\"x\"");
}

TEST(ProfileFiles, AMissingFileChangesNothingAndAFailedSaveRaises)
{
    ScratchFolder folder;
    EncoderSettings settings = ChangedSettings();
    EXPECT_FALSE(LoadProfile((folder / "none.ini"), settings, Context()));
    EXPECT_FALSE(LoadProfile(folder.Path(), settings, Context()));
    EXPECT_EQ(settings, ChangedSettings());
    const std::string notAFolder = folder.Write("plain", "");
    EXPECT_THROW(SaveProfile(notAFolder + "/x.ini", settings), EIniFileError);
}

// A save reads the profile once and replaces it once, with every key or, when a value cannot be stored, with
// none; a load reads it once.
TEST(ProfileFiles, SavedAndLoadedInOneGo)
{
    ScratchFolder folder;
    const std::string file = folder / "one.ini";
    FileEvents events(folder.Path());
    SaveProfile(file, ChangedSettings());
    EXPECT_EQ(events.MovedIn("one.ini"), 1);
    EXPECT_LE(events.Opened("one.ini"), 1);

    events.Reset();
    EncoderSettings loaded = DefaultEncoderSettings(0);
    ASSERT_TRUE(LoadProfile(file, loaded, Context()));
    EXPECT_EQ(events.Opened("one.ini"), 1);

    const SectionKeys before = ReadAllKeys(file);
    EncoderSettings unstorable = DefaultEncoderSettings(0);
    unstorable.Advanced.VideoTag = "two\nlines";
    EXPECT_THROW(SaveProfile(file, unstorable), EIniFileError);
    EXPECT_EQ(ReadAllKeys(file), before);
}
