#include "controls/pack/repeat_timer.h"

#include "manual_clock.h"

#include <gtest/gtest.h>

#include <string>

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

TEST_F(RepeatTimer, RestartPostponesTheDelay)
{
    timer.SetInterval(300);
    timer.SetRepeatCountLimit(1);
    timer.Start();
    // Restarted every 30 ms for 600 ms: never a whole interval without a restart.
    for (int elapsed = 0; elapsed < 600; elapsed += 30) {
        clock.Advance(30);
        timer.Restart();
    }
    EXPECT_EQ(log, "");
    clock.Advance(299);
    EXPECT_EQ(log, "") << "a whole interval from the last restart";
    clock.Advance(1);
    EXPECT_EQ(log, "TL");
    EXPECT_FALSE(timer.Enabled());
}
