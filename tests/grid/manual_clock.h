#pragma once

// A timer source whose time moves only when a test moves it; installed while it lives.

#include "platform/gui/windows/timers.h"

#include <cstdint>
#include <functional>
#include <map>

class TManualClock : public TTimerSource
{
public:
    TManualClock() { SetTimerSource(this); }
    ~TManualClock() override { SetTimerSource(nullptr); }

    int Start(int milliseconds, std::function<void()> due) override
    {
        pending_[++lastId_] = {now_ + milliseconds, std::move(due)};
        return lastId_;
    }
    void Cancel(int id) override { pending_.erase(id); }

    // Moves the time on, running what falls due in order (pauses started meanwhile included).
    void Advance(int milliseconds)
    {
        const int64_t until = now_ + milliseconds;
        while (true) {
            auto next = pending_.end();
            for (auto it = pending_.begin(); it != pending_.end(); ++it)
                if (it->second.due <= until && (next == pending_.end() || it->second.due < next->second.due))
                    next = it;
            if (next == pending_.end())
                break;
            now_ = next->second.due;
            std::function<void()> call = std::move(next->second.call);
            pending_.erase(next);
            call();
        }
        now_ = until;
    }
    int64_t Now() const { return now_; }

private:
    struct Pause
    {
        int64_t due;
        std::function<void()> call;
    };
    std::map<int, Pause> pending_;
    int64_t now_ = 0;
    int lastId_ = 0;
};
