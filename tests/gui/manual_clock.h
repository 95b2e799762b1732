#pragma once

// A clock for the layer's pauses (TOneShotTimer) that moves only when the test moves it: put in as the timer
// source while it lives.

#include "platform/gui/windows/timers.h"

#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

class TManualClock : public TTimerSource
{
public:
    TManualClock() { SetTimerSource(this); }
    ~TManualClock() override { SetTimerSource(nullptr); }
    int Start(int milliseconds, std::function<void()> due) override
    {
        pending_.push_back({now_ + milliseconds, ++lastId_, std::move(due)});
        return lastId_;
    }
    void Cancel(int id) override
    {
        pending_.erase(std::remove_if(pending_.begin(), pending_.end(), [id](auto& p) { return p.id == id; }),
                       pending_.end());
    }
    // Moves the time on by milliseconds, running what falls due on the way in the order it falls due.
    void Advance(int milliseconds)
    {
        const long end = now_ + milliseconds;
        for (;;) {
            auto next = std::min_element(pending_.begin(), pending_.end(), [](auto& a, auto& b) {
                return std::tie(a.at, a.id) < std::tie(b.at, b.id);
            });
            if (next == pending_.end() || next->at > end)
                break;
            now_ = next->at;
            const std::function<void()> due = std::move(next->due);
            pending_.erase(next);
            due();
        }
        now_ = end;
    }

private:
    struct Pending
    {
        long at;
        int id;
        std::function<void()> due;
    };
    std::vector<Pending> pending_;
    long now_ = 0;
    int lastId_ = 0;
};
