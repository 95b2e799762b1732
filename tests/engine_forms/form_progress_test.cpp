#include "controls/edits/markup_label.h"
#include "controls/edits/progress_bar.h"
#include "controls/memo/memo_strings.h"
#include "controls/memo/vez_memo.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/fake_file_list.h"
#include "engine/fake_run_host.h"
#include "engine/forms/form_progress.h"
#include "engine/progress_markup.h"
#include "engine/run_state.h"
#include "engine/test_media.h"
#include "gui_driver.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace {

// The run host of the main window as far as the progress window goes: its progress calls go to the real
// window, one to one, and are recorded too; the rest is faked.
class ProgressWindowHost : public FakeRunHost
{
public:
    explicit ProgressWindowHost(TFormProgress& form) : Form(form) {}

    void ProcessMessages() override
    {
        Application->ProcessMessages();
        FakeRunHost::ProcessMessages();
    }
    void ShowProgressWindow() override { Form.ShowProgressWindow(); }
    void SetProgressCaption(const std::string& caption) override
    {
        Captions.push_back(caption);
        Form.SetProgressCaption(caption);
    }
    void SetAbortCaption(const std::string& caption) override { Form.SetAbortCaption(caption); }
    void SetProgressBarVisible(bool visible) override { Form.SetProgressBarVisible(visible); }
    void SetProgressPosition(int position) override { Form.SetProgressPosition(position); }
    void SetInputFileText(const std::string& text) override { Form.SetInputFileText(text); }
    void SetOutputFileMarkup(const std::string& markup) override { Form.SetOutputFileMarkup(markup); }
    void SetStatusMarkup(const std::string& markup) override
    {
        FakeRunHost::SetStatusMarkup(markup);
        Form.SetStatusMarkup(markup);
    }
    void SetStatusColor(TColor color) override { Form.SetStatusColor(color); }
    bool IsEncoderOutputHidden() override { return Form.IsEncoderOutputHidden(); }
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override
    {
        Form.ShowMemoLines(lines, firstChanged);
    }
    void ShowMemoText(const std::string& text) override { Form.ShowMemoText(text); }
    void ScrollMemoToBottom() override { Form.ScrollMemoToBottom(); }
    void ConversionFinished() override { Form.ConversionFinished(); }

    TFormProgress& Form;
    std::vector<std::string> Captions;
};

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// 8 s of 160x120 video at 25 fps with a tone (mkv); the runs below pace the encoder at four times real
// time, so that it reports its progress a few times and can be stopped on the way.
std::string EightSecondClip()
{
    const std::string path = test_media::Folder() + "/eight_seconds.mkv";
    if (!fs::exists(path)) {
        const std::string command =
            ShellQuoted(test_media::FFmpegPath()) +
            " -nostdin -hide_banner -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25:duration=8 "
            "-f lavfi -i sine=frequency=440:sample_rate=22050:duration=8 -c:v mpeg4 -c:a mp2 " +
            ShellQuoted(path);
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    return path;
}

// Pixels of a rectangle darker than mid-grey: the ink of text.
int InkIn(TBitmap& bitmap, const TRect& rect)
{
    int ink = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            const TColor c = bitmap.Canvas()->Pixels(x, y);
            ink += (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 3 * 128 ? 1 : 0;
        }
    }
    return ink;
}

class ProgressWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qm_progress_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        fs::create_directories(Dir + "/program");
        InitAppParams(AppParams, Dir + "/program/quillmark");
        AppParams.ffmpeg = test_media::FFmpegPath();
        AppParams.MediaInfoDll = test_media::MediaInfoLibrary();
        AppParams.ScrollProgressToBottom = true;
        Looks.MonospaceFont = {"DejaVu Sans Mono", 9};
        Form = new TFormProgress(nullptr, Looks);
        Host = std::make_unique<ProgressWindowHost>(*Form);
        Settings = DefaultEncoderSettings(0);
        Settings.Advanced.AdditionalParams = "-filter:v realtime=speed=4";
        Options.OutDirIsInDir = true;
        BatchOnlyMode = false;
    }
    void TearDown() override
    {
        Host.reset();
        Form->Free();
        fs::remove_all(Dir);
    }

    std::string Input(const std::string& name)
    {
        const std::string file = Dir + "/" + name;
        fs::copy_file(EightSecondClip(), file, fs::copy_options::overwrite_existing);
        Files.Add(file);
        return file;
    }
    void Run()
    {
        TBuilderEnvironment environment = DefaultBuilderEnvironment();
        environment.DefaultThreadCount = 2;
        TConversionRun run(*Host, Files, Settings, Options, environment);
        run.Execute();
        EXPECT_FALSE(ConversionRunning);
    }
    TPoint Middle(TControl* control) { return {control->Width() / 2, control->Height() / 2}; }

    std::string Dir;
    TWindowLooks Looks;
    TFormProgress* Form = nullptr;
    std::unique_ptr<ProgressWindowHost> Host;
    FakeFileList Files;
    EncoderSettings Settings;
    RunOptions Options;
};

} // namespace

// A whole conversion shown in the window: the bar and the caption follow the encoder's percentages, the
// memo shows its output, and F8 leaves the window alone while the run goes on, then closes it.
TEST_F(ProgressWindow, FollowsARunOfTheEncoder)
{
    Input("clip.mkv");
    Form->chCloseAfterConversion->SetChecked(false);
    std::vector<int> positions;
    bool pictured = false;
    Host->OnMessages = [&] {
        const int position = Form->pbFile->Position();
        if (positions.empty() || positions.back() != position)
            positions.push_back(position);
        if (!pictured && position >= 40 && position < 100 && ConversionRunning) {
            pictured = true;
            Press(Form, "F8");
            EXPECT_TRUE(Form->Visible()) << "F8 during a run";
            SaveScreenshot(*Render(Form), "progress_window_mid_run");
            // The bar is filled on its left and empty on its right.
            auto panel = Render(Form->pnProgress);
            const TRect bar = Form->pbFile->BoundsRect();
            const int y = bar.Top + bar.Height() / 4;
            EXPECT_NE(panel->Canvas()->Pixels(bar.Left + 4, y), panel->Canvas()->Pixels(bar.Right - 5, y));
        }
    };
    Run();
    EXPECT_EQ(Files.Statuses[0], "Done");
    EXPECT_TRUE(pictured);
    int between = 0;
    for (size_t i = 0; i < positions.size(); ++i) {
        between += positions[i] > 0 && positions[i] < 100 ? 1 : 0;
        if (i > 0 && positions[i] != 0) {
            EXPECT_GT(positions[i], positions[i - 1]) << "the bar moves forward";
        }
    }
    EXPECT_GE(between, 2) << "the bar stood at two percentages at least on its way";
    EXPECT_EQ(positions.back(), 100);
    const std::regex percentCaption("Progress: [0-9]+%");
    EXPECT_TRUE(std::any_of(Host->Captions.begin(), Host->Captions.end(),
                            [&](const std::string& c) { return std::regex_match(c, percentCaption); }));
    EXPECT_EQ(Form->Caption(), "Conversion progress");
    EXPECT_EQ(Form->actAbort->Caption(), "Close");
    EXPECT_NE(Form->me->Lines()->Text().find("Stream #0:0"), std::string::npos);
    EXPECT_EQ(Form->lblInputFile->Caption(), Files.Files[0]);

    ASSERT_TRUE(Form->Visible());
    Press(Form, "F8");
    EXPECT_FALSE(Form->Visible());
    Form->Show();
    Press(Form, "Esc");
    EXPECT_FALSE(Form->Visible());
}

// The Abort button and closing the window each stop the encoder at once (before the engine's abort time
// runs out and it would be killed); the file is marked aborted and its unfinished output removed.
TEST_F(ProgressWindow, AbortAndClosingStopTheEncoder)
{
    struct Case
    {
        const char* way;
        std::function<void(TFormProgress&)> abort;
        bool staysVisible;
    };
    const Case cases[] = {
        {"Abort button",
         [](TFormProgress& form) {
             Click(form.btnAbort, {20, 10});
         },
         true},
        {"closing the window", [](TFormProgress& form) { form.Close(); }, false},
    };
    Form->chCloseAfterConversion->SetChecked(false);
    Host->AnswerYes = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        Files = {};
        const std::string input = Input(std::string("clip ") + c.way + ".mkv");
        bool aborted = false, forced = false;
        int lastPosition = 0;
        Host->OnMessages = [&] {
            forced = forced || AbortTimeoutElapsed;
            if (!aborted && ConversionRunning && Form->pbFile->Position() > 0) {
                aborted = true;
                lastPosition = Form->pbFile->Position();
                c.abort(*Form);
                EXPECT_TRUE(AbortRequested);
            }
        };
        Run();
        EXPECT_TRUE(aborted);
        EXPECT_FALSE(forced) << "the encoder had to be killed";
        EXPECT_EQ(Files.Statuses[0], "Aborted");
        EXPECT_LT(lastPosition, 100);
        EXPECT_FALSE(fs::exists(fs::path(input).replace_extension(".avi")));
        EXPECT_EQ(Form->Visible(), c.staysVisible);
        Form->Show();
    }
}

// The memo keeps the lines it was told are unchanged (their line data, and where the user scrolled to),
// and replaces the rest; after a text, every line is new.
TEST_F(ProgressWindow, MemoKeepsUnchangedLines)
{
    Form->Show();
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back("line " + std::to_string(i));
    Form->ShowMemoLines(lines, 0);
    TVezMemoStrings& shown = *Form->me->Lines();
    TLineProp* const first = shown.LineProp(0);
    Form->me->SetTopLine(50);
    ASSERT_EQ(Form->me->TopLine(), 50);

    lines.back() = "frame=  100 fps=25";
    lines.push_back("frame=  200 fps=25");
    Form->ShowMemoLines(lines, 199);
    EXPECT_EQ(shown.GetLineProp(0), first);
    EXPECT_EQ(Form->me->TopLine(), 50);
    ASSERT_EQ(shown.Count(), 201);
    EXPECT_EQ(shown.Get(199), "frame=  100 fps=25");
    EXPECT_EQ(shown.Get(200), "frame=  200 fps=25");

    lines.resize(3);
    Form->ShowMemoLines(lines, 3);
    EXPECT_EQ(shown.Count(), 3);

    Form->ShowMemoText("Please wait...");
    Form->ShowMemoLines({"a", "b"}, 1);
    ASSERT_EQ(shown.Count(), 2);
    EXPECT_EQ(shown.Get(0), "a");
    EXPECT_EQ(shown.Get(1), "b");
}

// Tab walks the window's controls from the read-only memo on, so that Abort is reached by the keyboard.
TEST_F(ProgressWindow, TabLeavesTheMemoAndReachesAbort)
{
    Form->Show();
    Form->ShowMemoLines({"frame=  1 fps=25"}, 0);
    Form->me->SetFocus();
    Pump();
    bool reachedAbort = false;
    for (int tab = 0; tab < 6 && !reachedAbort; ++tab) {
        Press(Form->ActiveControl(), "Tab");
        Pump();
        ASSERT_NE(Form->ActiveControl(), Form->me) << "the memo kept the Tab";
        reachedAbort = Form->ActiveControl() == Form->btnAbort;
    }
    EXPECT_TRUE(reachedAbort);
    EXPECT_EQ(Form->me->Lines()->Get(0), "frame=  1 fps=25");
}

// An "&" in a file name shows as it is in the input label and in the output file's markup: "&&" shows two
// of them, "&" one; no "&" is taken for an accelerator mark.
TEST_F(ProgressWindow, AmpersandsInFileNamesShowAsTheyAre)
{
    Form->Show();
    struct Case
    {
        const char* label;
        std::function<void(const std::string&)> show;
        TControl* control;
    };
    const Case cases[] = {
        {"input", [&](const std::string& name) { Form->SetInputFileText("/v/" + name); }, Form->lblInputFile},
        {"output",
         [&](const std::string& name) { Form->SetOutputFileMarkup(OutputFileMarkup("/v/" + name)); },
         Form->lblOutputFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto inkOf = [&](const std::string& name) {
            c.show(name);
            auto picture = Render(Form->pnFiles);
            return InkIn(*picture, c.control->BoundsRect());
        };
        const int none = inkOf("x");
        const int one = inkOf("x&") - none;
        const int two = inkOf("x&&") - none;
        EXPECT_GT(one, 10);
        EXPECT_NEAR(two, 2 * one, one / 2);
        if (std::string(c.label) == "output") {
            Form->SetOutputFileMarkup(OutputFileMarkup("/v/R&D & co.mkv"));
            SaveScreenshot(*Render(Form->pnFiles), "progress_window_ampersand_names");
        }
    }
}

// The end of a run hides the window when it is to close after the conversion; a minimised main window is
// restored for the moment and minimised again.
TEST_F(ProgressWindow, ConversionFinished)
{
    std::vector<std::string> calls;
    bool minimized = true;
    TProgressWindowServices services;
    services.IsMainWindowMinimized = [&] { return minimized; };
    services.SetMainWindowMinimized = [&](bool value) {
        calls.push_back(std::string(value ? "minimise" : "restore") +
                        (Form->Visible() ? " shown" : " hidden"));
        minimized = value;
    };
    Host.reset();
    Form->Free();
    Form = new TFormProgress(nullptr, Looks, services);
    Host = std::make_unique<ProgressWindowHost>(*Form);

    Form->Show();
    Form->chCloseAfterConversion->SetChecked(false);
    Form->ConversionFinished();
    EXPECT_TRUE(Form->Visible());
    EXPECT_TRUE(calls.empty());

    Form->chCloseAfterConversion->SetChecked(true);
    Form->ConversionFinished();
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(calls, (std::vector<std::string>{"restore shown", "minimise hidden"}));
    EXPECT_TRUE(minimized);
}

// The settings file's section sets the check boxes and the size; keys that are missing keep the defaults.
TEST_F(ProgressWindow, LoadsItsSettings)
{
    EXPECT_FALSE(Form->chHideEncoderOutput->Checked());
    EXPECT_TRUE(Form->chCloseAfterConversion->Checked());
    EXPECT_EQ(Form->ClientWidth(), 774);
    EXPECT_EQ(Form->ClientHeight(), 550);

    const std::string ini = Dir + "/settings.ini";
    std::ofstream(ini) << "[PROGRESS]\nDontShowEncoderOutput=1\nWidth=700\nHeight=420\n";
    Form->LoadSettings(ini);
    EXPECT_TRUE(Form->chHideEncoderOutput->Checked());
    EXPECT_TRUE(Form->chCloseAfterConversion->Checked());
    EXPECT_EQ(Form->Width(), 700);
    EXPECT_EQ(Form->Height(), 420);
    EXPECT_TRUE(Form->Layout().DontShowEncoderOutput);

    Form->LoadSettings(Dir + "/missing.ini");
    EXPECT_EQ(Form->Width(), 700);
}
