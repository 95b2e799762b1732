#pragma once

#include "engine/run_host.h"

#include <chrono>
#include <optional>

// Stopping a conversion run. Abort asks the encoder to stop by writing "q" to it and starts a timer; the
// run then ends after the current file. When the timer has fired (the encoder had its chance), the next
// output line or quiet moment of the encoder writes "q" once more, waits a little and terminates the
// encoder. The flags are the program-wide AbortRequested and AbortTimeoutElapsed.
class TAbortControl
{
public:
    static constexpr int AbortTimeoutMs = 2500;
    static constexpr int ForcedStopWaitMs = 500;

    enum TAbortResult
    {
        arNotRunning,      // no run is going on: the progress window closes instead
        arRequested,       // the encoder was asked to stop
        arAlreadyRequested // a second press: nothing happens
    };

    explicit TAbortControl(IRunHost& host) : FHost(host) {}

    // The Abort command.
    TAbortResult actAbortExecute();
    // The timer has fired: AbortTimeoutElapsed is set and the timer stops.
    void tmAbortTimer();
    bool TimerEnabled() const { return FTimerDue.has_value(); }

    // For every output line and quiet moment of the encoder: fires the timer when it is due, and once it
    // has fired stops the encoder (once per encoder run).
    void Tick();
    // Fires the timer when it is due.
    void CheckTimer();
    // A new encoder run starts.
    void BeginEncoderRun() { FForcedStopDone = false; }
    // The run ends: the timer stops and both flags are cleared.
    void EndRun();

private:
    IRunHost& FHost;
    std::optional<std::chrono::steady_clock::time_point> FTimerDue;
    bool FForcedStopDone = false;
};

// Terminates the run's own encoder child (SIGTERM, then SIGKILL when it does not end); no other process
// is ever signalled. True when a running child was asked to end.
bool TerminateApp();
