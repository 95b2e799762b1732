#include "controls/pack/repeat_timer.h"

#include "gui_driver.h"
#include "manual_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// A timer on the manual clock that writes down what it reports.
class RepeatTimer : public testing::Test
{
protected:
    RepeatTimer() : timer(nullptr)
    {
        timer.SetEnabled(false);
        timer.SetInterval(200);
        timer.OnTimer = [this](TObject*) { log += "T"; };
        timer.OnRepeatCountLimitReached = [this](TObject*) { log += timer.Enabled() ? "L(running)" : "L"; };
    }

    TManualClock clock;
    TKvpTimer timer;
    std::string log;
};

} // namespace

TEST_F(RepeatTimer, OneTickThenStopAndTheLimitEventInTheSameTick)
{
    timer.SetRepeatCountLimit(1);
    timer.Start();
    clock.Advance(199);
    EXPECT_EQ(log, "");
    clock.Advance(1);
    EXPECT_EQ(log, "TL");
    EXPECT_FALSE(timer.Enabled());
    clock.Advance(1000);
    EXPECT_EQ(log, "TL");
}

TEST_F(RepeatTimer, WithoutLimitItCountsOnAndNeverReports)
{
    timer.Start();
    clock.Advance(1000);
    EXPECT_EQ(log, "TTTTT");
    EXPECT_EQ(timer.Counter(), 5u);
    EXPECT_TRUE(timer.Enabled());
}

TEST_F(RepeatTimer, ACounterAtTheLimitStopsWithoutOnTimer)
{
    timer.SetRepeatCountLimit(1);
    timer.SetCounter(1000);
    timer.SetEnabled(true);
    clock.Advance(200);
    EXPECT_EQ(log, "L");

    // Not clearing on start: the limit stays reached.
    log.clear();
    timer.SetClearCounterOnStart(false);
    timer.Start();
    clock.Advance(200);
    EXPECT_EQ(log, "L");
    EXPECT_EQ(timer.Counter(), 1000u);
}

TEST_F(RepeatTimer, StopInsideOnTimerStillReportsTheLimit)
{
    timer.SetRepeatCountLimit(2);
    timer.OnTimer = [this](TObject*) {
        log += "T";
        timer.Stop();
    };
    timer.Start();
    clock.Advance(200);
    EXPECT_EQ(log, "T");
    timer.SetEnabled(true);
    clock.Advance(200);
    EXPECT_EQ(log, "TTL");
}

TEST(RepeatTimerRealTime, RestartPostponesTheDelay)
{
    TKvpTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(300);
    timer.SetRepeatCountLimit(1);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    const auto start = std::chrono::steady_clock::now();
    timer.Start();
    // Restarted every 30 ms or so for 600 ms: never a whole interval without a restart.
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(600)) {
        timer.Restart();
        for (int i = 0; i < 3; ++i) {
            Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    EXPECT_EQ(ticks, 0);
    const auto waitStart = std::chrono::steady_clock::now();
    while (ticks == 0 && std::chrono::steady_clock::now() - waitStart < std::chrono::seconds(5)) {
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.Enabled());
}
