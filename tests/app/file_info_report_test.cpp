// The media information window's value texts and its text report, from records made by hand.

#include "app/model/media_info_texts.h"
#include "app/model/media_report.h"
#include "bitwise_crc32.h"
#include "engine/app_strings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const TFileInfoModuleStrings& EnglishTexts()
{
    static const TAppStrings strings;
    return strings.FileInfo;
}

// One video stream, two audio streams, three stream lines and a library report.
TVideoFileInfo ClipRecord()
{
    TVideoFileInfo info;
    info.FileName = "/media/clip.mkv";
    info.FileSize = 1536;
    info.DurationStr = "00:00:01.000";
    info.OverallBitrate = 1234;
    info.Format = "Matroska";
    info.EncodedApplication = "Lavf";
    info.NumberOfDataStreams = 3;
    info.NumberOfVideoStreams = 1;
    info.NumberOfAudioStreams = 2;
    TVideoStreamInfo& video = info.VideoStreams[0];
    video.Codec = "MPEG-4 Visual";
    video.CodecID = "V_MPEG4/ISO/ASP";
    video.Profile = "Simple@L1";
    video.Width = 1920;
    video.Height = 1080;
    video.DARStr = "16:9";
    video.FPS = 25;
    video.ScanType = " Progressive";
    video.PixelFormat = "yuv420p";
    video.BitsPerPixel = 0.5;
    video.Frames = 1500;
    video.EncodedLibrary = "Lavc";
    TAudioStreamInfo& first = info.AudioStreams[0];
    first.Codec = "MPEG Audio";
    first.CodecID = "A_MPEG/L2";
    first.Profile = "Layer 2";
    first.Bitrate = 64;
    first.BitrateMode = "CBR";
    first.Channels = 1;
    first.SamplingRate = 22050;
    first.Frames = 22050;
    first.Language = "English";
    first.StreamSizeStr = "7.81 KB";
    first.StreamSizeInPercent = 50;
    first.StreamIndex = 1;
    TAudioStreamInfo& second = info.AudioStreams[1];
    second.Codec = "AC-3";
    second.Language = "German";
    second.StreamSizeStr = "0";
    second.StreamIndex = 2;
    info.StreamsStr[0] = {true, "Stream #0:0: Video: mpeg4 (Simple Profile), yuv420p, 1920x1080"};
    info.StreamsStr[1] = {true, "Stream #0:1(eng): Audio: mp2, 22050 Hz"};
    info.StreamsStr[2] = {false, "Stream #0:9: not described"};
    info.StreamsStr[3] = {true, "Data without colons"};
    info.MediaInfoFull = "General\r\nFormat : Matroska\n";
    return info;
}

std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(MediaInfoTexts, ValuesAsTheWindowShowsThem)
{
    const TVideoFileInfo info = ClipRecord();
    const TGeneralInfoTexts general = GeneralInfoTexts(info);
    EXPECT_EQ(general.FileSize, "1.50 KB (1 536 bytes)");
    EXPECT_EQ(general.OverallBitrate, "1 234 kbit/s");
    EXPECT_EQ(general.Format, "Matroska");
    TVideoFileInfo withFormatInfo = info;
    withFormatInfo.FormatInfo = "Matroska container";
    EXPECT_EQ(GeneralInfoTexts(withFormatInfo).Format, "Matroska (Matroska container)");

    TFileInfoModuleStrings texts = EnglishTexts();
    texts.ScanType_Progressive = "fortlaufend";
    const TVideoStreamTexts video = VideoStreamTexts(info.VideoStreams[0], texts);
    EXPECT_EQ(video.Codec, "MPEG-4 Visual (ID: V_MPEG4/ISO/ASP)");
    EXPECT_EQ(video.Bitrate, "") << "an unknown bitrate shows nothing";
    EXPECT_EQ(video.Resolution, "1 920 x 1 080");
    EXPECT_EQ(video.FPS, "25.00");
    EXPECT_EQ(video.ScanType, "fortlaufend");
    EXPECT_EQ(video.BitsPerPixel, "0.500");
    EXPECT_EQ(video.Frames, "~ 1 500");
    EXPECT_EQ(video.StreamSize, "");
    TVideoStreamInfo mbaff = info.VideoStreams[0];
    mbaff.ScanType = "MBAFF";
    EXPECT_EQ(VideoStreamTexts(mbaff, texts).ScanType, "MBAFF");

    const TAudioStreamTexts first = AudioStreamTexts(info.AudioStreams[0]);
    EXPECT_EQ(first.Bitrate, "64 kbit/s  CBR");
    EXPECT_EQ(first.SamplingRate, "22 050 Hz");
    EXPECT_EQ(first.BitsPerSample, "");
    EXPECT_EQ(first.StreamSize, "7.81 KB (50%)");
    const TAudioStreamTexts second = AudioStreamTexts(info.AudioStreams[1]);
    EXPECT_EQ(second.Codec, "AC-3");
    EXPECT_EQ(second.Bitrate, "");
    EXPECT_EQ(second.SamplingRate, "");
    EXPECT_EQ(second.StreamSize, "") << "a size of \"0\" shows nothing";
}

TEST(MediaInfoTexts, StreamLinesSplitAfterTheNumberAndLanguage)
{
    const struct
    {
        const char* line;
        TDataStreamRow row;
    } cases[] = {
        {"Stream #0:1(eng): Audio: mp2, 22050 Hz", {"Stream #0:1(eng)", "Audio: mp2, 22050 Hz"}},
        {"  Stream #0:0 :  Video: h264  ", {"Stream #0:0", "Video: h264"}},
        {"Stream #0:2:", {"Stream #0:2", ""}},
        {"Stream #0 Attachment: font", {"", "Stream #0 Attachment: font"}},
        {"no colon at all", {"", "no colon at all"}},
        {"", {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitDataStreamLine(c.line), c.row) << c.line;
}

TEST(MediaReport, WholeReportOfAClip)
{
    const std::string rule(71, '-');
    const std::string expected = CrLfLines({
        "Quillmark 1.10  [64-bit] - Video file information report",
        "",
        "File: /media/clip.mkv",
        "",
        rule,
        "GENERAL INFO",
        "",
        "File size: 1 536 bytes (1.50 KB)",
        "CRC32: $0000ABCD",
        "Duration: 00:00:01.000",
        "Overall bitrate: 1 234 kbit/s",
        "Format: Matroska",
        "Encoded application: Lavf",
        "Number of all data streams: 3",
        "Number of video streams: 1",
        "Number of audio streams: 2",
        "",
        rule,
        "VIDEO STREAM",
        "",
        "Video codec: MPEG-4 Visual",
        "Profile: Simple@L1",
        "Bitrate: ",
        "Resolution: 1 920 x 1 080",
        "Display aspect: 16:9",
        "Frames / second: 25.00",
        "Scan type: progressive",
        "Pixel format: yuv420p",
        "Bits per pixel: 0.500",
        "Frames:~ 1 500",
        "Stream size: ",
        "Encoded library: Lavc",
        "Stream index: 0",
        "",
        rule,
        "AUDIO STREAM 1",
        "Audio codec: MPEG Audio",
        "Profile: Layer 2",
        "Bitrate: 64 kbit/s  CBR",
        "Channels: 1",
        "Sampling rate: 22 050 Hz",
        "Bits per sample: ",
        "Samples:~ 22 050",
        "Video delay: 0 ms",
        "Language: English",
        "Stream size: 7.81 KB (50%)",
        "Encoded library: ",
        "Stream index: 1",
        "",
        rule,
        "AUDIO STREAM 2",
        "Audio codec: AC-3",
        "Profile: ",
        "Bitrate: ",
        "Channels: 0",
        "Sampling rate: ",
        "Bits per sample: ",
        "Samples:~ 0",
        "Video delay: 0 ms",
        "Language: German",
        "Stream size: ",
        "Encoded library: ",
        "Stream index: 2",
        "",
        rule,
        "DATA STREAMS:   (FFmpeg)",
        "   1: Stream #0:0 - Video: mpeg4 (Simple Profile), yuv420p, 1920x1080",
        "   2: Stream #0:1(eng) - Audio: mp2, 22050 Hz",
        "   3:  - Data without colons",
        "",
        rule,
        "MediaInfo",
        "",
        "General",
        "Format : Matroska",
    });
    EXPECT_EQ(MediaInfoReport(ClipRecord(), "/media/clip.mkv", 0xABCD, EnglishTexts()), expected);
}

TEST(MediaReport, StreamHeadingsAndBlocks)
{
    const TFileInfoModuleStrings& texts = EnglishTexts();
    TVideoFileInfo two = ClipRecord();
    two.NumberOfVideoStreams = 2;
    const std::string twoVideo = MediaInfoReport(two, "x", {}, texts);
    EXPECT_EQ(Occurrences(twoVideo, "\r\nVIDEO STREAM 1\r\n\r\nVideo codec: "), 1u);
    EXPECT_EQ(Occurrences(twoVideo, "\r\nVIDEO STREAM 2\r\n\r\nVideo codec: "), 1u);
    EXPECT_EQ(Occurrences(twoVideo, "\r\nVIDEO STREAM\r\n"), 0u);

    // Counts beyond the described streams report only the streams the record holds.
    TVideoFileInfo many = ClipRecord();
    many.NumberOfVideoStreams = 12;
    many.NumberOfAudioStreams = 60;
    const std::string manyStreams = MediaInfoReport(many, "x", {}, texts);
    EXPECT_EQ(Occurrences(manyStreams, "\r\nVIDEO STREAM "), MaxVideoStreams);
    EXPECT_EQ(Occurrences(manyStreams, "\r\nAUDIO STREAM "), MaxAudioStreams);
    EXPECT_EQ(Occurrences(manyStreams, "\r\nAUDIO STREAM 48\r\n"), 1u);

    TVideoFileInfo bare;
    const std::string bareReport = MediaInfoReport(bare, "/", {}, texts);
    EXPECT_EQ(Occurrences(bareReport, "STREAM"), 0u);
    EXPECT_EQ(Occurrences(bareReport, "MediaInfo"), 0u);
}

TEST(MediaReport, ChecksumLineUpToThreeHundredMebibytes)
{
    const struct
    {
        int64_t size;
        std::optional<uint32_t> crc;
        bool line;
    } cases[] = {
        {0, 0x1234ABCDu, true},
        {314572800, 0x1234ABCDu, true},
        {314572801, 0x1234ABCDu, false},
        {1536, std::nullopt, false},
    };
    for (const auto& c : cases) {
        TVideoFileInfo info = ClipRecord();
        info.FileSize = c.size;
        const std::string report = MediaInfoReport(info, "x", c.crc, EnglishTexts());
        EXPECT_EQ(Occurrences(report, "\r\nCRC32: $1234ABCD\r\n"), c.line ? 1u : 0u) << c.size;
        EXPECT_EQ(Occurrences(report, "CRC32"), c.line ? 1u : 0u) << c.size;
    }
}

// A name that is no regular file gets no checksum: "/" is what the empty window's labels give.
TEST(MediaReport, ChecksumOfRegularFilesOnly)
{
    const fs::path folder = fs::temp_directory_path() / "qm_media_report_crc";
    fs::create_directories(folder);
    const std::string bytes("The quick brown fox jumps over the lazy dog\n\0\xFF tail", 51);
    std::ofstream((folder / "file.bin").string(), std::ios::binary) << bytes;
    std::ofstream((folder / "empty.bin").string(), std::ios::binary).close();

    EXPECT_EQ(MediaReportCrc32((folder / "file.bin").string()), BitwiseCrc32(bytes));
    EXPECT_EQ(MediaReportCrc32((folder / "empty.bin").string()), 0u);
    for (const std::string& name :
         {std::string("/"), folder.string(), (folder / "gone.bin").string(), std::string()})
        EXPECT_EQ(MediaReportCrc32(name), std::nullopt) << name;
    fs::remove_all(folder);
}
