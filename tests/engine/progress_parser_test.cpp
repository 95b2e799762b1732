#include "engine/progress_monitor.h"
#include "engine/progress_parser.h"
#include "engine/run_state.h"
#include "fake_run_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string ProgressLine500 = "frame=  500 fps= 25 q=2.0 size=    1024kB time=00:00:20.00 "
                                    "bitrate= 419.4kbits/s speed=1.01x";

struct ProgressFixture
{
    FakeRunHost host;
    TAbortControl abort{host};
    std::vector<std::string> output;
    TProgressContext context;
    TAppStrings strings;
    TProgressMonitor monitor{host, abort, output, context, strings};

    // Adds a line the way the console runner does (a progress line rewrites the last one) and tells
    // the monitor.
    void Line(const std::string& line, bool replacesLast = false)
    {
        if (replacesLast && !output.empty())
            output.back() = line;
        else
            output.push_back(line);
        monitor.conev(1, line);
    }
};

} // namespace

TEST(CleanEncoderOutput, DropsNoiseAndKeepsTheReport)
{
    std::vector<std::string> lines = {
        "ffmpeg version 5.1 Copyright (c) 2000-2022 the FFmpeg developers",
        "  built with gcc 12 (Debian 12.2.0-14)",
        "  configuration: --prefix=/usr",
        "  libavutil      57. 28.100 / 57. 28.100",
        "Input #0, matroska,webm, from 'in.mkv':",
        "   ",
        "  Stream #0:0: Video: h264",
        "[mpeg4 @ 0x55] Error at MB: 12",
        "[mpeg4 @ 0x55] concealing 40 DC errors",
        "only mpeg4 here",
        "Press [q] to stop, [?] for help",
        "Past duration 0.99 too large",
        "[mp3 @ 0x1] pts has no value",
        "(c) the developers (https://ffmpeg.org)frame=   10 fps=0.0 q=2.0 size=1kB",
        "video:10kB audio:2kB muxing overhead: 1.5%",
    };
    EXPECT_EQ(CleanEncoderOutput(lines), 0u);
    const std::vector<std::string> expected = {
        "Input #0, matroska,webm, from 'in.mkv':",
        "  Stream #0:0: Video: h264",
        "only mpeg4 here",
        "frame=   10 fps=0.0 q=2.0 size=1kB",
        "video:10kB audio:2kB muxing overhead: 1.5%",
    };
    EXPECT_EQ(lines, expected);

    // From a later index only: the earlier lines are left alone; nothing to do gives npos.
    std::vector<std::string> partly = {"", "keep", "Press [q] to stop"};
    EXPECT_EQ(CleanEncoderOutput(partly, 1), 2u);
    EXPECT_EQ(partly, (std::vector<std::string>{"", "keep"}));
    EXPECT_EQ(CleanEncoderOutput(partly, 1), std::string::npos);

    // Glued twice: the part after the last address stays, and cleaning again changes nothing.
    std::vector<std::string> gluedTwice = {"ffmpeg.org)frame=1 (https://ffmpeg.org)frame=2 fps=25"};
    EXPECT_EQ(CleanEncoderOutput(gluedTwice), 0u);
    EXPECT_EQ(gluedTwice, (std::vector<std::string>{"frame=2 fps=25"}));
    EXPECT_EQ(CleanEncoderOutput(gluedTwice), std::string::npos);
}

TEST(Conev, ProgressLinesGivePercentageAndStatus)
{
    struct Case
    {
        std::vector<std::string> lines;
        uint32_t totalFrames;
        int expectedPosition; // -1: the bar is not moved
        std::vector<std::string> statusParts;
    };
    const Case cases[] = {
        {{ProgressLine500},
         1000,
         50,
         {"Speed:  <b><FONT bgcolor=\"#496954\" color=\"#E0EBE0\">  1.01x  </FONT></b> ", "( 25 frames/sec )",
          "Frame: 500 / ~1000", "<b>1.00 MB</b>"}},
        {{"frame= 1005 fps=30 q=1 size=10kB speed=2x"},
         1000,
         100,
         {"Frame: 1005 / ~1000", "<b>10.00 KB</b>"}},
        {{"frame=  3 fps=0.0 q=1 size=12kB speed=1x"}, 1000, -1, {"Frame: 3 / ~1000"}}, // 0.3 % rounds to 0
        {{ProgressLine500}, 0, -1, {"Frame: 500 / ~0"}},
        // The earliest line that holds a value wins.
        {{"frame=7 fps=9 size= abc", "frame=8 fps=10 size=  5kB time=1"},
         100,
         7,
         {"Frame: 7 / ~100", "( 9 "}},
        // A size that is no number stays as it stands; newer encoders write KiB.
        {{"frame=1 fps=1 size=N/AkB time=0"}, 0, -1, {"::    N/A"}},
        {{"frame=1 fps=1 size=     2KiB time=0"}, 0, -1, {"<b>2.00 KB</b>"}},
    };
    for (const Case& c : cases) {
        ProgressFixture f;
        f.context = {2, 5, false, false, 0, c.totalFrames, true};
        for (const std::string& line : c.lines)
            f.Line(line);
        const std::string where = c.lines.back();
        if (c.expectedPosition < 0)
            EXPECT_TRUE(f.host.Positions.empty()) << where;
        else
            EXPECT_EQ(f.host.Positions.back(), c.expectedPosition) << where;
        ASSERT_FALSE(f.host.Statuses.empty()) << where;
        EXPECT_EQ(f.host.Statuses.back().rfind("Converting file: <b>2</b> / <b>5</b>    ::    ", 0), 0u)
            << where;
        for (const std::string& part : c.statusParts)
            EXPECT_NE(f.host.Statuses.back().find(part), std::string::npos) << where << " / " << part;
    }
}

TEST(Conev, CaptionsTitleAndStatusForms)
{
    ProgressFixture f;
    f.context = {2, 5, false, true, 1, 1000, true};
    f.Line(ProgressLine500);
    EXPECT_EQ(f.host.ProgressCaption, "Progress: 50%");
    EXPECT_EQ(f.host.Titles.back(), "(2/5) 50 % - Quillmark");
    EXPECT_NE(
        f.host.Statuses.back().find("<font bgcolor=\"#D63D16\" color=\"#FAD3C9\"><b>  pass 1  </b></font>"),
        std::string::npos);
    EXPECT_NE(f.host.Statuses.back().find(" (25 frames/sec)"), std::string::npos);

    f.context.AudioOnly = true;
    f.context.Running = false; // outside a run the title stays
    f.Line("size=     100kB time=00:00:01.00 bitrate= 800kbits/s speed=30x", true);
    EXPECT_EQ(f.host.Statuses.back(), "Converting file: 2 / 5");
    EXPECT_EQ(f.host.Titles.size(), 1u);
}

TEST(Conev, HiddenOutputAndTheMultipleFramesNotice)
{
    ProgressFixture f;
    f.context = {1, 1, false, false, 0, 1000, true};
    f.host.OutputHidden = true;
    f.Line("Input #0, avi, from 'a.avi':");
    f.Line(ProgressLine500);
    EXPECT_EQ(f.host.MemoLines, std::vector<std::string>{"Please wait..."});
    f.Line("video:10kB audio:2kB global headers: 0kB muxing overhead: 1%");
    EXPECT_EQ(f.host.MemoLines, f.output);

    // Uncleaned (hidden output), the notice anywhere in the list keeps the status as it was.
    const size_t statuses = f.host.Statuses.size();
    f.Line("Multiple frames in a packet from stream 1");
    f.Line("frame=  900 fps= 25 q=2.0 size=    1024kB time=00:00:20.00 speed=1x");
    EXPECT_EQ(f.host.Statuses.size(), statuses);
    f.host.OutputHidden = false; // shown output is cleaned first, and the notice goes with the noise
    f.Line("frame=  950 fps= 25 q=2.0 size=    1024kB time=00:00:20.00 speed=1x", true);
    EXPECT_EQ(f.host.Statuses.size(), statuses + 1);
    EXPECT_EQ(f.host.MemoLines, f.output);
    EXPECT_EQ(f.output.size(), 4u); // the notice is gone
}

// A long run's output, fed line by line with progress lines that rewrite the last line, noise and a
// switch of the hidden-output box: what the memo shows and the status must always be what a fresh look
// at the whole list gives.
TEST(Conev, FollowingLineByLineMatchesLookingAtTheWholeList)
{
    ProgressFixture f;
    f.context = {1, 1, false, false, 0, 400, true};
    for (int i = 0; i < 400; ++i) {
        f.host.OutputHidden = (i / 50) % 3 == 1;
        if (i % 7 == 0)
            f.Line("[mp3 @ 0x1] pts has no value");
        else if (i % 11 == 0)
            f.Line("");
        else if (i % 5 == 0)
            f.Line("Stream #0:" + std::to_string(i) + " size=" + std::to_string(i) + "kB ");
        f.Line("frame=" + std::to_string(i) + " fps=25 size=" + std::to_string(i) + "kB speed=1x",
               i % 3 != 0 && !f.output.empty() && f.output.back().starts_with("frame="));

        ProgressFixture fresh;
        fresh.context = f.context;
        fresh.host.OutputHidden = f.host.OutputHidden;
        fresh.output = f.output;
        fresh.monitor.conev(1, "");
        ASSERT_EQ(f.output, fresh.output) << i;
        ASSERT_EQ(f.host.Statuses.back(), fresh.host.Statuses.back()) << i;
        ASSERT_EQ(f.host.MemoLines, fresh.host.MemoLines) << i;
    }
}

TEST(ProgressMarkup, FileNamesCannotChangeTheMarkup)
{
    EXPECT_EQ(
        OutputFileMarkup("/in <b>/x&y<font>.avi"),
        "<b><font bgcolor=\"#696969\" color=\"#FFFFFF\"> /in &lt;b&gt; </font> x&amp;y&lt;font&gt;.avi</b>");
    EXPECT_EQ(SkippedOutputMarkup("/film.avi"), "<font bgcolor=\"#C0C0C0\">/</font><b>film.avi</b>");
    EXPECT_EQ(EscapeMarkup("a\nb\rc"), "a b c");
}

TEST(ProgressMarkup, EncoderTextCannotChangeTheMarkup)
{
    ProgressFixture f;
    f.context = {1, 1, false, false, 0, 100, true};
    f.Line("frame=    5 fps= 25 q=2.0 size=  <i>kB time=00:00:00.20 bitrate=1.0kbits/s speed=<img src=x>");
    ASSERT_FALSE(f.host.Statuses.empty());
    const std::string& status = f.host.Statuses.back();
    EXPECT_NE(status.find("&lt;i&gt;"), std::string::npos) << status;
    EXPECT_NE(status.find("&lt;img src=x&gt;"), std::string::npos) << status;
    EXPECT_EQ(status.find("<img"), std::string::npos) << status;
    EXPECT_EQ(status.find("<i>"), std::string::npos) << status;
}

TEST(ProgressMarkup, LanguageTextsCannotChangeTheMarkup)
{
    TProgressModuleStrings strings;
    strings.ConvertingFile = "File <i>&";
    strings.Conversion_Pass = "Pass&";
    strings.Conversion_Speed = "<b>Speed";
    strings.Conversion_FramesPerSecond = "img/s>";
    strings.Conversion_Frame = "&Frame";
    TEncoderProgress progress;
    progress.FpsText = "25<";
    const std::string twoPass = ProgressStatusText(progress, {2, 5, false, true, 1, 100, true}, strings);
    EXPECT_EQ(twoPass,
              "File &lt;i&gt;&amp; <b>2</b> / <b>5</b>  <font bgcolor=\"#D63D16\" color=\"#FAD3C9\"><b>  "
              "Pass&amp; 1  </b></font>     ::    &lt;b&gt;Speed  (25&lt; img/s&gt;)    ::    &amp;Frame 0 / "
              "~100    ::    ");
    EXPECT_EQ(ProgressStatusText(progress, {2, 5, true, false, 0, 100, true}, strings),
              "File &lt;i&gt;&amp; 2 / 5");
}
