#include "engine/ffmpeg_report_analysis.h"

#include "engine/mediainfo_analysis.h"
#include "engine/setting_text_parsing.h"
#include "engine/tool_output.h"
#include "test_media.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TVideoFileInfo Parse(const std::vector<std::string>& lines)
{
    TVideoFileInfo info;
    ParseFFmpegReport(lines, info);
    return info;
}

const std::string H264Line = "  Stream #0:0(und): Video: h264 (High), yuv420p, 1280x720 [SAR 1:1 DAR 16:9], "
                             "2500 kb/s, 25 fps, 25 tbr, 12800 tbn";

TEST(StreamFields, SplitAtCommasOutsideParentheses)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ(SplitStreamFields("a, ,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitStreamFields("a,b,"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitStreamFields(""), Fields{});
    EXPECT_EQ(SplitStreamFields("Video: h264 (High), yuv420p(tv, bt709, progressive), 64x48"),
              (Fields{"Video: h264 (High)", "yuv420p(tv, bt709, progressive)", "64x48"}));
    EXPECT_EQ(SplitStreamFields("a), b, (c"), (Fields{"a)", "b", "(c"}));
}

TEST(FFmpegReport, DurationLine)
{
    const TVideoFileInfo info = Parse({"  Duration: 00:01:40.00, start: 0.500000, bitrate: 1160 kb/s"});
    EXPECT_EQ(info.DurationStr, "00:01:40.00");
    EXPECT_EQ(info.Duration, 100000);
    EXPECT_EQ(info.Seconds, 100u); // the duration, not less the start time
    EXPECT_EQ(info.Start, 0u);     // 0.5 rounds to even
    EXPECT_EQ(info.VideoStreams[0].Bitrate, 1100);
}

TEST(FFmpegReport, DurationLineVariants)
{
    struct Case
    {
        const char* Line;
        uint32_t Seconds;
        uint32_t Start;
        int32_t Bitrate;
    };
    for (const Case& c : {
             Case{"Duration: 00:00:10.50, start: 1.500000, bitrate: 100 kb/s", 10, 2, 100},
             Case{"Duration: 01:00:00.00, start: 23456.780000, bitrate: 8000 kb/s", 3600, 23457, 7940},
             Case{"Duration: 00:00:03.00, start: -0.023000, bitrate: 64 kb/s", 3, 0, 64},
             Case{"Duration: N/A, start: 0.000000, bitrate: N/A", 0, 0, 0},
             Case{"Duration: 00:00:05.00", 0, 0, 0},
         }) {
        const TVideoFileInfo info = Parse({c.Line});
        EXPECT_EQ(info.Seconds, c.Seconds) << c.Line;
        EXPECT_EQ(info.Start, c.Start) << c.Line;
        EXPECT_EQ(info.VideoStreams[0].Bitrate, c.Bitrate) << c.Line;
    }
}

TEST(FFmpegReport, VideoStreamLine)
{
    const TVideoFileInfo info =
        Parse({"  Duration: 00:01:40.00, start: 0.000000, bitrate: 3000 kb/s", H264Line});
    const TVideoStreamInfo& video = info.VideoStreams[0];
    EXPECT_EQ(info.NumberOfVideoStreams, 1);
    EXPECT_TRUE(video.Exists);
    EXPECT_EQ(video.Codec, "h264 (High)");
    EXPECT_EQ(video.PixelFormat, "yuv420p");
    EXPECT_EQ(video.Width, 1280);
    EXPECT_EQ(video.Height, 720);
    EXPECT_EQ(video.Bitrate, 2500);
    EXPECT_EQ(video.FPS, 25);
    EXPECT_EQ(video.StreamIndex, 0);
    EXPECT_EQ(video.Frames, 2500u);
    EXPECT_DOUBLE_EQ(video.BitsPerPixel, 2500000.0 / (1280.0 * 720 * 25));
    EXPECT_TRUE(info.StreamsStr[0].StreamExists);
    EXPECT_EQ(info.StreamsStr[0].Str1, H264Line.substr(2));
}

TEST(FFmpegReport, VideoStreamLineVariants)
{
    struct Case
    {
        const char* Line;
        const char* PixelFormat;
        uint16_t Width;
        uint16_t Height;
        int32_t Bitrate;
        double FPS;
        uint8_t StreamIndex;
    };
    for (const Case& c : {
             // Pixel formats with inner commas, as current ffmpeg prints them.
             Case{"Stream #0:0: Video: h264 (High), yuv420p(tv, bt709, progressive), 1920x1080 [SAR 1:1 DAR "
                  "16:9], 25 fps, 25 tbr, 1k tbn (default)",
                  "yuv420p(tv, bt709, progressive)", 1920, 1080, 0, 25, 0},
             Case{"Stream #0:12[0x1e0]: Video: mpeg2video (Main), yuv420p(tv, top first), 720x576 [SAR 16:15 "
                  "DAR 4:3], 9000 kb/s, 25 fps, 25 tbr, 90k tbn",
                  "yuv420p(tv, top first)", 720, 576, 9000, 25, 12},
             Case{"Stream #0:1: Video: mpeg4, yuv420p, 33x17, 19 kb/s, 23.98 fps, 23.98 tbr, 24k tbn",
                  "yuv420p", 33, 17, 19, 23.98, 1},
             // No "fps" field: the frame rate comes from "tbr".
             Case{"Stream #0:0: Video: wmv2, yuv420p, 320x240, 400 kb/s, 29.97 tbr, 1k tbn", "yuv420p", 320,
                  240, 400, 29.97, 0},
             // An mpeg1video bitrate of 10000 kb/s and more is the buffer bound, not the bitrate.
             Case{"Stream #0:0: Video: mpeg1video, yuv420p, 352x288, 104857 kb/s, 25 fps, 25 tbr", "yuv420p",
                  352, 288, 0, 25, 0},
         }) {
        const TVideoStreamInfo video = Parse({c.Line}).VideoStreams[0];
        EXPECT_EQ(video.PixelFormat, c.PixelFormat) << c.Line;
        EXPECT_EQ(video.Width, c.Width) << c.Line;
        EXPECT_EQ(video.Height, c.Height) << c.Line;
        EXPECT_EQ(video.Bitrate, c.Bitrate) << c.Line;
        EXPECT_DOUBLE_EQ(video.FPS, c.FPS) << c.Line;
        EXPECT_EQ(video.StreamIndex, c.StreamIndex) << c.Line;
    }
}

TEST(FFmpegReport, Mpeg1VideoKeepsTheBitrateOfTheDurationLine)
{
    const TVideoFileInfo info =
        Parse({"Duration: 00:00:10.00, start: 0.000000, bitrate: 1210 kb/s",
               "Stream #0:0: Video: mpeg1video, yuv420p, 352x288, 104857 kb/s, 25 fps, 25 tbr"});
    EXPECT_EQ(info.VideoStreams[0].Bitrate, 1150);
}

TEST(FFmpegReport, AudioStreamLines)
{
    struct Case
    {
        const char* Line;
        const char* Codec;
        const char* CodecFF;
        int32_t Bitrate;
        uint8_t BitsPerSample;
        uint8_t Channels;
        uint8_t StreamIndex;
    };
    for (const Case& c : {
             Case{"Stream #0:1(eng): Audio: aac (LC) (mp4a / 0x6134706D), 48000 Hz, stereo, fltp, 128 kb/s "
                  "(default)",
                  "aac (LC) (mp4a / 0x6134706D)", "aac", 128, 0, 2, 1},
             Case{"Stream #0:2: Audio: pcm_s16le, 44100 Hz, mono, s16, 705 kb/s", "pcm_s16le", "pcm_s16le",
                  705, 16, 1, 2},
             Case{"Stream #0:3: Audio: pcm_s24le, 48000 Hz, 5.1(side), s32 (24 bit), 6912 kb/s", "pcm_s24le",
                  "pcm_s24le", 6912, 32, 0, 3},
             Case{"Stream #0:14: Audio: mp2, 22050 Hz, mono, s16p, 160 kb/s", "mp2", "mp2", 160, 0, 1, 14},
         }) {
        const TVideoFileInfo info = Parse({c.Line});
        const TAudioStreamInfo& audio = info.AudioStreams[0];
        EXPECT_EQ(info.NumberOfAudioStreams, 1);
        EXPECT_TRUE(audio.Exists);
        EXPECT_EQ(audio.Codec, c.Codec) << c.Line;
        EXPECT_EQ(audio.CodecFF, c.CodecFF) << c.Line;
        EXPECT_EQ(audio.Bitrate, c.Bitrate) << c.Line;
        EXPECT_EQ(audio.BitsPerSample, c.BitsPerSample) << c.Line;
        EXPECT_EQ(audio.Channels, c.Channels) << c.Line;
        EXPECT_EQ(audio.StreamIndex, c.StreamIndex) << c.Line;
    }
}

TEST(FFmpegReport, StreamLinesBeyondTheSlotsAreCountedOrDropped)
{
    std::vector<std::string> lines = {"Guessed Channel Layout for Input Stream #0.1 : mono"};
    for (int i = 0; i < 12; ++i) {
        lines.push_back("Stream #0:" + std::to_string(i) + ": Video: mpeg4, yuv420p, " +
                        std::to_string(100 + i) + "x50, 25 fps");
    }
    for (int i = 12; i < 70; ++i) {
        lines.push_back("Stream #0:" + std::to_string(i) + ": Audio: mp2, 22050 Hz, mono, s16p, 64 kb/s");
    }
    const TVideoFileInfo info = Parse(lines);
    EXPECT_EQ(info.StreamsStr[0].Str1, lines[1]);
    EXPECT_EQ(info.StreamsStr[63].Str1, lines[64]);
    EXPECT_EQ(info.NumberOfVideoStreams, 12);
    EXPECT_EQ(info.VideoStreams[9].Width, 109);
    EXPECT_EQ(info.NumberOfAudioStreams, 52); // of the 64 lines kept, 52 describe audio
    EXPECT_EQ(info.AudioStreams[47].StreamIndex, 59);
}

TEST(FFmpegReport, VideoSizeEstimate)
{
    struct Case
    {
        int64_t FileSize;
        std::vector<int64_t> AudioSizes;
        int64_t VideoSize;
        uint8_t Percent;
    };
    for (const Case& c : {Case{1000, {100, 200}, 700, 70}, Case{1000, {}, 0, 0}, Case{1000, {600, 400}, 0, 0},
                          Case{1000, {1500}, 0, 0}}) {
        TVideoFileInfo info;
        info.FileSize = c.FileSize;
        info.NumberOfVideoStreams = 1;
        info.NumberOfAudioStreams = static_cast<uint8_t>(c.AudioSizes.size());
        for (size_t i = 0; i < c.AudioSizes.size(); ++i) {
            info.AudioStreams[i].StreamSize = c.AudioSizes[i];
        }
        EstimateVideoStreamSize(info);
        EXPECT_EQ(info.VideoStreams[0].StreamSize, c.VideoSize);
        EXPECT_EQ(info.VideoStreams[0].StreamSizeInPercent, c.Percent);
        EXPECT_EQ(info.VideoStreams[0].StreamSizeStr, c.VideoSize ? "700 bytes" : "");
    }
}

// The real encoder and library over generated files.

struct TCodecPair
{
    std::string FFmpeg;    // start of the encoder's codec text
    std::string MediaInfo; // start of the library's format text
};

void ExpectAnalysesAgree(const std::string& file, const std::vector<TCodecPair>& videoCodecs,
                         const std::vector<TCodecPair>& audioCodecs)
{
    SCOPED_TRACE(file);
    const TVideoFileInfo report =
        Parse(ReadToolOutput(test_media::FFmpegPath(), {"-hide_banner", "-nostdin", "-i", file}));
    TVideoFileInfo library;
    library.Duration = report.Duration; // as the merge runs it: the report's duration comes first
    GetMediaInfoFileInfo(file, test_media::MediaInfoLibrary(), library);

    ASSERT_EQ(report.NumberOfVideoStreams, videoCodecs.size());
    ASSERT_EQ(report.NumberOfAudioStreams, audioCodecs.size());
    EXPECT_EQ(library.NumberOfVideoStreams, report.NumberOfVideoStreams);
    EXPECT_EQ(library.NumberOfAudioStreams, report.NumberOfAudioStreams);
    EXPECT_GT(report.Seconds, 0u);
    for (size_t i = 0; i < videoCodecs.size(); ++i) {
        const TVideoStreamInfo& a = report.VideoStreams[i];
        const TVideoStreamInfo& b = library.VideoStreams[i];
        EXPECT_TRUE(a.Codec.starts_with(videoCodecs[i].FFmpeg)) << a.Codec;
        EXPECT_TRUE(b.Codec.starts_with(videoCodecs[i].MediaInfo)) << b.Codec;
        EXPECT_EQ(a.Width, b.Width);
        EXPECT_EQ(a.Height, b.Height);
        EXPECT_DOUBLE_EQ(a.FPS, b.FPS);
        EXPECT_EQ(a.Frames, b.Frames);
    }
    for (size_t i = 0; i < audioCodecs.size(); ++i) {
        EXPECT_TRUE(report.AudioStreams[i].Codec.starts_with(audioCodecs[i].FFmpeg));
        EXPECT_TRUE(library.AudioStreams[i].Codec.starts_with(audioCodecs[i].MediaInfo));
        EXPECT_EQ(report.AudioStreams[i].Channels, library.AudioStreams[i].Channels);
        EXPECT_NEAR(report.Duration, library.AudioStreams[i].DurationMs, 60);
    }
}

TEST(FFmpegFileInfo, ReportAndLibraryAgreeOnGeneratedFiles)
{
    const TCodecPair mp2{"mp2", "MPEG Audio"};
    ExpectAnalysesAgree(test_media::VideoWithThreeAudio(), {{"mpeg4", "MPEG-4 Visual"}}, {mp2, mp2, mp2});
    ExpectAnalysesAgree(test_media::AudioOnly(), {}, {{"aac", "AAC"}});
    ExpectAnalysesAgree(test_media::OddDimensions(), {{"h264", "AVC"}}, {});
    ExpectAnalysesAgree(test_media::Interlaced(), {{"mpeg2video", "MPEG Video"}}, {mp2});
}

TEST(FFmpegFileInfo, MergesTheLibraryOverTheReport)
{
    const std::string file = test_media::VideoWithThreeAudio();
    const TVideoFileInfo info =
        GetFFmpegFileInfo(file, test_media::FFmpegPath(), test_media::MediaInfoLibrary());
    EXPECT_EQ(info.FileName, file);
    EXPECT_EQ(info.FileSize, static_cast<int64_t>(std::filesystem::file_size(file)));
    // The report's text of about a second stands (the library would write milliseconds).
    EXPECT_NEAR(TimeStrToSeconds(info.DurationStr), 1.0, 0.1) << info.DurationStr;
    EXPECT_EQ(info.DurationStr.size(), std::string("00:00:01.00").size()) << info.DurationStr;
    EXPECT_EQ(info.Format, "Matroska");
    const TVideoStreamInfo& video = info.VideoStreams[0];
    EXPECT_TRUE(video.Exists);
    EXPECT_TRUE(video.PixelFormat.starts_with("yuv420p")) << video.PixelFormat;
    EXPECT_EQ(video.Codec, "MPEG-4 Visual"); // the library has the last word
    EXPECT_EQ(video.Frames, 25u);
    EXPECT_EQ(info.AudioStreams[2].CodecFF, "mp2");
    EXPECT_EQ(info.AudioStreams[2].StreamIndex, 3);
    EXPECT_EQ(info.AudioStreams[2].Language, "French");
    EXPECT_GT(video.StreamSize, 0);
}

TEST(FFmpegFileInfo, AwkwardFileNamesReachBothTools)
{
    const TVideoFileInfo info = GetFFmpegFileInfo(test_media::AwkwardName(), test_media::FFmpegPath(),
                                                  test_media::MediaInfoLibrary());
    EXPECT_EQ(info.NumberOfAudioStreams, 3);
    EXPECT_TRUE(info.StreamsStr[3].StreamExists);
    EXPECT_EQ(info.Format, "Matroska");
}

TEST(FFmpegFileInfo, WithoutTheLibraryTheReportStands)
{
    const TVideoFileInfo info = GetFFmpegFileInfo(test_media::Interlaced(), test_media::FFmpegPath(), "");
    EXPECT_TRUE(info.Format.empty());
    EXPECT_TRUE(info.VideoStreams[0].Codec.starts_with("mpeg2video ")) << info.VideoStreams[0].Codec;
    EXPECT_TRUE(info.VideoStreams[0].PixelFormat.starts_with("yuv420p")) << info.VideoStreams[0].PixelFormat;
    EXPECT_EQ(info.VideoStreams[0].Width, 64);
    EXPECT_EQ(info.Seconds, 1u); // the stream starts 1.4 s into its clock
    EXPECT_EQ(info.VideoStreams[0].Frames, 25u);
}

TEST(FFmpegFileInfo, MissingFileOrEncoderGivesOnlyNameAndSize)
{
    const std::string file = test_media::VideoWithThreeAudio();
    for (const auto& [media, encoder] :
         {std::pair{file, test_media::Folder() + "/no_ffmpeg"},
          std::pair{test_media::Folder() + "/missing.mkv", test_media::FFmpegPath()}}) {
        TVideoFileInfo expected;
        expected.FileName = media;
        expected.FileSize = media == file ? static_cast<int64_t>(std::filesystem::file_size(file)) : 0;
        EXPECT_EQ(GetFFmpegFileInfo(media, encoder, test_media::MediaInfoLibrary()), expected);
    }
}

} // namespace
