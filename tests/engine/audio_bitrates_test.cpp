#include "engine/audio_bitrates.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

TEST(AudioBitrates, MaximumByEncoderNameAndSamplingRate)
{
    struct Case
    {
        std::string codec;
        int32_t rate, expected;
    };
    const Case cases[] =
        {
            {"LIBMP3LAME", 44100, 320}, {"libmp3lame", 16000, 160}, {"mp2", 48000, 384},
            {"ac3", 22050, 320},        {"libfdk_aac", 16000, 96},  {"aac", 44100, 256},
            {"wmav2", 24000, 640},      {"auto", 44100, 111},       {"libmp3lame", 96000, 111},
            {"libmp3lame", 81536, 111}, // would alias 16000 Hz if the rate were cut to 16 bits
        };
    for (const Case& c : cases)
        EXPECT_EQ(GetMaxAudioBitrate(c.codec, c.rate, 111), c.expected) << c.codec << " " << c.rate;
}

TEST(AudioBitrates, RoundingToAllowedSteps)
{
    struct Case
    {
        int32_t bitrate, expected;
    };
    // Default 128, minimum 96, maximum 320.
    const Case cases[] = {{0, 96},    {95, 96},   {96, 96},   {97, 112}, {150, 160},
                          {320, 320}, {321, 320}, {448, 320}, {700, 320}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundAudioBitrate(c.bitrate, 128, 96, 320), c.expected) << c.bitrate;
    EXPECT_EQ(RoundAudioBitrate(700, 128, 32, 1000), 128); // beyond the steps: the default
    EXPECT_EQ(RoundAudioBitrate(33, 128, 8, 640), 40);
}

TEST(AudioBitrates, EntryStepsFollowTheLimits)
{
    const TAudioBitrateEntry& aac16k = AudioBitrateTable[0 * 6 + 3];
    EXPECT_EQ(aac16k.Min, 8);
    EXPECT_EQ(aac16k.Max, 96);
    for (size_t i = 0; i < AudioBitrateSteps.size(); ++i)
        EXPECT_EQ(aac16k.Steps[i], AudioBitrateSteps[i] <= 96) << AudioBitrateSteps[i];
    EXPECT_EQ(MinAudioBitrate, 96);
}

TEST(AudioBitrates, InformationText)
{
    const std::vector<std::string> lines = AudioBitrateInfoLines(AudioBitrateTable);
    ASSERT_EQ(lines.size(), 1u + 6 * 8);
    EXPECT_EQ(lines[0], "AUDIO BITRATE INFO");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Sampling rate: 16000");
    EXPECT_EQ(
        lines[3],
        " MP3:    8  16  24  32  40  48  56  64  80  96 112 128 160   -   -   -   -   -   -   -   -   -");
    EXPECT_EQ(
        lines[8],
        "WMA2:    -   -  24  32  40  48  56  64  80  96 112 128 160 192 224 256 320 384 448 512 576 640");
    EXPECT_EQ(lines[42], "Sampling rate: 48000");

    ScratchFolder folder;
    const std::string file = folder / "audio_bitrates.txt";
    ASSERT_TRUE(GetAudioBitrateInfoText(AudioBitrateTable, file));
    std::ifstream in(file);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "AUDIO BITRATE INFO");
    EXPECT_FALSE(GetAudioBitrateInfoText(AudioBitrateTable, folder / "missing/audio_bitrates.txt"));
}
