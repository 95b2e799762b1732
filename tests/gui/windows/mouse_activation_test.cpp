#include "platform/gui/windows/window_functions.h"
#include "system_message_recorder.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// Two forms, the second holding a panel holding a control; the first is the active one.
class MouseActivation : public testing::Test
{
protected:
    void SetUp() override
    {
        active = ShowTestForm();
        inactive = ShowTestForm();
        inactive->SetLeft(350);
        TWndMethod original = inactive->WindowProc;
        inactive->WindowProc = [this, original](TMessage& message) {
            if (message.Msg == WM_MOUSEACTIVATE)
                log.push_back("form:MOUSEACTIVATE");
            original(message);
        };
        panel = new TSystemRecorder(inactive, &log, "panel");
        panel->SetBounds(10, 10, 120, 80);
        panel->SetParent(inactive);
        inner = new TSystemRecorder(inactive, &log, "inner");
        inner->SetBounds(10, 10, 40, 20);
        inner->SetParent(panel);
        Activate(active);
    }
    void TearDown() override
    {
        active->Free();
        inactive->Free();
    }

    void Activate(TForm* form)
    {
        form->Window().widget->activateWindow();
        Pump();
        ASSERT_EQ(GetActiveWindow(), form->Handle());
        log.clear();
    }
    void Click(TWinControl* control)
    {
        SendMouse(control, QEvent::MouseButtonPress, {5, 5});
        SendMouse(control, QEvent::MouseButtonRelease, {5, 5});
        Pump();
    }

    Log log;
    TForm* active = nullptr;
    TForm* inactive = nullptr;
    TSystemRecorder* panel = nullptr;
    TSystemRecorder* inner = nullptr;
};

TEST_F(MouseActivation, APressInAnInactiveWindowAsksThePointedWindowAndItsParentsFirst)
{
    WPARAM topLevel = 0;
    LPARAM hitAndMessage = 0;
    inner->Answer = [&](TMessage& message) {
        if (message.Msg == WM_MOUSEACTIVATE) {
            topLevel = message.WParam;
            hitAndMessage = message.LParam;
        }
        return false;
    };
    Click(inner);
    EXPECT_EQ(log, (Log{"inner:MOUSEACTIVATE", "panel:MOUSEACTIVATE", "form:MOUSEACTIVATE",
                        "inner:LBUTTONDOWN", "inner:LBUTTONUP"}));
    EXPECT_EQ(topLevel, reinterpret_cast<WPARAM>(inactive->Handle()));
    EXPECT_EQ(hitAndMessage, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(GetActiveWindow(), inactive->Handle());

    // In the active window a press is only a press.
    log.clear();
    Click(inner);
    EXPECT_EQ(log, (Log{"inner:LBUTTONDOWN", "inner:LBUTTONUP"}));
}

TEST_F(MouseActivation, TheAnswerDecidesActivationAndWhetherThePressCounts)
{
    const struct
    {
        int answer;
        bool activates;
        Log log;
    } cases[] = {
        {MA_ACTIVATE,
         true,
         {"inner:MOUSEACTIVATE", "panel:MOUSEACTIVATE", "inner:LBUTTONDOWN", "inner:LBUTTONUP"}},
        {MA_ACTIVATEANDEAT, true, {"inner:MOUSEACTIVATE", "panel:MOUSEACTIVATE", "inner:LBUTTONUP"}},
        {MA_NOACTIVATE,
         false,
         {"inner:MOUSEACTIVATE", "panel:MOUSEACTIVATE", "inner:LBUTTONDOWN", "inner:LBUTTONUP"}},
        {MA_NOACTIVATEANDEAT, false, {"inner:MOUSEACTIVATE", "panel:MOUSEACTIVATE", "inner:LBUTTONUP"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        Activate(active);
        panel->Answer = [&c](TMessage& message) {
            if (message.Msg != WM_MOUSEACTIVATE)
                return false;
            message.Result = c.answer;
            return true;
        };
        Click(inner);
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(GetActiveWindow(), c.activates ? inactive->Handle() : active->Handle());
    }
}

} // namespace
