#include "modal_test_support.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using Log = std::vector<std::string>;

TForm* TrackedForm(Log& log)
{
    auto* form = new TForm(Application);
    form->OnCreate = [&log](TObject*) { log.push_back("create"); };
    form->OnShow = [&log](TObject*) { log.push_back("show"); };
    form->OnHide = [&log](TObject*) { log.push_back("hide"); };
    form->OnCloseQuery = [&log](TObject*, bool&) { log.push_back("closequery"); };
    form->OnClose = [&log](TObject*, TCloseAction&) { log.push_back("close"); };
    form->OnDestroy = [&log](TObject*) { log.push_back("destroy"); };
    return form;
}

TEST(Forms, ModalFormRunsUntilATimerSetsItsResult)
{
    Log log;
    TForm* form = TrackedForm(log);
    auto* button = new TRecorder(form, nullptr, "ok");
    button->SetParent(form);
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        PostMessage(button->Handle(), WM_USER, 0, 0);
        form->SetModalResult(mrOk);
    };
    timer.UpdateTimer();
    const TModalGuard deadline; // a timer that never ticks fails the test instead of hanging it
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(log, (Log{"create", "show", "closequery", "close", "hide"}));
    log.clear();
    form->Free();
    EXPECT_EQ(log, (Log{"destroy"}));
}

TEST(Forms, CloseQueryCanVetoAndOnCloseDecidesWhatHappens)
{
    Log log;
    TForm* form = TrackedForm(log);
    bool allow = false;
    TCloseAction decided = caHide;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->OnClose = [&](TObject*, TCloseAction& action) { action = decided; };
    form->Show();
    Pump();
    form->Close();
    EXPECT_TRUE(form->Visible());
    allow = true;
    decided = caNone;
    form->Close();
    EXPECT_TRUE(form->Visible());
    decided = caHide;
    form->Close();
    EXPECT_FALSE(form->Visible());

    // caFree frees the form once its messages are handled.
    form->Show();
    decided = caFree;
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->Close();
    EXPECT_FALSE(destroyed);
    Pump();
    EXPECT_TRUE(destroyed);
}

TEST(Forms, ModalCloseIsVetoedUntilCloseQueryAgrees)
{
    TForm* form = new TForm(Application);
    int asked = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        form->Close(); // a modal form's Close sets mrCancel
        if (asked > 1)
            timer.SetEnabled(false);
    };
    timer.UpdateTimer();
    const TModalGuard deadline;
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
    form->Free();
}

TEST(Forms, WindowTimersArriveAsMessages)
{
    TForm* form = ShowTestForm();
    Log log;
    auto* control = new TRecorder(form, &log, "t");
    control->SetParent(form);
    SetTimer(control->Handle(), 7, 1);
    int ticks = 0;
    control->WindowProc = [&, old = control->WindowProc](TMessage& m) {
        if (m.Msg == WM_TIMER && m.WParam == 7 && ++ticks == 2)
            KillTimer(control->Handle(), 7);
        old(m);
    };
    while (ticks < 2)
        Application->HandleMessage();
    Pump();
    EXPECT_EQ(ticks, 2);
    form->Free();
}

TEST(Forms, TimersKeepFiringWhileAHandlerWorksAndProcessesMessages)
{
    TForm* form = ShowTestForm();
    auto* button = new TRecorder(form, nullptr, "run");
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 24);
    int ticks = 0, windowTicks = 0, posted = 0;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.UpdateTimer();
    button->WindowProc = [&, old = button->WindowProc](TMessage& m) {
        windowTicks += m.Msg == WM_TIMER;
        posted += m.Msg == WM_USER;
        old(m);
    };
    SetTimer(button->Handle(), 1, 1);

    // The long work: it keeps the program alive by handling the waiting messages now and then. A generous
    // deadline only keeps a broken timer from hanging the test.
    int ticksInWork = 0, windowTicksInWork = 0, postedInWork = 0;
    button->OnClick = [&](TObject*) {
        PostMessage(button->Handle(), WM_USER, 0, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while ((ticks < 3 || windowTicks < 3) && std::chrono::steady_clock::now() < deadline)
            Application->ProcessMessages();
        ticksInWork = ticks;
        windowTicksInWork = windowTicks;
        postedInWork = posted;
    };
    SendMouse(button, QEvent::MouseButtonPress, {5, 5});
    SendMouse(button, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_GE(ticksInWork, 3);
    EXPECT_GE(windowTicksInWork, 3);
    EXPECT_EQ(postedInWork, 1);

    // The timers go on after the work.
    const int before = ticks;
    while (ticks == before)
        Application->HandleMessage();
    KillTimer(button->Handle(), 1);
    form->Free();
}

TEST(FormSnap, PlacedNearAWorkAreaEdgeLandsOnIt)
{
    const TRect area = Screen->PrimaryMonitor()->WorkareaRect();
    struct Case
    {
        TPoint asked;
        TPoint placed;
    };
    const int right = area.Right - 200; // where a 200-wide form touches the right edge
    const Case cases[] = {
        {{area.Left + 9, area.Top + 50}, {area.Left, area.Top + 50}},
        {{area.Left + 10, area.Top + 3}, {area.Left + 10, area.Top}},
        {{right - 9, area.Bottom - 100 + 4}, {right, area.Bottom - 100}},
        {{area.Left + 40, area.Top + 40}, {area.Left + 40, area.Top + 40}},
    };
    TForm form(nullptr);
    form.SetScreenSnap(true);
    for (const Case& c : cases) {
        form.SetBounds(c.asked.X, c.asked.Y, 200, 100);
        EXPECT_EQ((TPoint{form.Left(), form.Top()}), c.placed) << c.asked.X << "," << c.asked.Y;
    }
    form.SetScreenSnap(false);
    form.SetBounds(area.Left + 3, area.Top + 3, 200, 100);
    EXPECT_EQ((TPoint{form.Left(), form.Top()}), (TPoint{area.Left + 3, area.Top + 3}));
}

} // namespace
