#include "main_window_fixture.h"

#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/main/file_list_view.h"
#include "controls/grid/data_grid.h"
#include "gui_driver.h"
#include "manual_clock.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/timers.h"

// The Help menu's commands open the update check and the about window as the program creates them.
TEST_F(MainWindow, HelpCommandsShowTheUpdateCheckAndTheAboutWindow)
{
    TManualClock clock;
    Start();
    TSecondaryWindows windows;
    windows.CheckUpdate = new TFormCheckUpdate(Form, Form->WindowLooks());
    windows.About = new TFormAbout(Form, Form->WindowLooks());
    windows.About->SetCloseShortCut(Form->Actions.actAbout->ShortCut());
    Form->SetSecondaryWindows(windows);

    windows.CheckUpdate->StatusBox()->Lines()->SetText("an earlier verdict");
    Form->Actions.actCheckUpdate->Execute();
    Pump();
    EXPECT_TRUE(windows.CheckUpdate->Visible());
    EXPECT_EQ(windows.CheckUpdate->StatusBox()->Lines()->Count(), 0);
    // The program has no version file address: a second later the check says so without asking anyone.
    clock.Advance(1000);
    EXPECT_FALSE(windows.CheckUpdate->Checking());
    EXPECT_EQ(windows.CheckUpdate->StatusBox()->Lines()->Strings(0), "Can not connect to the server.");

    Press(Form->FileListView().Grid(), "CS-F1");
    Pump();
    EXPECT_TRUE(windows.About->Visible());
    Press(windows.About, "CS-F1");
    Pump();
    EXPECT_FALSE(windows.About->Visible()) << "the About key closes the window it opened";
}
