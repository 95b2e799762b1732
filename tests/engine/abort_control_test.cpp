#include "engine/abort_control.h"
#include "engine/console_runner.h"
#include "engine/progress_monitor.h"
#include "engine/run_state.h"
#include "fake_run_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

TEST(AbortControl, OutsideARunTheWindowClosesAndASecondPressDoesNothing)
{
    FakeRunHost host;
    TAbortControl abort(host);
    ConversionRunning = false;
    AbortRequested = false;
    EXPECT_EQ(abort.actAbortExecute(), TAbortControl::arNotRunning);
    EXPECT_FALSE(abort.TimerEnabled());

    ConversionRunning = true;
    EXPECT_EQ(abort.actAbortExecute(), TAbortControl::arRequested);
    EXPECT_TRUE(AbortRequested);
    EXPECT_TRUE(abort.TimerEnabled());
    EXPECT_EQ(abort.actAbortExecute(), TAbortControl::arAlreadyRequested);

    abort.tmAbortTimer();
    EXPECT_TRUE(AbortTimeoutElapsed);
    EXPECT_FALSE(abort.TimerEnabled());
    abort.EndRun();
    EXPECT_FALSE(AbortRequested);
    EXPECT_FALSE(AbortTimeoutElapsed);
    ConversionRunning = false;
}

// An encoder that ignores "q" on its input keeps printing progress: after the time-out it is terminated.
TEST(AbortControl, AnEncoderThatIgnoresQuitIsTerminated)
{
    FakeRunHost host;
    TAbortControl abort(host);
    std::vector<std::string> output;
    TProgressContext context;
    TAppStrings strings;
    TProgressMonitor monitor(host, abort, output, context, strings);
    ConversionRunning = true;
    host.OnMessages = [&] {
        if (!AbortRequested)
            abort.actAbortExecute();
    };

    const auto start = std::chrono::steady_clock::now();
    const int exitCode = RunConsoleApp(
        "/bin/sh",
        std::vector<std::string>{"-c", "while :; do echo 'frame=1 fps=1 speed=1x'; sleep 0.05; done"},
        &output, &monitor.Observer(), "");
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(exitCode, 128 + SIGTERM);
    EXPECT_TRUE(AbortTimeoutElapsed);
    EXPECT_GE(elapsed,
              std::chrono::milliseconds(TAbortControl::AbortTimeoutMs + TAbortControl::ForcedStopWaitMs));
    EXPECT_FALSE(TerminateApp()); // no child is left to stop
    abort.EndRun();
    ConversionRunning = false;
}
