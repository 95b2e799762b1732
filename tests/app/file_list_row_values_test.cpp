// The cells of a file list row from an analysis record, the number cells' texts and the footer.

#include "app/model/file_list_footer.h"
#include "app/model/file_list_number_texts.h"
#include "app/model/file_row_values.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

namespace {

TVideoFileInfo RecordWithStreams()
{
    TVideoFileInfo info;
    info.Duration = 5025000;
    info.NumberOfVideoStreams = 1;
    TVideoStreamInfo& video = info.VideoStreams[0];
    video.Codec = "AVC";
    video.Bitrate = 2500;
    video.Width = 1920;
    video.Height = 1080;
    video.ScanType = "  Interlaced ";
    info.NumberOfAudioStreams = 1;
    TAudioStreamInfo& audio = info.AudioStreams[0];
    audio.Codec = "AAC";
    audio.Bitrate = 128;
    audio.BitrateMode = "CBR";
    audio.Channels = 2;
    return info;
}

TEST(FileRowValues, SummariesOfTheFirstStreams)
{
    TRowTexts texts;
    texts.Interlaced = "zeilensprung";
    const TFileRowValues row = MakeFileRowValues(RecordWithStreams(), texts);
    EXPECT_TRUE(row.HasVideo);
    EXPECT_EQ(row.Video.Summary, "AVC, 2 500 kbit/s, 1 920 x 1 080");
    EXPECT_EQ(row.Video.Resolution, "1 920 x 1 080");
    EXPECT_EQ(row.Video.ScanType, "zeilensprung");
    EXPECT_EQ(row.Audio.Summary, "AAC, 128 kbit/s CBR, Channels: 2");
    EXPECT_DOUBLE_EQ(row.DurationMs, 5025000);
}

TEST(FileRowValues, UnknownPartsAreLeftOut)
{
    TVideoFileInfo info;
    info.NumberOfVideoStreams = 1;
    info.VideoStreams[0].Codec = "MPEG-4 Visual";
    info.VideoStreams[0].Width = 64;
    info.VideoStreams[0].Bitrate = -5;
    info.NumberOfAudioStreams = 1;
    info.AudioStreams[0].Bitrate = 96;
    const TFileRowValues row = MakeFileRowValues(info, {});
    EXPECT_EQ(row.Video.Summary, "MPEG-4 Visual");
    EXPECT_EQ(row.Video.Bitrate, 0);
    EXPECT_EQ(row.Video.Resolution, "");
    EXPECT_EQ(row.Audio.Summary, "96 kbit/s") << "the leading separator goes with the missing codec";
    EXPECT_FALSE(MakeFileRowValues(TVideoFileInfo{}, {}).HasAudio);
}

TEST(FileRowValues, AudioCodecNames)
{
    struct Case
    {
        const char* codec;
        const char* profile;
        const char* name;
    };
    const Case cases[] = {
        {"MPEG Audio - Version 1", "Layer 3", "MP3"},
        {"MPEG Audio - Version 1", "Layer 2", "MPEG Audio - Version 1"},
        {"Lame (MP3)", "", "MP3"},
        {" WMA2 (Windows Media Audio) ", "", "WMA2"},
        {"mpeg audio - version 1", "Layer 3", "mpeg audio - version 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CleanAudioCodecName(c.codec, c.profile), c.name) << c.codec << " / " << c.profile;
}

TEST(FileListNumberTexts, CellTexts)
{
    TFormatSettings german;
    german.DecimalSeparator = ",";
    german.ThousandSeparator = ".";
    const TFormatSettingsGuard guard(german);
    struct Case
    {
        TNumberCellFormat format;
        const char* grid;
        const char* shown;
    };
    const Case cases[] = {
        {TNumberCellFormat::GroupedInteger, "1234567", "1 234 567"},
        {TNumberCellFormat::GroupedInteger, "0", "0"},
        {TNumberCellFormat::FileSize, "1536", "1.50 KB"},
        {TNumberCellFormat::FileSize, "-1", "-1 bytes"},
        {TNumberCellFormat::PositiveFileSize, "0", ""},
        {TNumberCellFormat::Duration, "5025000", "01:23:45"},
        {TNumberCellFormat::Duration, "0", ""},
        {TNumberCellFormat::PositiveInteger, "48000", "48 000"},
        {TNumberCellFormat::PositiveInteger, "0", ""},
        {TNumberCellFormat::FramesPerSecond, "23,976", "23,98"},
        {TNumberCellFormat::BitsPerPixel, "0,1234", "0,123"},
        {TNumberCellFormat::PositiveInteger, "abc", "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberCellText(c.format, c.grid), c.shown) << c.grid;
}

TEST(FileListFooter, SumsAndAveragesOfCheckedRows)
{
    TFooterSums sums;
    sums.Add({.Size = 1048576, .VideoBitrate = 1000});
    sums.Add({.Size = 1048576, .VideoBitrate = 0});
    sums.Add({.Duration = 61000, .VideoBitrate = 2000, .VideoBpp = 0.25});
    const TFileListFooterTexts texts = MakeFileListFooterTexts(4, 3, sums, "AVG");
    EXPECT_EQ(texts.No, "4");
    EXPECT_EQ(texts.Active, "3");
    EXPECT_EQ(texts.Size, "2.00 MB");
    EXPECT_EQ(texts.Duration, "00:01:01");
    EXPECT_EQ(texts.VideoBitrate, "AVG  1500.00") << "the zero is left out of the average";
    EXPECT_EQ(texts.VideoBpp, "AVG  0.250");
    EXPECT_EQ(texts.VideoFPS, "");
    EXPECT_EQ(texts.AudioStreamSize, "");
    EXPECT_EQ(MakeFileListFooterTexts(0, 0, sums, "AVG"), TFileListFooterTexts{});
}

} // namespace
