#include "engine/encoder_capabilities.h"

#include "test_media.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A stand-in encoder that lists the given encoders and counts how often it was asked.
class FakeEncoder
{
public:
    FakeEncoder(const std::string& name, const std::string& encoderLines)
        : Path(test_media::Folder() + "/" + name), CallsFile(Path + ".calls")
    {
        std::ofstream script(Path);
        script << "#!/bin/sh\necho . >> '" << CallsFile << "'\n"
               << "cat <<'END'\nEncoders:\n V..... = Video\n A..... = Audio\n ------\n"
               << encoderLines << "END\n";
        script.close();
        fs::permissions(Path, fs::perms::owner_all);
    }

    int Calls() const
    {
        std::ifstream calls(CallsFile);
        std::string line;
        int count = 0;
        while (std::getline(calls, line))
            ++count;
        return count;
    }

    std::string Path;
    std::string CallsFile;
};

TEST(EncoderCapabilities, ParsesTheListingAfterTheLegend)
{
    const std::vector<std::string> lines = {"Encoders:",
                                            " V..... = Video",
                                            " A..... = Audio",
                                            " ------",
                                            " V....D libx264              libx264 H.264 / AVC",
                                            " A..... aac                  AAC (Advanced Audio Coding)",
                                            ""};
    EXPECT_EQ(ParseEncoderList(lines), (std::set<std::string>{"libx264", "aac"}));
}

TEST(EncoderCapabilities, AacEncoderFollowsTheBuildAndIsAskedOnce)
{
    const FakeEncoder withExternal("ffmpeg-external-aac",
                                   " A..... aac  AAC\n A..... libfdk_aac  external AAC\n");
    const FakeEncoder nativeOnly("ffmpeg-native-aac", " A..... aac  AAC\n A....D libmp3lame  MP3\n");

    EXPECT_EQ(GetAacEncoderName(withExternal.Path), "libfdk_aac");
    EXPECT_EQ(GetAacEncoderName(nativeOnly.Path), "aac");
    EXPECT_TRUE(HasEncoder(nativeOnly.Path, "libmp3lame"));
    EXPECT_FALSE(HasEncoder(nativeOnly.Path, "libfdk_aac"));
    EXPECT_EQ(withExternal.Calls(), 1);
    EXPECT_EQ(nativeOnly.Calls(), 1);
}

TEST(EncoderCapabilities, AnEncoderThatCannotBeAskedIsAskedAgainLater)
{
    const std::string path = test_media::Folder() + "/ffmpeg-installed-later";
    EXPECT_EQ(GetAacEncoderName(path), "aac");
    EXPECT_TRUE(GetEncoderNames(path).empty());

    const FakeEncoder later("ffmpeg-installed-later", " A..... libfdk_aac  external AAC\n");
    EXPECT_EQ(GetAacEncoderName(path), "libfdk_aac");
}

TEST(EncoderCapabilities, TheSystemEncoderListsWhatTheBuildersUse)
{
    const std::set<std::string> names = GetEncoderNames(test_media::FFmpegPath());
    for (const char* encoder :
         {"libx264", "mpeg4", "mpeg1video", "mpeg2video", "libmp3lame", "mp2", "ac3", "aac"})
        EXPECT_TRUE(names.contains(encoder)) << encoder;
}

} // namespace
