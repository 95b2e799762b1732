#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/windows/ui_state.h"
#include "platform/gui/windows/window_functions.h"
#include "system_message_recorder.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// A form holding a panel holding a control, all writing into one log; keyboard cues off while it lives, as
// the tests that reach hidden accelerators run.
class UIState : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm();
        panel = new TSystemRecorder(form, &log, "panel");
        panel->SetBounds(10, 10, 120, 80);
        panel->SetParent(form);
        inner = new TSystemRecorder(form, &log, "inner");
        inner->SetBounds(10, 10, 40, 20);
        inner->SetParent(panel);
        Pump();
        log.clear();
    }
    void TearDown() override { form->Free(); }

    static unsigned Query(TWinControl* window)
    {
        return static_cast<unsigned>(SendMessage(window->Handle(), WM_QUERYUISTATE, 0, 0));
    }
    static void Change(TWinControl* window, unsigned action, unsigned flags)
    {
        SendMessage(window->Handle(), WM_CHANGEUISTATE,
                    MAKEWPARAM(static_cast<int>(action), static_cast<int>(flags)), 0);
    }

    TKeyboardCuesOff cuesOff;
    Log log;
    TForm* form = nullptr;
    TSystemRecorder* panel = nullptr;
    TSystemRecorder* inner = nullptr;
};

TEST_F(UIState, AChangeClimbsToTheTopAndTheUpdateComesDownToEveryWindow)
{
    Change(inner, UIS_SET, UISF_HIDEACCEL);
    EXPECT_EQ(log, (Log{"inner:CHANGEUISTATE", "panel:CHANGEUISTATE", "panel:UPDATEUISTATE",
                        "inner:UPDATEUISTATE"}));
    for (TWinControl* window : {static_cast<TWinControl*>(form), static_cast<TWinControl*>(panel),
                                static_cast<TWinControl*>(inner)})
        EXPECT_EQ(Query(window), UISF_HIDEACCEL);

    // A window made later takes its parent's state; a change that changes nothing sends no update.
    auto* later = new TSystemRecorder(form, &log, "later");
    later->SetParent(panel);
    EXPECT_EQ(Query(later), UISF_HIDEACCEL);
    log.clear();
    Change(panel, UIS_SET, UISF_HIDEACCEL);
    EXPECT_EQ(log, (Log{"panel:CHANGEUISTATE"}));

    Change(later, UIS_CLEAR, UISF_HIDEACCEL);
    Change(inner, UIS_SET, UISF_HIDEFOCUS);
    EXPECT_EQ(Query(later), UISF_HIDEFOCUS);
    EXPECT_EQ(Query(form), UISF_HIDEFOCUS);
}

TEST_F(UIState, InitializeFollowsTheLastInputAndKeyboardCuesShowEverything)
{
    const LPARAM everything = MAKEWPARAM(UIS_INITIALIZE, 0);
    SendMouse(inner, QEvent::MouseButtonPress, {5, 5});
    SendMouse(inner, QEvent::MouseButtonRelease, {5, 5});
    SendMessage(inner->Handle(), WM_CHANGEUISTATE, everything, 0);
    EXPECT_EQ(Query(inner), UISF_HIDEACCEL | UISF_HIDEFOCUS);
    SendKey(inner, Qt::Key_Shift);
    SendMessage(inner->Handle(), WM_CHANGEUISTATE, everything, 0);
    EXPECT_EQ(Query(inner), 0u);

    // With keyboard cues on nothing is hidden, whatever the windows asked for before.
    Change(inner, UIS_SET, UISF_HIDEACCEL);
    SystemParametersInfo(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(1), 0);
    int cues = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETKEYBOARDCUES, 0, &cues, 0));
    EXPECT_EQ(cues, 1);
    EXPECT_EQ(Query(inner), 0u);
    Change(inner, UIS_SET, UISF_HIDEACCEL | UISF_HIDEFOCUS);
    EXPECT_EQ(Query(form), 0u);
    // Off again, the state the windows kept shows.
    SystemParametersInfo(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETKEYBOARDCUES, 0, &cues, 0));
    EXPECT_EQ(cues, 0);
    EXPECT_EQ(Query(form), UISF_HIDEACCEL);
}

} // namespace
