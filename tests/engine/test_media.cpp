#include "test_media.h"

#include "engine/app_params.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace test_media {

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string Capture(const std::string& command)
{
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, count);
        ::pclose(pipe);
    }
    return text;
}

std::string ReadAll(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string MakeTempFolder(const std::string& prefix)
{
    std::string pattern = (fs::temp_directory_path() / (prefix + "_XXXXXX")).string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

std::string SetUpProgramFolder(const std::string& prefix)
{
    const std::string folder = MakeTempFolder(prefix);
    if (folder.empty())
        return folder;
    InitAppParams(AppParams, folder + "/program/quillmark");
    fs::create_directories(folder + "/program");
    AppParams.ffmpeg = FFmpegPath();
    AppParams.MediaInfoDll = MediaInfoLibrary();
    return folder;
}

namespace {

class TMediaFolder
{
public:
    TMediaFolder()
    {
        Path = MakeTempFolder("qm_media");
        if (Path.empty()) {
            throw std::runtime_error("cannot create the test media folder");
        }
    }
    ~TMediaFolder()
    {
        std::error_code error;
        fs::remove_all(Path, error);
    }

    // Generates the file once; later calls return the same path.
    std::string File(const std::string& name, const std::string& ffmpegArgs)
    {
        const std::string path = (fs::path(Path) / name).string();
        if (!fs::exists(path)) {
            const std::string command = Quote(FFmpegPath()) + " -nostdin -hide_banner -loglevel error -y " +
                                        ffmpegArgs + " " + Quote(path);
            const int status = std::system(command.c_str());
            if (status != 0 || !fs::exists(path)) {
                ADD_FAILURE() << "ffmpeg could not generate " << name;
            }
        }
        return path;
    }

    std::string Path;
};

TMediaFolder& MediaFolder()
{
    static TMediaFolder folder;
    return folder;
}

const char* const Tone = "-f lavfi -i sine=frequency=440:sample_rate=22050:duration=1 ";

} // namespace

std::string FFmpegPath()
{
    return "/usr/bin/ffmpeg";
}

std::string MediaInfoLibrary()
{
    return "libmediainfo.so.0";
}

std::string Folder()
{
    return MediaFolder().Path;
}

std::string VideoWithThreeAudio()
{
    return MediaFolder().File("three_audio.mkv",
                              std::string("-f lavfi -i testsrc=size=64x48:rate=25:duration=1 ") + Tone +
                                  Tone + Tone +
                                  "-map 0:v -map 1:a -map 2:a -map 3:a -c:v mpeg4 -c:a mp2 -ac 1 "
                                  "-metadata:s:a:0 language=eng -metadata:s:a:1 language=ger "
                                  "-metadata:s:a:2 language=fre");
}

std::string AudioOnly()
{
    return MediaFolder().File("audio_only.m4a", std::string(Tone) + "-c:a aac -b:a 48k");
}

std::string OddDimensions()
{
    return MediaFolder().File("odd.mp4", "-f lavfi -i testsrc=size=33x17:rate=10:duration=1 "
                                         "-c:v libx264 -preset ultrafast -pix_fmt yuv444p");
}

std::string Interlaced()
{
    return MediaFolder().File("interlaced.ts",
                              std::string("-f lavfi -i testsrc=size=64x48:rate=25:duration=1 ") + Tone +
                                  "-c:v mpeg2video -flags +ilme+ildct -top 1 -c:a mp2");
}

std::string TwoSecondClip()
{
    return MediaFolder().File("two_seconds.mp4",
                              "-f lavfi -i testsrc=size=160x120:rate=25:duration=2 "
                              "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=2 "
                              "-c:v mpeg4 -c:a aac -b:a 64k -shortest");
}

std::string AwkwardName()
{
    const std::string source = VideoWithThreeAudio();
    const std::string path = (fs::path(Folder()) / "-caf\xC3\xA9, 1:2.mkv").string();
    if (!fs::exists(path)) {
        fs::copy_file(source, path);
    }
    return path;
}

} // namespace test_media
