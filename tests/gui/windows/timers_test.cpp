#include "manual_clock.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(TickCount, FollowsTheTimerSourceAndWrapsAfterThirtyTwoBits)
{
    {
        TManualClock clock(1000);
        EXPECT_EQ(GetTickCount(), 1000u);
        clock.Advance(750);
        EXPECT_EQ(GetTickCount(), 1750u);
    }
    {
        TManualClock clock((int64_t(1) << 32) - 10);
        const uint32_t before = GetTickCount();
        EXPECT_EQ(before, 0xFFFFFFF6u);
        clock.Advance(25);
        EXPECT_EQ(GetTickCount(), 15u);
        EXPECT_EQ(GetTickCount() - before, 25u) << "the time between two counts survives the wrap";
    }
    // The system's clock moves on its own.
    const uint32_t start = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(GetTickCount() - start, 20u);
}

TEST(Timers, TTimerTicksOnTheTimerSource)
{
    TManualClock clock;
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(100);
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.UpdateTimer();
    clock.Advance(99);
    EXPECT_EQ(ticks, 0);
    clock.Advance(1);
    EXPECT_EQ(ticks, 1);
    clock.Advance(250);
    EXPECT_EQ(ticks, 3);

    timer.SetInterval(40); // starts the interval anew
    clock.Advance(39);
    EXPECT_EQ(ticks, 3);
    clock.Advance(1);
    EXPECT_EQ(ticks, 4);

    timer.SetEnabled(false);
    clock.Advance(1000);
    EXPECT_EQ(ticks, 4);

    // A handler may stop its own timer.
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetEnabled(true);
    clock.Advance(1000);
    EXPECT_EQ(ticks, 5);
}

TEST(Timers, WindowTimersDeliverWMTimerOnTheTimerSourceUntilKilled)
{
    TForm* form = ShowTestForm();
    std::vector<std::string> log;
    auto* control = new TRecorder(form, &log, "w");
    control->SetParent(form);
    TManualClock clock;
    std::vector<WPARAM> ids;
    control->WindowProc = [&, old = control->WindowProc](TMessage& m) {
        if (m.Msg == WM_TIMER) {
            ids.push_back(m.WParam);
            if (m.WParam == 9 && std::count(ids.begin(), ids.end(), 9) == 2)
                KillTimer(control->Handle(), 9); // from inside its own tick
        }
        old(m);
    };
    EXPECT_EQ(SetTimer(control->Handle(), 9, 30), 9u);
    EXPECT_EQ(SetTimer(control->Handle(), 4, 50), 4u);
    clock.Advance(100);
    EXPECT_EQ(ids, (std::vector<WPARAM>{9, 4, 9, 4}));
    EXPECT_TRUE(KillTimer(control->Handle(), 4));
    EXPECT_FALSE(KillTimer(control->Handle(), 9)) << "already killed";
    clock.Advance(500);
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_EQ(SetTimer(nullptr, 1, 10), 0u);
    form->Free();
}

} // namespace
