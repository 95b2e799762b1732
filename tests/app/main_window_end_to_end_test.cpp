#include "app/main/file_list_view.h"
#include "controls/grid/cell.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/text_column.h"
#include "controls/memo/vez_memo.h"
#include "engine/app_strings.h"
#include "engine/forms/form_progress.h"
#include "engine/test_media.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/windows/actions.h"
#include "scripted_file_dialogs.h"

#include <cstdlib>
#include <filesystem>

// The program as a user runs it: a clip named on the command line, converted with Ctrl+E and the default
// settings, and the same conversion written as a shell script that gives the same output.

namespace {

namespace fs = std::filesystem;
using test_media::Capture;
using test_media::Quote;
using test_media::ReadAll;

std::string Probe(const std::string& file, const std::string& entries)
{
    return Capture("ffprobe -v error " + entries + " -of csv=p=0 " + Quote(file));
}

class MainWindowEndToEnd : public MainWindow
{
protected:
    // The status cell of a row.
    std::string Status(int32_t row)
    {
        const TFileListView& files = Form->FileListView();
        return files.Grid()->Cell(files.Columns().colStatus->Index(), row)->AsString();
    }
};

TEST_F(MainWindowEndToEnd, AClipOnTheCommandLineConvertsWithCtrlEAndAsAShellScript)
{
    const std::string inputs = Temp.MakeDir("in");
    const std::string clip = inputs + "/clip.mp4";
    fs::copy_file(test_media::TwoSecondClip(), clip);
    const std::string output = inputs + "/clip.avi";

    Start({clip});
    ASSERT_EQ(Form->FileListView().RowCount(), 1);
    EXPECT_TRUE(Form->FileListView().IsChecked(0));
    EXPECT_TRUE(Form->Actions.actConvert->Enabled());
    SaveScreenshot(*Render(Form), "main_window_with_files");

    // Save BAT first, while no output exists, so that the script names the same output as the run.
    {
        TScriptedFileDialogs dialogs;
        dialogs.fileAnswers.push_back(TFileDialogAnswer{{Temp.Path() + "/convert.sh"}, 1});
        Form->Actions.actSaveBat->Execute();
        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        EXPECT_EQ(dialogs.fileRequests[0].Filter, "Shell scripts (*.sh)|*.sh");
    }
    ASSERT_TRUE(fs::exists(Temp.Path() + "/convert.sh"));
    EXPECT_FALSE(fs::exists(output)) << "the script is written, nothing converted";
    const std::string work = Temp.MakeDir("script_run");
    // The closing prompt's read finds no input: the script's own status says nothing of the conversion.
    [[maybe_unused]] const int status = std::system(
        ("cd " + Quote(work) + " && sh " + Quote(Temp.Path() + "/convert.sh") + " </dev/null >/dev/null 2>&1")
            .c_str());
    ASSERT_TRUE(fs::exists(output));
    const std::string scriptOutput = ReadAll(output);
    fs::remove(output);

    // The run shows itself in the real progress window, as the program's does.
    auto* progress = new TFormProgress(Form, Form->WindowLooks());
    TSecondaryWindows windows;
    windows.Progress = progress;
    Form->SetSecondaryWindows(windows);
    Press(Form->FileListView().Grid(), "C-e");
    Pump();
    EXPECT_NE(progress->me->Lines()->Text().find("Stream #0:0"), std::string::npos)
        << "the encoder's output reached the progress window";

    ASSERT_TRUE(fs::exists(output)) << "Ctrl+E converted the checked clip";
    EXPECT_EQ(Probe(output, "-show_entries stream=codec_type"), "video\naudio\n");
    const double seconds = std::stod(Probe(output, "-show_entries format=duration"));
    EXPECT_NEAR(seconds, 2.0, 0.1);
    EXPECT_EQ(Status(0), AppStrings->Main.Done);
    EXPECT_TRUE(ReadAll(output) == scriptOutput) << "the script's output is byte for byte the run's";
    SaveScreenshot(*Render(Form), "main_window_after_run");
}

} // namespace
