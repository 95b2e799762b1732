#include "engine/mediainfo_analysis.h"

#include "support/format_settings.h"
#include "test_media.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

namespace {

// The library's answers for one made-up file: (kind, stream number, parameter) to text.
class TAnswers
{
public:
    TAnswers& Set(TMediaInfoStreamKind kind, size_t number, const std::string& parameter,
                  const std::string& text)
    {
        Texts[{kind, number, parameter}] = text;
        return *this;
    }

    TMediaInfoGetter Getter()
    {
        return [this](TMediaInfoStreamKind kind, size_t number, const std::string& parameter) {
            Asked.insert({kind, number});
            const auto found = Texts.find({kind, number, parameter});
            return found == Texts.end() ? std::string() : found->second;
        };
    }

    std::set<std::pair<int, size_t>> Asked;

private:
    std::map<std::tuple<int, size_t, std::string>, std::string> Texts;
};

TVideoFileInfo Read(TAnswers& answers, TVideoFileInfo info = {})
{
    ReadMediaInfoValues(answers.Getter(), info);
    return info;
}

TEST(MediaInfoValues, StreamCountsLeaveOutTheGeneralStream)
{
    TAnswers answers;
    answers.Set(mskGeneral, 0, "StreamCount", "1")
        .Set(mskVideo, 0, "StreamCount", "1")
        .Set(mskAudio, 0, "StreamCount", "2")
        .Set(mskText, 0, "StreamCount", "2")
        .Set(mskMenu, 0, "StreamCount", "1");
    const TVideoFileInfo info = Read(answers);
    EXPECT_EQ(info.NumberOfVideoStreams, 1);
    EXPECT_EQ(info.NumberOfAudioStreams, 2);
    EXPECT_EQ(info.NumberOfDataStreams, 6);
}

TEST(MediaInfoValues, MoreVideoStreamsThanSlotsFillOnlyTheSlots)
{
    TAnswers answers;
    answers.Set(mskVideo, 0, "StreamCount", "12");
    for (size_t i = 0; i < 12; ++i) {
        answers.Set(mskVideo, i, "Width", std::to_string(100 + i));
    }
    const TVideoFileInfo info = Read(answers);
    EXPECT_EQ(info.NumberOfVideoStreams, 12);
    EXPECT_EQ(info.VideoStreams[9].Width, 109);
    EXPECT_FALSE(answers.Asked.contains({mskVideo, 10}));
}

TEST(MediaInfoValues, GeneralValues)
{
    TAnswers answers;
    answers.Set(mskGeneral, 0, "StreamCount", "1")
        .Set(mskGeneral, 0, "Format", "Matroska")
        .Set(mskGeneral, 0, "Format/Info", "container")
        .Set(mskGeneral, 0, "OverallBitRate", "557999")
        .Set(mskGeneral, 0, "Encoded_Library", "Lavf59");
    const TVideoFileInfo info = Read(answers);
    EXPECT_EQ(info.Format, "Matroska");
    EXPECT_EQ(info.FormatInfo, "container");
    EXPECT_EQ(info.OverallBitrate, 557);
    EXPECT_EQ(info.EncodedApplication, "Lavf59");
}

TEST(MediaInfoValues, AudioBitrates)
{
    struct Case
    {
        const char* BitRate;
        const char* Mode;
        int32_t Expected;
    };
    for (const Case& c : {Case{"128000 / 96000", "", 112}, Case{"191999", "cbr", 192},
                          Case{"191999", "VBR", 191}, Case{"abc", "", 7}, Case{"-5000", "", 7}}) {
        TAnswers answers;
        answers.Set(mskAudio, 0, "StreamCount", "1")
            .Set(mskAudio, 0, "BitRate", c.BitRate)
            .Set(mskAudio, 0, "BitRate_Mode", c.Mode);
        TVideoFileInfo before;
        before.AudioStreams[0].Bitrate = 7;
        EXPECT_EQ(Read(answers, before).AudioStreams[0].Bitrate, c.Expected) << c.BitRate << " " << c.Mode;
    }
}

TEST(MediaInfoValues, StreamSizeTexts)
{
    TAnswers answers;
    answers.Set(mskVideo, 0, "StreamCount", "1")
        .Set(mskVideo, 0, "StreamSize", "1299227607")
        .Set(mskVideo, 0, "StreamSize/String", "1.21 GiB (93%)")
        .Set(mskAudio, 0, "StreamCount", "2")
        .Set(mskAudio, 0, "StreamSize/String", "850 kib")
        .Set(mskAudio, 1, "StreamSize", "3000000000"); // beyond 32 bits
    TVideoFileInfo before;
    before.AudioStreams[0].StreamSizeInPercent = 12;
    const TVideoFileInfo info = Read(answers, before);
    EXPECT_EQ(info.VideoStreams[0].StreamSize, 1299227607);
    EXPECT_EQ(info.VideoStreams[0].StreamSizeStr, "1.21 GB");
    EXPECT_EQ(info.VideoStreams[0].StreamSizeInPercent, 93);
    EXPECT_EQ(info.AudioStreams[0].StreamSizeStr, "850 KB");
    EXPECT_EQ(info.AudioStreams[0].StreamSizeInPercent, 12);
    EXPECT_EQ(info.AudioStreams[1].StreamSize, 3000000000);
}

TEST(MediaInfoValues, CodecTexts)
{
    TAnswers answers;
    answers.Set(mskVideo, 0, "StreamCount", "1")
        .Set(mskVideo, 0, "Format", "AVC")
        .Set(mskVideo, 0, "CodecID", "AVC")
        .Set(mskAudio, 0, "StreamCount", "4")
        .Set(mskAudio, 0, "Format", "AAC")
        .Set(mskAudio, 0, "CodecID/Hint", "mp4a-40-2")
        .Set(mskAudio, 1, "Format", "MP3")
        .Set(mskAudio, 1, "CodecID/Hint", "MP3")
        .Set(mskAudio, 2, "Format", "MPEG Audio")
        .Set(mskAudio, 2, "Format_Version", "Version 1")
        .Set(mskAudio, 2, "CodecID/Hint", "80")
        .Set(mskAudio, 2, "CodecID/Info", "MPEG-1 Layer 3")
        .Set(mskAudio, 3, "Format", "PCM")
        .Set(mskAudio, 3, "CodecID", "1");
    const TVideoFileInfo info = Read(answers);
    EXPECT_EQ(info.VideoStreams[0].Codec, "AVC");
    EXPECT_EQ(info.VideoStreams[0].CodecID, "AVC");
    EXPECT_EQ(info.AudioStreams[0].Codec, "AAC (mp4a-40-2)");
    EXPECT_EQ(info.AudioStreams[1].Codec, "MP3");
    EXPECT_EQ(info.AudioStreams[2].Codec, "MPEG Audio - Version 1 (MPEG-1 Layer 3)");
    EXPECT_EQ(info.AudioStreams[3].Codec, "PCM");
    EXPECT_EQ(info.AudioStreams[3].CodecID, "1");
}

TEST(MediaInfoValues, UnknownFrameCountIsEstimatedFromTheDuration)
{
    TAnswers answers;
    answers.Set(mskVideo, 0, "StreamCount", "2")
        .Set(mskVideo, 0, "FrameCount", "-1")
        .Set(mskVideo, 0, "FrameRate", "25.000")
        .Set(mskVideo, 1, "FrameCount", "-1");
    TVideoFileInfo withDuration;
    withDuration.Duration = 10000;
    EXPECT_EQ(Read(answers, withDuration).VideoStreams[0].Frames, 250u);
    // Without a duration an unknown count must not turn into a huge progress total.
    TVideoFileInfo withoutDuration;
    withoutDuration.VideoStreams[0].Frames = 3;
    EXPECT_EQ(Read(answers, withoutDuration).VideoStreams[0].Frames, 3u);
    EXPECT_EQ(Read(answers, withoutDuration).VideoStreams[1].Frames, 0u);
}

TEST(MediaInfoValues, AudioDurationFillsOnlyAnEmptyFileDuration)
{
    TAnswers answers;
    answers.Set(mskAudio, 0, "StreamCount", "1").Set(mskAudio, 0, "Duration", "2016.000000");
    TVideoFileInfo fromReport;
    fromReport.Duration = 3000;
    fromReport.DurationStr = "00:00:03.00";
    TVideoFileInfo info = Read(answers, fromReport);
    EXPECT_EQ(info.Duration, 3000);
    EXPECT_EQ(info.DurationStr, "00:00:03.00");
    EXPECT_EQ(info.AudioStreams[0].DurationMs, 2016);

    info = Read(answers);
    EXPECT_EQ(info.Duration, 2016);
    EXPECT_EQ(info.DurationStr, "00:00:02.016");
}

TEST(MediaInfoValues, DecimalTextsFollowTheLocaleSeparator)
{
    TFormatSettings comma;
    comma.DecimalSeparator = ",";
    const TFormatSettingsGuard guard(comma);
    TAnswers answers;
    answers.Set(mskVideo, 0, "StreamCount", "1")
        .Set(mskVideo, 0, "FrameRate", "23.976")
        .Set(mskVideo, 0, "DisplayAspectRatio", "1.778")
        .Set(mskVideo, 0, "DisplayAspectRatio/String", "16:9")
        .Set(mskVideo, 0, "Bits-(Pixel*Frame)", "0.104");
    const TVideoStreamInfo video = Read(answers).VideoStreams[0];
    EXPECT_DOUBLE_EQ(video.FPS, 23.976);
    EXPECT_DOUBLE_EQ(video.DAR, 1.778);
    EXPECT_EQ(video.DARStr, "16:9");
    EXPECT_DOUBLE_EQ(video.BitsPerPixel, 0.104);
}

// The real library over generated files.

TEST(MediaInfoLibrary, ReadsAGeneratedFile)
{
    TVideoFileInfo info;
    GetMediaInfoFileInfo(test_media::VideoWithThreeAudio(), test_media::MediaInfoLibrary(), info);
    EXPECT_EQ(info.Format, "Matroska");
    EXPECT_EQ(info.NumberOfVideoStreams, 1);
    EXPECT_EQ(info.NumberOfAudioStreams, 3);
    EXPECT_EQ(info.NumberOfDataStreams, 4);
    EXPECT_EQ(info.VideoStreams[0].Width, 64);
    EXPECT_EQ(info.VideoStreams[0].Frames, 25u);
    EXPECT_EQ(info.VideoStreams[0].ScanType, "Progressive");
    EXPECT_EQ(info.AudioStreams[0].Language, "English");
    EXPECT_EQ(info.AudioStreams[1].Language, "German");
    EXPECT_EQ(info.AudioStreams[2].Language, "French");
    EXPECT_EQ(info.AudioStreams[0].SamplingRate, 22050);
    EXPECT_GT(info.AudioStreams[0].DurationMs, 900);
    EXPECT_NE(info.MediaInfoFull.find("Matroska"), std::string::npos);
}

TEST(MediaInfoLibrary, ReadsAnInterlacedFile)
{
    TVideoFileInfo info;
    GetMediaInfoFileInfo(test_media::Interlaced(), test_media::MediaInfoLibrary(), info);
    EXPECT_EQ(info.VideoStreams[0].ScanType, "Interlaced");
}

TEST(MediaInfoLibrary, FileNamesAreUtf8WhateverTheLocale)
{
    TVideoFileInfo info;
    GetMediaInfoFileInfo(test_media::AwkwardName(), test_media::MediaInfoLibrary(), info);
    EXPECT_EQ(info.NumberOfAudioStreams, 3);
    EXPECT_NE(info.MediaInfoFull.find("caf\xC3\xA9"), std::string::npos);
}

TEST(MediaInfoLibrary, UnreadableInputLeavesTheRecordUnchanged)
{
    const std::string empty = test_media::Folder() + "/empty.mkv";
    std::ofstream(empty).close();
    TVideoFileInfo marked;
    marked.Format = "unchanged";
    for (const auto& [file, library] :
         {std::pair{test_media::VideoWithThreeAudio(), std::string("/nonexistent/libmediainfo.so.0")},
          std::pair{test_media::VideoWithThreeAudio(), std::string()},
          std::pair{test_media::Folder() + "/missing.mkv", test_media::MediaInfoLibrary()},
          std::pair{empty, test_media::MediaInfoLibrary()}}) {
        TVideoFileInfo info = marked;
        GetMediaInfoFileInfo(file, library, info);
        EXPECT_EQ(info, marked) << file << " with " << library;
    }
}

TEST(MediaInfoLibrary, TheFirstLoadedModuleServesLaterPaths)
{
    ASSERT_TRUE(LoadMediaInfoLibrary(test_media::MediaInfoLibrary()));
    const std::string loaded = LoadedMediaInfoLibraryFile();
    EXPECT_TRUE(std::filesystem::path(loaded).is_absolute());
    // Any existing path now uses the module already loaded.
    EXPECT_TRUE(LoadMediaInfoLibrary(test_media::VideoWithThreeAudio()));
    EXPECT_EQ(LoadedMediaInfoLibraryFile(), loaded);
    EXPECT_NE(GetMediaInfoLibraryVersion().find("MediaInfoLib"), std::string::npos);
}

} // namespace
