#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/messages.h"

#include <functional>
#include <memory>

// Timers: a window's numbered timers deliver WM_TIMER (wParam the number) from the message loop, and the
// TTimer component calls OnTimer every Interval milliseconds while it is enabled and has a handler.

// Where the layer's own one-shot pauses (those of the hints) get their time: the message loop's timers,
// unless a test puts in a clock that it moves on itself.
class TTimerSource
{
public:
    virtual ~TTimerSource() = default;
    // Calls due once, milliseconds from now, unless cancelled first; answers the number Cancel takes.
    virtual int Start(int milliseconds, std::function<void()> due) = 0;
    virtual void Cancel(int id) = 0;
};

// nullptr puts the message loop's timers back. A source must outlive the pauses started on it.
void SetTimerSource(TTimerSource* source);

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
    struct Clock;
    std::unique_ptr<Clock> clock_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
