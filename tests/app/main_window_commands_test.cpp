#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/file_info/form_file_info.h"
#include "app/options/form_options.h"
#include "app/errors/form_errors.h"
#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_panels.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "controls/grid/data_grid.h"
#include "controls/toolbars/item.h"
#include "engine/forms/form_progress.h"
#include "engine/run_state.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/services/tray_icon.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/windows/actions.h"
#include "recording_shell.h"

#include <filesystem>

// The commands that show and hide the windows, stack them, put the main window into the tray and open
// folders in the file manager.

namespace {

class TTopmostRecorder : public TRecordingWindowServices
{
public:
    bool SetWindowTopmost(TWindowHandle window, bool topmost) override
    {
        Requests.emplace_back(window, topmost);
        return true;
    }
    std::vector<std::pair<TWindowHandle, bool>> Requests;
};

class MainWindowCommands : public MainWindow
{
protected:
    // The main window with its secondary windows, each owned by it as the program makes them.
    void StartWithWindows()
    {
        Start();
        const TWindowLooks looks = Form->WindowLooks();
        Windows.Progress = new TFormProgress(Form, looks);
        Windows.Progress->SetOwnerForm(Form);
        Windows.Errors = new TFormErrors(Form, looks);
        Windows.Errors->SetOwnerForm(Form);
        Windows.CmdLine = new TFormCmdLine(Form, looks);
        Windows.CmdLine->SetOwnerForm(Form);
        Windows.ToolsInfo = new TFormToolsInfo(Form, looks);
        Windows.ToolsInfo->SetOwnerForm(Form);
        Windows.About = new TFormAbout(Form, looks);
        Windows.About->SetOwnerForm(Form);
        Windows.Options = new TFormOptions(Form, looks, Form->OptionsWindowHost());
        Windows.Options->SetOwnerForm(Form);
        Windows.FileInfo = new TFormFileInfo(Form, looks);
        Windows.FileInfo->SetOwnerForm(Form);
        Windows.CheckUpdate = new TFormCheckUpdate(Form, looks);
        Windows.CheckUpdate->SetOwnerForm(Form);
        Form->SetSecondaryWindows(Windows);
    }
    void TearDown() override
    {
        ConversionRunning = false;
        StayOnTopActive = false;
        MainWindow::TearDown();
    }
    std::vector<TCustomForm*> AllWindows() const
    {
        return {Windows.Options,  Windows.CmdLine,  Windows.Errors,    Windows.About,
                Windows.FileInfo, Windows.Progress, Windows.ToolsInfo, Windows.CheckUpdate};
    }
    // The windows that go away with the main window.
    std::vector<TCustomForm*> PutAway() const
    {
        return {Windows.Progress, Windows.About, Windows.ToolsInfo, Windows.Options};
    }
    // Adds a file of the scratch folder to the file list and selects its row.
    void ListAndSelect(const std::string& fileName)
    {
        Form->FileAdding().SetAnalyzer([](const std::string&, TFileAnalysis, TVideoFileInfo&) {});
        ASSERT_TRUE(Form->FileAdding().AddToList(fileName, true));
        Form->FileListView().Grid()->SetSelectedRow(Form->FileListView().RowCount() - 1);
        Form->InitControls(); // as the grid's selection event does
        Pump();
    }

    TSecondaryWindows Windows;
};

TEST_F(MainWindowCommands, ViewCommandsShowOrToggleTheirWindows)
{
    StartWithWindows();
    TMainActions& a = Form->Actions;

    a.actShowHideFormErrors->Execute();
    EXPECT_TRUE(Windows.Errors->Visible());
    a.actShowHideFormErrors->Execute();
    EXPECT_FALSE(Windows.Errors->Visible()) << "the error log toggles";

    a.actShowProgressWindow->Execute();
    a.actShowProgressWindow->Execute();
    EXPECT_TRUE(Windows.Progress->Visible()) << "the progress window is only shown";

    a.actToolsInfo->Execute();
    EXPECT_TRUE(Windows.ToolsInfo->Visible());
    EXPECT_NE(Windows.ToolsInfo->Memo()->Lines()->Text().find("ffmpeg"), std::string::npos)
        << Windows.ToolsInfo->Memo()->Lines()->Text();

    a.actShowCmdLine->Execute();
    EXPECT_TRUE(Windows.CmdLine->Visible());
    EXPECT_NE(Windows.CmdLine->CommandLineText().find("<input_file>"), std::string::npos)
        << "without a selected row the input stays a placeholder: " << Windows.CmdLine->CommandLineText();
}

TEST_F(MainWindowCommands, TheCommandLineShowsTheSelectedRowsFile)
{
    StartWithWindows();
    ListAndSelect(Temp.Write("my clip.mp4", "not really a video"));

    Form->Actions.actShowCmdLine->Execute();

    EXPECT_NE(Windows.CmdLine->CommandLineText().find("my clip.mp4"), std::string::npos)
        << Windows.CmdLine->CommandLineText();
}

TEST_F(MainWindowCommands, StayOnTopRaisesTheMainWindowAndLinksEverySecondaryWindowAboveIt)
{
    TTopmostRecorder services;
    SetWindowServices(&services);
    StartWithWindows();
    auto* button = dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnStayOnTop"));
    ASSERT_NE(button, nullptr);

    Form->Actions.actStayOnTop->Execute();
    Pump();
    ASSERT_EQ(services.Requests.size(), 1u);
    EXPECT_EQ(services.Requests[0], std::make_pair(WindowHandleOf(*Form), true));
    EXPECT_TRUE(StayOnTopActive);
    EXPECT_TRUE(Form->Actions.actStayOnTop->Checked());
    EXPECT_TRUE(button->Checked());
    for (TCustomForm* window : AllWindows()) {
        EXPECT_EQ(window->OwnerForm(), Form) << window->Name();
        EXPECT_EQ(window->FormStyle(), fsStayOnTop) << window->Name();
    }

    Form->Actions.actStayOnTop->Execute();
    Pump();
    ASSERT_EQ(services.Requests.size(), 2u);
    EXPECT_EQ(services.Requests[1], std::make_pair(WindowHandleOf(*Form), false));
    EXPECT_FALSE(StayOnTopActive);
    EXPECT_EQ(Form->FormStyle(), fsNormal);
    EXPECT_FALSE(Form->Actions.actStayOnTop->Checked());
    EXPECT_FALSE(button->Checked());
    for (TCustomForm* window : AllWindows()) {
        EXPECT_EQ(window->OwnerForm(), Form) << window->Name();
        EXPECT_EQ(window->FormStyle(), fsStayOnTop) << "still above the main window: " << window->Name();
    }
}

// The test platform has no tray: putting the window away minimises it, and the tray click (or the
// command again) brings it back.
TEST_F(MainWindowCommands, TheMainWindowGoesAwayWithItsWindowsAndComesBackWithoutATray)
{
    ASSERT_FALSE(TrayAvailable());
    StartWithWindows();
    for (TCustomForm* window : PutAway())
        window->Show();
    Windows.Errors->Show();
    ConversionRunning = true;

    Form->Actions.actShowHideMainWindow->Execute();
    Pump();
    EXPECT_TRUE(FormInTray(Form));
    EXPECT_EQ(Form->WindowState(), wsMinimized) << "minimised, so that the task bar brings it back";
    for (TCustomForm* window : PutAway())
        EXPECT_FALSE(window->Visible()) << window->Name();
    EXPECT_TRUE(Windows.Errors->Visible()) << "the error log stays as it was";

    Form->ti->OnClick(Form->ti);
    Pump();
    EXPECT_FALSE(FormInTray(Form));
    EXPECT_TRUE(Form->Visible());
    EXPECT_EQ(Form->WindowState(), wsNormal);
    EXPECT_FALSE(Form->ti->Visible());
    EXPECT_TRUE(Windows.Progress->Visible()) << "a running conversion brings its progress back";
    EXPECT_FALSE(Windows.About->Visible());
}

TEST_F(MainWindowCommands, MinimizeToTrayAndATrayClickWhileShownDoesNothing)
{
    StartWithWindows();
    Form->ti->OnClick(Form->ti);
    Pump();
    EXPECT_FALSE(FormInTray(Form)) << "a click while the window is shown";

    Form->Actions.actMinimizeToTray->Execute();
    Pump();
    EXPECT_TRUE(FormInTray(Form));
    EXPECT_TRUE(Form->ti->Visible());

    Form->ti->OnClick(Form->ti);
    Pump();
    EXPECT_FALSE(FormInTray(Form));
    EXPECT_EQ(Form->WindowState(), wsNormal);
}

TEST_F(MainWindowCommands, ExploreOpensTheOutputFolderOrTheProgramFolder)
{
    StartWithWindows();
    TRecordingShell shell;
    const std::string out = Temp.MakeDir("out put");

    Form->Panels().edOutDir->SetText(out);
    Form->actExploreOutDirExecute(nullptr);
    Form->Panels().edOutDir->SetText(Temp / "gone");
    Form->actExploreOutDirExecute(nullptr);

    EXPECT_EQ(shell.Calls, (std::vector<std::string>{"open " + out, "open " + ProgramDir}));
    EXPECT_TRUE(Services.Boxes.empty());
}

TEST_F(MainWindowCommands, ExploreDirectoryShowsTheFileOrItsFolderOrWarns)
{
    StartWithWindows();
    TRecordingShell shell;
    const std::string folder = Temp.MakeDir("videos");
    const std::string clip = Temp.Write("videos/clip.mp4", "x");
    ListAndSelect(clip);

    Form->Actions.actExploreDirectory->Execute();
    std::filesystem::remove(clip);
    Form->Actions.actExploreDirectory->Execute();
    EXPECT_EQ(shell.Calls, (std::vector<std::string>{"show " + clip, "open " + folder}));

    std::filesystem::remove_all(folder);
    Form->Actions.actExploreDirectory->Execute();
    EXPECT_EQ(shell.Calls.size(), 2u) << "nothing opens for a folder that is gone";
    ASSERT_EQ(Services.Boxes.size(), 1u);
    EXPECT_EQ(Services.Boxes[0], "Directory \"" + folder + "\" does not exists!");
}

} // namespace
