#include "engine/test_media.h"
#include "long_media.h"
#include "program_on_desktop.h"
#include "waiting.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>

namespace fs = std::filesystem;

namespace {

class Conversion : public ProgramOnDesktop
{
protected:
    // Whether the program is idle again: its title is its own and no encoder runs.
    bool Idle() const
    {
        return std::regex_search(MainTitle(), std::regex(MainTitlePattern)) && EncoderProcesses().empty();
    }
    // Starts converting and waits until the encoder runs and the progress window shows.
    void StartLongConversion()
    {
        ASSERT_NO_FATAL_FAILURE(StartConversion());
        ProgressWindow = WaitForWindow("^Progress");
        ASSERT_NE(ProgressWindow, "") << "No progress window; windows:\n" << DescribeWindows();
    }

    WindowId ProgressWindow;
};

// The streams of a media file as ffprobe lists them: "codec_type,codec_name" per line.
std::string Streams(const std::string& file)
{
    return RunCommand({"ffprobe", "-v", "error", "-show_entries", "stream=codec_type,codec_name", "-of",
                       "csv=p=0", file})
        .Output;
}

// The encoder asked to stop gets the abort timeout and a short wait after its forced stop; the rest is
// slack for a slow machine. Unaborted, the long input keeps it busy far longer.
constexpr Seconds AbortTime{2.5 + 0.5 + 5};

} // namespace

TEST_F(Conversion, CtrlEConvertsTheFilesGivenAsArguments)
{
    const std::vector<std::string> inputs = {PlaceMedia(test_media::TwoSecondClip(), "first clip.mp4"),
                                             PlaceMedia(test_media::VideoWithThreeAudio(), "second.mkv")};
    ASSERT_NO_FATAL_FAILURE(StartProgram(inputs));

    PressInMainWindow({"ctrl+e"});

    // An output may exist before the encoder has written it: done is an idle program with whole outputs.
    const std::vector<std::string> outputs = {Copy.MediaFolder() + "/first clip.avi",
                                              Copy.MediaFolder() + "/second.avi"};
    const auto whole = [](const std::string& output) {
        return Streams(output) == "mpeg4,video\nmp3,audio\n";
    };
    ASSERT_TRUE(WaitUntil([&] { return Idle() && std::all_of(outputs.begin(), outputs.end(), whole); }))
        << "The conversion did not end with outputs of video and audio: \"" << Streams(outputs[0]) << "\", \""
        << Streams(outputs[1]) << "\"; windows:\n"
        << DescribeWindows();
    // A failed file would have shown the error log.
    EXPECT_TRUE(Display->VisibleWindows("^Errors").empty()) << DescribeWindows();
}

// The progress window's Abort, and closing the progress window, stop the encoder within the abort time;
// the program then offers to delete the unfinished output, and Enter (Yes) deletes it.
TEST_F(Conversion, AbortStopsTheEncoderInTime)
{
    const std::string input = PlaceMedia(LongConversionInput(), "long.mp4");
    const std::string output = Copy.MediaFolder() + "/long.avi";
    ASSERT_NO_FATAL_FAILURE(StartProgram({input}));

    const struct
    {
        const char* Way;
        std::function<void()> Act; // in the active progress window
    } ways[] = {
        {"the Abort button",
         [this] {
             // The button stands at the bottom right of the window.
             const WindowSize size = Display->SizeOf(ProgressWindow);
             EXPECT_TRUE(Display->Click(ProgressWindow, size.Width - 68, size.Height - 22));
         }},
        {"closing the progress window", [this] { Press({"alt+F4"}); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Way);
        ASSERT_NO_FATAL_FAILURE(StartLongConversion());
        ASSERT_TRUE(Display->Activate(ProgressWindow));
        Display->Screenshot("progress_window_during_a_run");
        way.Act();

        EXPECT_TRUE(WaitUntil([this] { return EncoderProcesses().empty(); }, AbortTime))
            << "The encoder still runs after the abort time";
        const WindowId question = WaitForWindow("^Quillmark$");
        ASSERT_NE(question, "") << "No question about the unfinished file; windows:\n" << DescribeWindows();
        ASSERT_TRUE(Display->Activate(question));
        Press({"Return"});
        EXPECT_TRUE(WaitUntil([&] { return Idle() && !fs::exists(output); }))
            << "The unfinished output was not deleted";
        EXPECT_TRUE(fs::exists(input));
    }
}
