#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/messages.h"

#include <cstdint>
#include <functional>

// Timers: a window's numbered timers deliver WM_TIMER (wParam the number) from the message loop, and the
// TTimer component calls OnTimer every Interval milliseconds while it is enabled and has a handler.

// Where every timer of the layer (window timers, TTimer, the one-shot pauses of the hints) and the tick
// count get their time: the message loop's timers and the system's monotonic clock, unless a test puts in
// a clock that it moves on itself.
class TTimerSource
{
public:
    virtual ~TTimerSource() = default;
    // Calls due once, milliseconds from now, unless cancelled first; answers the number Cancel takes.
    virtual int Start(int milliseconds, std::function<void()> due) = 0;
    virtual void Cancel(int id) = 0;
    // Milliseconds on a clock that never goes back (the system's: since it started).
    virtual int64_t Now() = 0;
};

// nullptr puts the message loop's timers back. A source must outlive the timers started on it; a timer keeps
// the source it was started on until it starts again.
void SetTimerSource(TTimerSource* source);

// Milliseconds since the system started, on the current timer source, wrapping to 0 after 2^32 - 1 (about
// 49.7 days) as the platform's tick count does: subtract two counts as unsigned values to get the time
// between them.
uint32_t GetTickCount();

// A one-shot pause on the timer source that is current when it starts.
class TOneShotTimer
{
public:
    explicit TOneShotTimer(std::function<void()> due) : due_(std::move(due)) {}
    ~TOneShotTimer() { Stop(); }
    TOneShotTimer(const TOneShotTimer&) = delete;
    TOneShotTimer& operator=(const TOneShotTimer&) = delete;

    // Starts the pause anew; a negative time counts as none.
    void Start(int milliseconds);
    void Stop();
    bool Active() const { return source_ != nullptr; }

private:
    std::function<void()> due_;
    TTimerSource* source_ = nullptr;
    int id_ = 0;
};

// A timer that calls due every interval milliseconds until stopped, on the timer source current when it
// starts. due may stop or destroy the timer.
class TRepeatingTimer
{
public:
    explicit TRepeatingTimer(std::function<void()> due);
    // Starts anew; the first call comes after a whole interval.
    void Start(unsigned milliseconds);
    void Stop() { pause_.Stop(); }
    bool Active() const { return pause_.Active(); }

private:
    std::function<void()> due_;
    TOneShotTimer pause_;
    unsigned interval_ = 0;
};

// Starts or restarts timer id of window; answers id (0 when the window does not exist).
uintptr_t SetTimer(HWND window, uintptr_t id, unsigned milliseconds);
bool KillTimer(HWND window, uintptr_t id);

class TTimer : public TComponent
{
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);

    TNotifyEvent OnTimer;
    // A handler set after Enabled starts the timer; call after setting OnTimer.
    void UpdateTimer();

protected:
    virtual void Timer();

private:
    TRepeatingTimer clock_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
