#include "settings_panels_fixture.h"

#include "app/main/settings_binder.h"
#include "app/model/audio_track_list.h"
#include "combo_items.h"
#include "controls/edits/combo_box.h"
#include "engine/tool_discovery.h"

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A second of video with two audio streams: MP2 at 64 kbit/s in English, AC-3 at 96 kbit/s with no
// language.
class SettingsAudioTrackClip : public SettingsPanelsFixture
{
protected:
    static void SetUpTestSuite()
    {
        folder = fs::temp_directory_path() / ("qm_audio_tracks_" + std::to_string(getpid()));
        fs::create_directories(folder);
        clip = (folder / "two audio tracks.mkv").string();
        const std::string command =
            "ffmpeg -v error -y -f lavfi -i testsrc=size=64x48:rate=25:duration=1 -f lavfi -i sine=f=440:d=1 "
            "-f lavfi -i sine=f=880:d=1 -map 0 -map 1 -map 2 -c:v mpeg4 -c:a:0 mp2 -b:a:0 64k -ac:a:0 1 "
            "-c:a:1 ac3 -b:a:1 96k -ac:a:1 2 -metadata:s:a:0 language=eng '" +
            clip + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    static void TearDownTestSuite()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    static inline fs::path folder;
    static inline std::string clip;
};

TAudioStreamInfo Stream(const std::string& codec, int channels, int bitrate, const std::string& language)
{
    TAudioStreamInfo stream;
    stream.Exists = true;
    stream.Codec = codec;
    stream.Channels = static_cast<uint8_t>(channels);
    stream.Bitrate = bitrate;
    stream.Language = language;
    return stream;
}

} // namespace

TEST_F(SettingsAudioTrackClip, ListsEveryAudioStreamOfTheSelectedFileAndKeepsTheChoice)
{
    GetMediaInfoDllPath(AppParams);
    TSettingsPanels& p = Build();
    p.UpdateCbAudioTrackNo(clip);
    const std::vector<std::string> expected = {
        "Auto (first audio track)",
        "1: MPEG Audio - Version 1 (MP2) - 64 kbit/s - Channels: 1 - Language: English",
        "2: AC-3 - 96 kbit/s - Channels: 2 - Language: (undefined)",
    };
    EXPECT_EQ(ComboItems(*p.cbAudioTrackNo), expected);
    EXPECT_EQ(p.cbAudioTrackNo->ItemIndex(), 0);

    p.cbAudioTrackNo->SetItemIndex(2);
    p.UpdateCbAudioTrackNo(clip);
    EXPECT_EQ(p.cbAudioTrackNo->ItemIndex(), 2) << "the same track stays chosen";

    p.UpdateCbAudioTrackNo("");
    EXPECT_EQ(p.cbAudioTrackNo->Items()->Count(), 3) << "no selected row changes nothing";

    p.UpdateCbAudioTrackNo((folder / "missing.mkv").string());
    EXPECT_EQ(ComboItems(*p.cbAudioTrackNo), std::vector<std::string>{"Auto (first audio track)"});
    EXPECT_EQ(p.cbAudioTrackNo->ItemIndex(), 0) << "a shorter list falls back to the first track";
}

TEST(SettingsAudioTrackItems, StreamsWithoutBitrateOrLanguageAndMp3Codecs)
{
    const TAppStrings texts;
    TVideoFileInfo info;
    info.NumberOfAudioStreams = 2;
    info.AudioStreams[0] = Stream("MPEG Audio (MP3)", 2, 0, "");
    info.AudioStreams[1] = Stream("AAC", 6, 320, "ger");
    const std::vector<std::string> expected = {
        "Auto (first audio track)",
        "1: MP3 - Channels: 2 - Language: (undefined)",
        "2: AAC - 320 kbit/s - Channels: 6 - Language: ger",
    };
    EXPECT_EQ(AudioTrackItems(info, texts.Main), expected);
}

// A file may hold more audio streams than the record has slots for: only the described ones are listed.
TEST(SettingsAudioTrackItems, StreamsPastTheRecordsSlotsAreNeverRead)
{
    const TAppStrings texts;
    TVideoFileInfo info;
    info.NumberOfAudioStreams = 60;
    for (TAudioStreamInfo& stream : info.AudioStreams)
        stream = Stream("Opus", 2, 96, "eng");
    const std::vector<std::string> items = AudioTrackItems(info, texts.Main);
    ASSERT_EQ(items.size(), MaxAudioStreams + 1);
    EXPECT_EQ(items.back(), "48: Opus - 96 kbit/s - Channels: 2 - Language: eng");
}

// The encoder reports every stream of a file, more than the record has slots for: the list offers the
// slots, and a track number past the list (a profile made for another file) means the first track.
TEST_F(SettingsAudioTrackClip, AFileWithMoreStreamsThanSlotsOffersTheSlots)
{
    TSettingsPanels& p = Build();
    const std::string many = (folder / "many audio tracks.mka").string();
    std::string command = "ffmpeg -v error -y -f lavfi -i anullsrc=r=8000:cl=mono -t 0.1";
    for (size_t i = 0; i < MaxAudioStreams + 2; ++i)
        command += " -map 0:a";
    command += " -c:a pcm_s16le '" + many + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    p.UpdateCbAudioTrackNo(many);
    ASSERT_EQ(p.cbAudioTrackNo->Items()->Count(), static_cast<int>(MaxAudioStreams) + 1);
    EXPECT_TRUE(p.cbAudioTrackNo->Items()->Strings(MaxAudioStreams).starts_with("48: "));

    AdvancedSettings settings = ReadAdvancedSettings(p);
    settings.AudioTrackNo = static_cast<int32_t>(MaxAudioStreams) + 2;
    WriteAdvancedSettings(p, settings);
    EXPECT_EQ(p.cbAudioTrackNo->ItemIndex(), 0);
}
