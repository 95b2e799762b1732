#include "manual_clock.h"

#include <algorithm>
#include <tuple>

int TManualClock::Start(int milliseconds, std::function<void()> due)
{
    pending_.push_back({now_ + milliseconds, ++lastId_, std::move(due)});
    return lastId_;
}

void TManualClock::Cancel(int id)
{
    std::erase_if(pending_, [id](const Pending& p) { return p.id == id; });
}

void TManualClock::Advance(int64_t milliseconds)
{
    const int64_t end = now_ + milliseconds;
    for (;;) {
        auto next =
            std::min_element(pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) {
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
