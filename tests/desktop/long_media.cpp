#include "long_media.h"

#include "child_processes.h"
#include "engine/test_media.h"

#include <filesystem>
#include <gtest/gtest.h>

std::string LongConversionInput()
{
    const std::string second = test_media::Folder() + "/second_720p.mp4";
    const std::string input = test_media::Folder() + "/five_minutes_720p.mp4";
    if (std::filesystem::exists(input))
        return input;
    const std::vector<std::vector<std::string>> commands = {
        {"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
         "testsrc=size=1280x720:rate=25:duration=1", "-c:v", "mpeg4", "-q:v", "20", second},
        {"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-stream_loop", "299", "-i", second, "-c", "copy",
         input}};
    for (const auto& command : commands) {
        const CommandResult result = RunCommand(command);
        if (!result.Finished || result.ExitStatus != 0)
            ADD_FAILURE() << "ffmpeg could not make the long input";
    }
    return input;
}
