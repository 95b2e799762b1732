#include "platform/gui/windows/timers.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/win_control.h"

#include <QTimer>

#include <chrono>
#include <limits>
#include <map>

namespace {

// The message loop's one-shot timers on the system's monotonic clock.
class TLoopTimerSource : public TTimerSource
{
public:
    int Start(int milliseconds, std::function<void()> due) override
    {
        const int id = ++lastId_;
        auto& timer = timers_[id];
        timer = std::make_unique<QTimer>();
        timer->setSingleShot(true);
        QObject::connect(timer.get(), &QTimer::timeout, [this, id, due = std::move(due)] {
            Cancel(id);
            due();
        });
        timer->start(milliseconds);
        return id;
    }
    // The timer may be the one whose signal runs now, so it goes later.
    void Cancel(int id) override
    {
        auto it = timers_.find(id);
        if (it == timers_.end())
            return;
        it->second->stop();
        it->second.release()->deleteLater();
        timers_.erase(it);
    }
    int64_t Now() override
    {
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    }

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
    int lastId_ = 0;
};

TTimerSource* chosenSource = nullptr;

TTimerSource& CurrentTimerSource()
{
    static TLoopTimerSource loopTimers;
    return chosenSource ? *chosenSource : loopTimers;
}

std::map<std::pair<HWND, uintptr_t>, std::unique_ptr<TRepeatingTimer>>& WindowTimers()
{
    static std::map<std::pair<HWND, uintptr_t>, std::unique_ptr<TRepeatingTimer>> timers;
    return timers;
}

} // namespace

void SetTimerSource(TTimerSource* source)
{
    chosenSource = source;
}

uint32_t GetTickCount()
{
    return static_cast<uint32_t>(CurrentTimerSource().Now());
}

void TOneShotTimer::Start(int milliseconds)
{
    Stop();
    source_ = &CurrentTimerSource();
    id_ = source_->Start(std::max(milliseconds, 0), [this] {
        source_ = nullptr;
        // A copy, so that the handler may destroy this timer.
        const std::function<void()> due = due_;
        due();
    });
}

void TOneShotTimer::Stop()
{
    if (!source_)
        return;
    TTimerSource* source = source_;
    source_ = nullptr;
    source->Cancel(id_);
}

TRepeatingTimer::TRepeatingTimer(std::function<void()> due)
    : due_(std::move(due)), pause_([this] {
          pause_.Start(static_cast<int>(interval_));
          const std::function<void()> due = due_;
          due();
      })
{}

void TRepeatingTimer::Start(unsigned milliseconds)
{
    interval_ = std::min(milliseconds, static_cast<unsigned>(std::numeric_limits<int>::max()));
    pause_.Start(static_cast<int>(interval_));
}

uintptr_t SetTimer(HWND window, uintptr_t id, unsigned milliseconds)
{
    if (!TWinControl::FromHandle(window))
        return 0;
    auto& timer = WindowTimers()[{window, id}];
    if (!timer)
        timer = std::make_unique<TRepeatingTimer>([window, id] {
            TWinControl* control = TWinControl::FromHandle(window);
            if (!control) {
                KillTimer(window, id);
                return;
            }
            DeliverInputMessage(control, WM_TIMER, id, 0, nullptr);
        });
    timer->Start(std::max(milliseconds, 1u));
    return id;
}

bool KillTimer(HWND window, uintptr_t id)
{
    return WindowTimers().erase({window, id}) > 0;
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), clock_([this] { GuardedCall(this, [this] { Timer(); }); })
{}

TTimer::~TTimer()
{
    Destroying();
    clock_.Stop();
}

void TTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value)
{
    if (value == interval_)
        return;
    interval_ = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    clock_.Stop();
    if (enabled_ && interval_ > 0 && OnTimer)
        clock_.Start(interval_);
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}
