#pragma once

// A clock for the layer's timers and tick count that moves only when the test moves it; it is the timer
// source while it lives.

#include "platform/gui/windows/timers.h"

#include <cstdint>
#include <functional>
#include <vector>

class TManualClock : public TTimerSource
{
public:
    explicit TManualClock(int64_t start = 0) : now_(start) { SetTimerSource(this); }
    ~TManualClock() override { SetTimerSource(nullptr); }
    TManualClock(const TManualClock&) = delete;
    TManualClock& operator=(const TManualClock&) = delete;

    int Start(int milliseconds, std::function<void()> due) override;
    void Cancel(int id) override;
    int64_t Now() override { return now_; }
    // Moves the time on by milliseconds, running what falls due on the way in the order it falls due.
    void Advance(int64_t milliseconds);

private:
    struct Pending
    {
        int64_t at;
        int id;
        std::function<void()> due;
    };
    std::vector<Pending> pending_;
    int64_t now_;
    int lastId_ = 0;
};
