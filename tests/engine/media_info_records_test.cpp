#include "engine/media_info_records.h"

#include <gtest/gtest.h>

namespace {

// A record with a value in every field, including the last slot of every array.
TVideoFileInfo FilledRecord()
{
    TVideoFileInfo info;
    info.FileName = "/media/film.mkv";
    info.FileSize = 1234;
    info.Seconds = 5;
    info.Duration = 5000;
    info.DurationStr = "00:00:05.00";
    info.Start = 1;
    info.Format = "Matroska";
    info.FormatInfo = "info";
    info.OverallBitrate = 800;
    info.StreamsStr[MaxStreamLines - 1] = {true, "Stream #0:63"};
    TVideoStreamInfo& video = info.VideoStreams[MaxVideoStreams - 1];
    video = {true, "h264", "avc1", "High", "yuv420p", 1.78,      "16:9", "Progressive", 1920, 1080,
             2500, 25,     0.05,   250,    9999,      "9.76 KB", 50,     "x264",        3};
    TAudioStreamInfo& audio = info.AudioStreams[MaxAudioStreams - 1];
    audio = {true, "AAC", "mp4a-40-2", "aac", "LC", 48000,     2,  "2 channels", 16, 480000,
             128,  "CBR", "English",   -22,   8000, "7.81 KB", 40, "Lavc",       2,  10000};
    info.NumberOfAudioStreams = 48;
    info.NumberOfVideoStreams = 10;
    info.NumberOfDataStreams = 58;
    info.EncodedApplication = "Lavf";
    info.MediaInfoFull = "General...";
    return info;
}

TEST(MediaInfoRecords, ClearLeavesNothingOfAnEarlierAnalysis)
{
    TVideoFileInfo info = FilledRecord();
    ClearVideoFileInfo(info);
    EXPECT_EQ(info, TVideoFileInfo{});
    EXPECT_TRUE(info.AudioStreams[MaxAudioStreams - 1].CodecID.empty());
    EXPECT_EQ(info.AudioStreams[MaxAudioStreams - 1].DurationMs, 0);
}

TEST(MediaInfoRecords, AssignmentCopiesEveryString)
{
    const TVideoFileInfo source = FilledRecord();
    TVideoFileInfo copy = source;
    copy.AudioStreams[MaxAudioStreams - 1].Language = "German";
    copy.StreamsStr[MaxStreamLines - 1].Str1.clear();
    copy.FileName[0] = 'X';
    EXPECT_EQ(source.AudioStreams[MaxAudioStreams - 1].Language, "English");
    EXPECT_EQ(source.StreamsStr[MaxStreamLines - 1].Str1, "Stream #0:63");
    EXPECT_EQ(source.FileName, "/media/film.mkv");
}

TEST(MediaInfoRecords, SlotCountsNeverExceedTheArrays)
{
    TVideoFileInfo info;
    info.NumberOfVideoStreams = 12;
    info.NumberOfAudioStreams = 200;
    EXPECT_EQ(VideoStreamSlotCount(info), MaxVideoStreams);
    EXPECT_EQ(AudioStreamSlotCount(info), MaxAudioStreams);
    info.NumberOfVideoStreams = 1;
    info.NumberOfAudioStreams = 3;
    EXPECT_EQ(VideoStreamSlotCount(info), 1u);
    EXPECT_EQ(AudioStreamSlotCount(info), 3u);
}

TEST(MediaInfoRecords, NumbersSaturateInNarrowFields)
{
    uint32_t frames = 7;
    AssignClamped(frames, -1);
    EXPECT_EQ(frames, 0u);
    uint16_t width = 0;
    AssignClamped(width, 70000);
    EXPECT_EQ(width, 65535);
    uint8_t count = 0;
    AssignClamped(count, 300);
    EXPECT_EQ(count, 255);
    int32_t bitrate = 0;
    AssignClamped(bitrate, int64_t{5'000'000'000});
    EXPECT_EQ(bitrate, INT32_MAX);
    AssignClamped(count, 42.0);
    EXPECT_EQ(count, 42);
}

TEST(MediaInfoRecords, BitsPerPixelNeedsEveryFactor)
{
    TVideoStreamInfo video;
    video.Bitrate = 2500, video.Width = 1280, video.Height = 720, video.FPS = 25;
    UpdateBitsPerPixel(video);
    EXPECT_DOUBLE_EQ(video.BitsPerPixel, 2500000.0 / (1280.0 * 720 * 25));
    video.BitsPerPixel = 0.5;
    video.FPS = 0;
    UpdateBitsPerPixel(video);
    EXPECT_DOUBLE_EQ(video.BitsPerPixel, 0.5);
}

} // namespace
