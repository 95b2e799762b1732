#include "app/errors/form_errors.h"
#include "app/main/settings_binder.h"
#include "engine/fake_file_list.h"
#include "engine/run_state.h"
#include "engine/test_media.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/message_loop.h"
#include "support/power_off.h"

#include <filesystem>

// Conversion runs with the main window as their host.

namespace {

class TCountingPowerOff : public IPowerOff
{
public:
    bool PowerOff() override
    {
        ++Requests;
        return true;
    }
    int Requests = 0;
};

class MainWindowRun : public MainWindow
{
protected:
    // The window as the program's main window, converting into a folder of the test; notes when it goes.
    void StartAsMainWindow()
    {
        Start();
        Application->SetMainForm(Form);
        RunOptions options = ReadRunOptions(Form->Panels());
        options.OutDirIsInDir = false;
        options.OutDir = Temp.MakeDir("out");
        WriteRunOptions(Form->Panels(), options);
        TNotifyEvent destroy = Form->OnDestroy;
        Form->OnDestroy = [this, destroy](TObject* sender) {
            destroy(sender);
            Destroyed = true;
            DestroyedDuringRun = ConversionRunning;
        };
    }
    void SetAfterConversion(int32_t action)
    {
        RunOptions options = ReadRunOptions(Form->Panels());
        options.AfterConversion = action;
        WriteRunOptions(Form->Panels(), options);
    }
    void TearDown() override
    {
        if (Destroyed)
            Form = nullptr; // it freed itself
        if (Application->MainForm() == Form)
            Application->SetMainForm(nullptr);
        MainWindow::TearDown();
    }

    bool Destroyed = false;
    bool DestroyedDuringRun = false;
};

struct CloseCase
{
    const char* Name;
    bool UserCloses;         // the window's close box while the encoder runs
    int32_t AfterConversion; // cbAfterConversion
};

// Closing while a run handles messages: the window goes once the run has unwound, never beneath it.
TEST_F(MainWindowRun, ClosingDuringARunWaitsUntilTheRunHasEnded)
{
    const CloseCase cases[] = {
        {"the user closes the window", true, acDoNothing},
        {"the run closes the program afterwards", false, acCloseProgram},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Destroyed = DestroyedDuringRun = false;
        Services.Boxes.clear();
        SetWindowServices(&Services);
        StartAsMainWindow();
        SetAfterConversion(c.AfterConversion);
        FakeFileList rows;
        rows.Add(test_media::TwoSecondClip());
        if (c.UserCloses)
            PostMessage(Form->Handle(), WM_CLOSE, 0, 0);

        Form->RunConversion(rows);
        Pump();

        EXPECT_FALSE(DestroyedDuringRun);
        EXPECT_TRUE(Destroyed) << "closed once the run had ended";
        if (c.UserCloses) {
            ASSERT_FALSE(Services.Boxes.empty());
            EXPECT_NE(Services.Boxes.front().find("close"), std::string::npos) << Services.Boxes.front();
        }
        TearDown();
        Form = nullptr;
    }
}

TEST_F(MainWindowRun, ShutDownAfterConversionAsksTheInstalledPowerOffOnce)
{
    TCountingPowerOff powerOff;
    SetPowerOff(&powerOff);
    StartAsMainWindow();
    SetAfterConversion(acShutDown);
    FakeFileList rows;
    rows.Add(test_media::TwoSecondClip());

    Form->RunConversion(rows);
    Pump();
    SetPowerOff(nullptr);

    EXPECT_EQ(powerOff.Requests, 1);
    EXPECT_TRUE(Destroyed) << "the program closes after the request";
}

} // namespace

namespace {

TEST_F(MainWindowRun, AFailedFileShowsItsRecordInTheErrorWindow)
{
    StartAsMainWindow();
    auto* errors = new TFormErrors(Form, Form->WindowLooks());
    TSecondaryWindows windows;
    windows.Errors = errors;
    Form->SetSecondaryWindows(windows);
    const std::string notAVideo = Temp.Write("not a video.mp4", "only text");
    FakeFileList rows;
    rows.Add(notAVideo);

    Form->RunConversion(rows);
    Pump();

    EXPECT_TRUE(errors->Visible());
    EXPECT_NE(errors->Caption().find("(1)"), std::string::npos) << errors->Caption();
    EXPECT_FALSE(Destroyed);
}

} // namespace
