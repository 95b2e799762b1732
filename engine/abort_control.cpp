#include "engine/abort_control.h"

#include "engine/console_runner.h"
#include "engine/run_state.h"

TAbortControl::TAbortResult TAbortControl::actAbortExecute()
{
    if (AbortRequested)
        return arAlreadyRequested;
    if (!ConversionRunning)
        return arNotRunning;
    WriteToConsoleApp("q");
    FTimerDue = std::chrono::steady_clock::now() + std::chrono::milliseconds(AbortTimeoutMs);
    AbortRequested = true;
    return arRequested;
}

void TAbortControl::tmAbortTimer()
{
    AbortTimeoutElapsed = true;
    FTimerDue.reset();
}

void TAbortControl::CheckTimer()
{
    if (FTimerDue && std::chrono::steady_clock::now() >= *FTimerDue)
        tmAbortTimer();
}

void TAbortControl::Tick()
{
    CheckTimer();
    if (!AbortTimeoutElapsed || FForcedStopDone)
        return;
    // Once per child: terminating again would put off the forced kill that follows a refused termination.
    FForcedStopDone = true;
    if (WriteToConsoleApp("q"))
        PauseWithMessages(FHost, ForcedStopWaitMs, [this] { CheckTimer(); });
    TerminateApp();
}

void TAbortControl::EndRun()
{
    FTimerDue.reset();
    AbortRequested = false;
    AbortTimeoutElapsed = false;
}

bool TerminateApp()
{
    return TerminateConsoleApp();
}
