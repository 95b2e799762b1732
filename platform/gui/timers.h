#pragma once

#include "platform/gui/classes.h"
#include "platform/gui/messages.h"

#include <memory>

// Timers: a window's numbered timers deliver WM_TIMER (wParam the number) from the message loop, and the
// TTimer component calls OnTimer every Interval milliseconds while it is enabled and has a handler.

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
