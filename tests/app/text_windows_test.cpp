#include "errors_window_fixture.h"

#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "controls/pack/memo_ex.h"
#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/encoder_command.h"
#include "engine/fake_file_list.h"
#include "engine/fake_run_host.h"
#include "engine/run_state.h"
#include "engine/test_media.h"
#include "engine/tools_report.h"
#include "platform/gui/standard/memo.h"
#include "support/text_routines.h"

#include <filesystem>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace {

class TextWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = test_media::SetUpProgramFolder("qm_text_windows");
        ASSERT_FALSE(Dir.empty());
        Environment = DefaultBuilderEnvironment();
        Environment.DefaultThreadCount = 2;
    }
    void TearDown() override { fs::remove_all(Dir); }

    // The shown command line with the encoder in front and the output named, run by the shell in the test
    // folder; answers the output's bytes.
    std::string RunShownCommand(const std::string& commandLine, const std::string& output)
    {
        std::string script;
        for (const std::string& line : SplitLines(commandLine))
            if (!line.empty())
                script += test_media::Quote(AppParams.ffmpeg) + " -nostdin -loglevel error " +
                          ReplaceAll(line, OutputFilePlaceholder, test_media::Quote(output), false) + "\n";
        EXPECT_EQ(
            std::system(("cd " + test_media::Quote(Dir) + " && sh -c " + test_media::Quote(script)).c_str()),
            0)
            << script;
        return test_media::ReadAll(output);
    }
    // The run of the file with the settings; answers its output's bytes.
    std::string ConvertWithRun(const std::string& input, const EncoderSettings& settings)
    {
        FakeRunHost host;
        FakeFileList files;
        files.Add(input);
        RunOptions options;
        options.OutDirIsInDir = true;
        TConversionRun(host, files, settings, options, Environment).Execute();
        EXPECT_EQ(files.Statuses[0], "Done");
        return test_media::ReadAll(fs::path(input).replace_extension(".avi").string());
    }
    static std::vector<std::string> SplitLines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::string line;
        for (const char c : text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else if (c != '\r') {
                line += c;
            }
        }
        lines.push_back(line);
        return lines;
    }

    TTemplateLooks Templates;
    std::string Dir;
    TBuilderEnvironment Environment;
};

} // namespace

// The command line shown for a file, run by the shell with its output named, makes the same bytes as the
// conversion run of that file with the same settings, in one pass and in two; a run of blanks in the name
// stays.
TEST_F(TextWindows, CommandLineRunsAsTheConversionDoes)
{
    auto* form = new TFormCmdLine(Templates.Owner, Templates.Looks);
    FakeRunHost host;
    for (const bool twoPass : {false, true}) {
        SCOPED_TRACE(twoPass ? "two passes" : "one pass");
        const std::string input = Dir + (twoPass ? "/two pass clip.mkv" : "/one   pass clip.mkv");
        fs::copy_file(test_media::VideoWithThreeAudio(), input, fs::copy_options::overwrite_existing);
        EncoderSettings settings = DefaultEncoderSettings(0);
        settings.Avi.TwoPass = twoPass;

        form->ShowCommandLine(host, input, settings, Environment);
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(form->Caption(), "FFmpeg command-line parameters");
        const std::string shown = form->CommandLineText();
        EXPECT_TRUE(shown.starts_with("-y -i \"" + input + "\" ")) << shown;
        EXPECT_EQ(SplitLines(shown).size(), twoPass ? 4u : 2u) << shown; // an empty line between passes

        const std::string fromShell = RunShownCommand(shown, Dir + "/from shell.avi");
        const std::string fromRun = ConvertWithRun(input, settings);
        EXPECT_FALSE(fromRun.empty());
        EXPECT_TRUE(fromShell == fromRun) << "the outputs differ";
        if (!twoPass) {
            Pump();
            const std::unique_ptr<TBitmap> picture = Render(form);
            SaveScreenshot(*picture, "command_line_window");
            EXPECT_GT(CountPixels(*picture, {5, 5, picture->Width() - 5, 40}, clBlack), 50) << "the text";
        }
    }
    EXPECT_TRUE(host.Warnings.empty());

    // Without a selected file the input keeps its placeholder, and Esc hides the window.
    form->ShowCommandLine(host, std::nullopt, DefaultEncoderSettings(0), Environment);
    EXPECT_TRUE(form->CommandLineText().starts_with("-y -i <input_file> ")) << form->CommandLineText();
    EXPECT_NE(form->CommandLineText().find(" <output_file>"), std::string::npos);
    EXPECT_EQ(form->Memo()->Font()->Name(), "DejaVu Sans Mono");
    Pump();
    Press(form->Memo(), "Esc");
    Pump();
    EXPECT_FALSE(form->Visible());
    form->Free();
}

// A refused setting: its warning reaches the host and the window still shows the rest of the command.
TEST_F(TextWindows, CommandLineShowsTheBuildersWarning)
{
    auto* form = new TFormCmdLine(Templates.Owner, Templates.Looks);
    FakeRunHost host;
    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Audio.Bitrate = ComboText::FromDisplayText("12x", "Auto");
    form->ShowCommandLine(host, std::nullopt, settings, Environment);
    EXPECT_EQ(host.Warnings.size(), 1u);
    EXPECT_TRUE(form->CommandLineText().starts_with("-y -i <input_file> -c:v ")) << form->CommandLineText();
    form->Free();
}

// The tools report in the monospace font: Ctrl+A selects all of it, Esc hides the window.
TEST_F(TextWindows, ToolsReport)
{
    auto* form = new TFormToolsInfo(Templates.Owner, Templates.Looks);
    form->ShowToolsReport();
    Pump();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->Caption(), "Tools info");
    const std::string report = GetToolsInfoStr(TFormToolsInfo::ReportLabelWidth);
    EXPECT_EQ(form->Memo()->Lines()->Text(), report + "\r\n"); // the lines, each with its break
    EXPECT_NE(report.find(AppParams.ffmpeg), std::string::npos);
    EXPECT_EQ(form->Memo()->Font()->Name(), "DejaVu Sans Mono");

    Press(form->Memo(), "C-a");
    EXPECT_EQ(form->Memo()->SelText(), form->Memo()->Text());
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);
    SaveScreenshot(*picture, "tools_info_window");
    Press(form->Memo(), "Esc");
    Pump();
    EXPECT_FALSE(form->Visible());
    form->Free();
}
