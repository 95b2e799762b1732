#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/run_state.h"
#include "fake_file_list.h"
#include "fake_run_host.h"
#include "test_media.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

using test_media::Capture;
using test_media::Quote;
using test_media::ReadAll;

// One line per video and audio stream: "codec,video,width,height" or "codec,audio".
std::string Streams(const std::string& file)
{
    std::istringstream probe(
        Capture("ffprobe -v error -show_entries stream=codec_name,codec_type,width,height "
                "-of csv=p=0 " +
                Quote(file) + " 2>&1"));
    std::string streams;
    for (std::string line; std::getline(probe, line);) {
        while (!line.empty() && line.back() == ',')
            line.pop_back();
        if (line.find(",video") != std::string::npos || line.find(",audio") != std::string::npos)
            streams += line + "\n";
    }
    return streams;
}

class ConversionRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = test_media::SetUpProgramFolder("qm_run");
        ASSERT_FALSE(Dir.empty());
        Settings = DefaultEncoderSettings(0);
        Options.OutDirIsInDir = true;
        BatchOnlyMode = false;
    }
    void TearDown() override
    {
        BatchOnlyMode = false;
        fs::remove_all(Dir);
    }

    // A copy of the generated clip under the given name in the test folder.
    std::string Input(const std::string& name, const std::string& source = test_media::VideoWithThreeAudio())
    {
        const std::string file = Dir + "/" + name;
        fs::create_directories(fs::path(file).parent_path());
        fs::copy_file(source, file, fs::copy_options::overwrite_existing);
        Files.Add(file);
        return file;
    }

    void Run()
    {
        TConversionRun run(Host, Files, Settings, Options, Environment());
        Run(run);
    }
    void Run(TConversionRun& run)
    {
        run.Execute();
        EXPECT_FALSE(ConversionRunning);
        EXPECT_FALSE(AbortRequested);
        EXPECT_FALSE(AbortTimeoutElapsed);
        EXPECT_EQ(Host.EnableCount, 1);
        EXPECT_EQ(Host.Titles.back(), AppTitle);
    }
    // Another run over the same list and settings, shown on its own host.
    void RunOn(FakeRunHost& host)
    {
        TConversionRun run(host, Files, Settings, Options, Environment());
        run.Execute();
    }
    static TBuilderEnvironment Environment()
    {
        TBuilderEnvironment environment = DefaultBuilderEnvironment();
        environment.DefaultThreadCount = 2;
        return environment;
    }

    // An "encoder" that passes the media probe on to ffmpeg and runs body for a conversion.
    void FakeEncoder(const std::string& body)
    {
        const std::string script = Dir + "/program/fake-ffmpeg";
        std::ofstream(script) << "#!/bin/sh\ncase \" $* \" in *' -y '*) ;; *) exec "
                              << test_media::FFmpegPath() << " \"$@\" ;; esac\n"
                              << body << "\n";
        fs::permissions(script, fs::perms::owner_all);
        AppParams.ffmpeg = script;
    }

    std::string Dir;
    FakeRunHost Host;
    FakeFileList Files;
    EncoderSettings Settings;
    RunOptions Options;
};

} // namespace

// Default settings (Xvid and MP3 in AVI) over names that a shell or the encoder could misread, into a
// relative output folder; the saved shell script makes the same files.
TEST_F(ConversionRun, DefaultAviWithAwkwardNamesAndTheShellScript)
{
    const std::vector<std::string> names = {
        "a b.mkv", "it's \"q\" $(touch pwned).mkv", "-dash.mkv", "c:d.mkv", "100%.mkv", "Ünïcødé ñ.mkv"};
    for (const std::string& name : names)
        Input("in/" + name);
    Options.OutDirIsInDir = false;
    Options.OutDir = "converted"; // counts from the program's folder
    Options.KeepDates = true;
    Settings.Advanced.AdditionalParams = "-metadata title=\"a b; $(touch pwned)\"";
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, Files.Files[0].c_str(), old, 0), 0);
    Run();

    EXPECT_EQ(ErrorCount, 0);
    EXPECT_EQ(Host.ProgressShown, 1);
    const std::string outDir = Dir + "/program/converted/";
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string output = outDir + fs::path(names[i]).stem().string() + ".avi";
        EXPECT_EQ(Files.Statuses[i], "Done") << names[i];
        EXPECT_EQ(Streams(output), "mpeg4,video,64,48\nmp3,audio\n") << names[i];
    }
    EXPECT_EQ(fs::last_write_time(outDir + "a b.avi"), fs::last_write_time(Files.Files[0]));
    EXPECT_NE(
        Capture("ffprobe -v error -show_entries format_tags=title -of csv=p=0 " + Quote(outDir + "a b.avi"))
            .find("a b; $(touch pwned)"),
        std::string::npos);

    // Batch only: the same road writes the script; no window, no encoder, no action afterwards.
    FakeRunHost batchHost;
    BatchOnlyMode = true;
    BatchScriptFileName = Dir + "/convert.sh";
    Options.OutDir = Dir + "/by-script";
    Options.AfterConversion = acCloseProgram;
    RunOn(batchHost);
    BatchOnlyMode = false;
    EXPECT_EQ(batchHost.ProgressShown, 0);
    EXPECT_EQ(batchHost.CloseCount, 0);
    EXPECT_FALSE(fs::exists(Dir + "/by-script/a b.avi"));
    EXPECT_EQ(fs::status(BatchScriptFileName).permissions() & fs::perms::all, static_cast<fs::perms>(0755));

    const std::string work = Dir + "/work";
    fs::create_directories(work);
    const int status = std::system(
        ("cd " + Quote(work) + " && sh " + Quote(BatchScriptFileName) + " </dev/null >/dev/null 2>&1")
            .c_str());
    EXPECT_TRUE(WIFEXITED(status));
    for (const std::string& name : names) {
        const std::string output = fs::path(name).stem().string() + ".avi";
        EXPECT_EQ(ReadAll(Dir + "/by-script/" + output), ReadAll(outDir + output)) << name;
    }
    EXPECT_FALSE(fs::exists(work + "/pwned"));
    EXPECT_FALSE(fs::exists(Dir + "/program/pwned"));
}

// Each row: the settings that differ from the defaults and what the output holds.
TEST_F(ConversionRun, FormatsAndPresets)
{
    struct Case
    {
        const char* what;
        void (*set)(EncoderSettings&);
        const char* ext;
        const char* streams;
    };
    const Case cases[] = {
        {"PAL DVD",
         [](EncoderSettings& s) { s.OutputFormat = ofMpg, s.Mpg.Preset = ItemIndex::MpgPresetPalDvd; },
         ".mpg", "mpeg2video,video,720,576\nac3,audio\n"},
        {"custom MPEG-1",
         [](EncoderSettings& s) { s.OutputFormat = ofMpg, s.Mpg.Preset = ItemIndex::MpgPresetCustom; },
         ".mpg", "mpeg1video,video,64,48\nmp2,audio\n"},
        {"audio only", [](EncoderSettings& s) { s.Avi.DontCopy = true; }, ".avi", "mp3,audio\n"},
        {"copied video", [](EncoderSettings& s) { s.Avi.Codec = ItemIndex::AviCodecCopy; }, ".avi",
         "mpeg4,video,64,48\nmp3,audio\n"},
    };
    for (const Case& c : cases) {
        FakeRunHost host;
        FakeFileList files;
        const std::string input = Dir + "/" + c.what + ".mkv";
        fs::copy_file(test_media::VideoWithThreeAudio(), input);
        files.Add(input);
        EncoderSettings settings = DefaultEncoderSettings(0);
        c.set(settings);
        TConversionRun run(host, files, settings, Options, Environment());
        run.Execute();
        EXPECT_EQ(files.Statuses[0], "Done") << c.what;
        EXPECT_EQ(Streams(Dir + "/" + c.what + c.ext), c.streams) << c.what;
        EXPECT_EQ(host.BarVisible, settings.Avi.DontCopy ? false : true) << c.what;
    }
}

TEST_F(ConversionRun, H264TwoPassesWithFiltersAndTheSecondAudioTrack)
{
    Input("film.mkv");
    Settings.Avi.Codec = ItemIndex::AviCodecH264;
    Settings.Avi.TwoPass = true;
    Settings.Advanced.CropTop = 8;
    Settings.Advanced.CropBottom = 8;
    Settings.Advanced.Resolution = ItemIndex::ResolutionCustom;
    Settings.Advanced.ResWidth = 48;
    Settings.Advanced.ResHeight = 24;
    Settings.Advanced.Rotate = true;
    Settings.Advanced.RotateText = "90";
    Settings.Audio.Volume = 150;
    Settings.Advanced.AudioTrackNo = 2;
    Run();

    EXPECT_EQ(ErrorCount, 0) << ::testing::PrintToString(Host.LogLines);
    EXPECT_EQ(Files.Statuses[0], "Done");
    EXPECT_EQ(Streams(Dir + "/film.avi"), "h264,video,48,24\nmp3,audio\n");
    ASSERT_FALSE(AppParams.LogDir.empty());
    EXPECT_FALSE(fs::exists(AppParams.LogDir)); // the log folder went with its files
    EXPECT_NE(Host.Statuses.size(), 0u);
}

// A failing encoder: an error record with the exit code, the error window, the output it wrote removed,
// and an existing file it never opened kept.
TEST_F(ConversionRun, FailuresAreRecordedAndOnlyWhatTheEncoderWroteIsRemoved)
{
    Input("a.mkv");
    Input("b.mkv");
    std::ofstream(Dir + "/b.avi") << "precious";
    Options.OutputExists = oeOverwrite;
    Options.AfterConversion = acCloseProgram;
    // The filter fails after the encoder opened the output.
    Settings.Advanced.AdditionalParams = "-vf crop=9999:9999";
    Files.Checked[1] = false;
    Run();
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_FALSE(fs::exists(Dir + "/a.avi"));
    EXPECT_EQ(Files.Statuses[0].rfind("Error (", 0), 0u) << Files.Statuses[0];
    EXPECT_EQ(Host.ErrorWindowShown, 1);
    EXPECT_EQ(Host.ErrorCaption, "Errors (1)");
    EXPECT_EQ(Host.CloseCount, 0);
    ASSERT_GT(Host.LogLines.size(), 8u);
    EXPECT_EQ(Host.LogLines[2], "Error # 1");
    EXPECT_NE(std::find_if(Host.LogLines.begin(), Host.LogLines.end(),
                           [](const std::string& line) { return line.rfind("ExitCode: ", 0) == 0; }),
              Host.LogLines.end());

    // An unknown option fails before the encoder opens the existing output.
    FakeRunHost second;
    Files.Checked = {false, true};
    Settings.Advanced.AdditionalParams = "-no_such_option_here";
    RunOn(second);
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_EQ(ReadAll(Dir + "/b.avi"), "precious");
    EXPECT_TRUE(fs::exists(Files.Files[0]));
}

TEST_F(ConversionRun, ExistingOutputsAndTheInputItself)
{
    const std::string avi = Input("clip.avi"); // an AVI input converted beside itself
    Input("other.mkv");
    std::ofstream(Dir + "/other.avi") << "old";
    Options.OutputExists = oeOverwrite;
    Run();
    EXPECT_EQ(Files.Statuses, (std::vector<std::string>{"OK - Renamed", "OK - Overwritten"}));
    EXPECT_EQ(ReadAll(avi), ReadAll(test_media::VideoWithThreeAudio()));
    EXPECT_TRUE(fs::exists(Dir + "/clip_001.avi"));
    EXPECT_NE(ReadAll(Dir + "/other.avi"), "old");

    FakeRunHost host;
    Options.OutputExists = oeRename;
    RunOn(host);
    EXPECT_EQ(Files.Statuses, (std::vector<std::string>{"OK - Renamed", "OK - Renamed"}));
    EXPECT_TRUE(fs::exists(Dir + "/clip_002.avi"));
    EXPECT_TRUE(fs::exists(Dir + "/other_001.avi"));

    FakeRunHost skipping;
    Options.OutputExists = oeSkip;
    RunOn(skipping);
    EXPECT_EQ(Files.Statuses, (std::vector<std::string>{"Skipped", "Skipped"}));
    EXPECT_FALSE(fs::exists(Dir + "/clip_003.avi"));
    EXPECT_EQ(ReadAll(avi), ReadAll(test_media::VideoWithThreeAudio()));

    // A rule the window never offers, from a caller that filled the options itself: nothing is replaced.
    FakeRunHost unknownRule;
    Options.OutputExists = 7;
    Files.Checked = {false, true};
    std::ofstream(Dir + "/other.avi") << "old";
    RunOn(unknownRule);
    EXPECT_EQ(Files.Statuses[1], "OK - Renamed");
    EXPECT_EQ(ReadAll(Dir + "/other.avi"), "old");
}

// Abort while the encoder works: it stops at "q", the file is marked aborted, the next file is left alone,
// the unfinished output is offered for deletion, and no close follows.
TEST_F(ConversionRun, GracefulAbort)
{
    Input("a.mkv");
    Input("b.mkv");
    Options.AfterConversion = acCloseProgram;
    Host.AnswerYes = true;
    TConversionRun run(Host, Files, Settings, Options, Environment());
    Host.OnMessages = [&] {
        if (!run.EncoderOutput().empty())
            AbortConversion();
    };
    Run(run);
    EXPECT_EQ(Files.Statuses, (std::vector<std::string>{"Aborted", ""}));
    ASSERT_EQ(Host.Questions.size(), 1u);
    EXPECT_NE(Host.Questions[0].find(Dir + "/a.avi"), std::string::npos);
    EXPECT_FALSE(fs::exists(Dir + "/a.avi"));
    EXPECT_FALSE(fs::exists(Dir + "/b.avi"));
    EXPECT_EQ(Host.CloseCount, 0);
    EXPECT_EQ(Host.StatusColor, AppParams.ColorError);
}

// Abort before any encoder started for the file: nothing to ask about, an existing output stays.
TEST_F(ConversionRun, AbortBeforeTheEncoderStartsAsksNothing)
{
    Input("a.mkv");
    std::ofstream(Dir + "/a.avi") << "keep";
    Options.OutputExists = oeOverwrite;
    Host.AnswerYes = true;
    Host.OnMessages = [] { AbortConversion(); };
    Run();
    EXPECT_EQ(Files.Statuses[0], "Aborted");
    EXPECT_TRUE(Host.Questions.empty());
    EXPECT_EQ(ReadAll(Dir + "/a.avi"), "keep");
}

// An encoder that ignores "q" is terminated after the time-out; the error window stays closed then.
TEST_F(ConversionRun, ForcedAbort)
{
    Input("a.mkv");
    FakeEncoder("while :; do echo 'frame=1 fps=1 size=1kB speed=1x'; sleep 0.05; done");
    TConversionRun run(Host, Files, Settings, Options, Environment());
    Host.OnMessages = [&] {
        if (!run.EncoderOutput().empty())
            AbortConversion();
    };
    Run(run);
    EXPECT_EQ(Files.Statuses[0], "Aborted");
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_EQ(Host.ErrorWindowShown, 0);
}

TEST_F(ConversionRun, EmptyOutputIsAnError)
{
    Input("a.mkv");
    FakeEncoder("for last; do :; done; : > \"$last\"; exit 0");
    Options.AfterConversion = acShutDown;
    Run();
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_EQ(Files.Statuses[0], "Error (empty output)");
    EXPECT_FALSE(fs::exists(Dir + "/a.avi"));
    EXPECT_EQ(Host.PowerOffCount, 0);
}

TEST_F(ConversionRun, EarlyEnds)
{
    // No checked row: no progress window, the controls come back.
    Input("a.mkv");
    Files.Checked[0] = false;
    Run();
    EXPECT_EQ(Host.ProgressShown, 0);

    // An output folder that cannot be made.
    FakeRunHost host;
    Files.Checked[0] = true;
    Options.OutDirIsInDir = false;
    Options.OutDir = Files.Files[0] + "/sub"; // below a file
    RunOn(host);
    ASSERT_EQ(host.Warnings.size(), 1u);
    EXPECT_NE(host.Warnings[0].find(Options.OutDir), std::string::npos);
    EXPECT_EQ(host.EnableCount, 1);
}

// Another program converts a file of the same name into the same folder and chooses its output name right
// after this run chose its own: each claims its name as it chooses it, so the other program takes the next
// counter and neither writes over the other's output.
TEST_F(ConversionRun, TwoProgramsConvertingIntoOneFolderPickDifferentNames)
{
    Input("a.mkv");
    Options.OutDirIsInDir = false;
    Options.OutDir = Dir + "/out";
    std::string othersOutput;
    Host.OnMessages = [&] {
        if (othersOutput.empty() && fs::exists(Dir + "/out")) {
            othersOutput = ChooseOutput(Dir + "/out/a.avi", oeRename, {}, true).FileName;
            std::ofstream(othersOutput) << "the other program's output";
        }
    };
    Run();
    EXPECT_EQ(Files.Statuses[0], "Done");
    EXPECT_EQ(Streams(Dir + "/out/a.avi"), "mpeg4,video,64,48\nmp3,audio\n");
    EXPECT_EQ(othersOutput, Dir + "/out/a_001.avi");
    EXPECT_EQ(ReadAll(Dir + "/out/a_001.avi"), "the other program's output");
}

// The encoder writes the output, another program then puts a file of its own under that name, and the pass
// fails: the clean-up removes only the file this run claimed, so the other program's file stays.
TEST_F(ConversionRun, AFailedPassRemovesOnlyTheFileThisRunClaimed)
{
    Input("a.mkv");
    FakeEncoder("for last; do :; done; echo partial > \"$last\"; echo working; sleep 0.3; exit 1");
    TConversionRun run(Host, Files, Settings, Options, Environment());
    bool replaced = false;
    Host.OnMessages = [&] {
        if (!replaced && !run.EncoderOutput().empty()) {
            std::ofstream(Dir + "/other.tmp") << "the other program's file";
            fs::rename(Dir + "/other.tmp", Dir + "/a.avi");
            replaced = true;
        }
    };
    Run(run);
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_EQ(ReadAll(Dir + "/a.avi"), "the other program's file");
}

// An output folder whose name ends in a dot is a folder of its own: the run creates it and puts the
// output there, and the texts name it as it is.
TEST_F(ConversionRun, OutputFolderNamedWithATrailingDot)
{
    Input("a.mkv");
    Options.OutDirIsInDir = false;
    Options.OutDir = Dir + "/out.";
    Run();
    EXPECT_EQ(Files.Statuses[0], "Done");
    EXPECT_EQ(Streams(Dir + "/out./a.avi"), "mpeg4,video,64,48\nmp3,audio\n");
    EXPECT_FALSE(fs::exists(Dir + "/out"));
    EXPECT_NE(Host.OutputMarkup.find(Dir + "/out. "), std::string::npos) << Host.OutputMarkup;
}

// Without a private folder for the two-pass logs the file fails with a record; nothing else is touched.
TEST_F(ConversionRun, TwoPassLogFolderThatCannotBeMade)
{
    Input("a.mkv");
    Settings.Avi.TwoPass = true;
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string saved = oldTmp ? oldTmp : "";
    ::setenv("TMPDIR", (Dir + "/missing").c_str(), 1);
    Run();
    oldTmp ? ::setenv("TMPDIR", saved.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_EQ(Files.Statuses[0], "Error");
    EXPECT_FALSE(fs::exists(Dir + "/a.avi"));
    EXPECT_TRUE(fs::exists(Files.Files[0]));
}

// With no encoder to be found anywhere the run warns once, starts nothing and gives the controls back.
TEST_F(ConversionRun, MissingEncoderStopsAtOnceWithAWarning)
{
    const std::string input = Input("a.mkv");
    AppParams.ffmpeg = Dir + "/program/no-such-ffmpeg";
    const char* oldPath = std::getenv("PATH");
    const std::string savedPath = oldPath ? oldPath : "";
    fs::create_directories(Dir + "/empty");
    ::setenv("PATH", (Dir + "/empty").c_str(), 1);
    Run();
    ::setenv("PATH", savedPath.c_str(), 1);

    ASSERT_EQ(Host.Warnings.size(), 1u);
    EXPECT_NE(Host.Warnings[0].find("ffmpeg"), std::string::npos) << Host.Warnings[0];
    EXPECT_EQ(Host.ProgressShown, 0);
    EXPECT_TRUE(Host.LogLines.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()),
              3) // a.mkv, program, empty
        << "nothing may be written beside the input";
}
