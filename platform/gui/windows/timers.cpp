#include "platform/gui/windows/timers.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/win_control.h"

#include <QTimer>

#include <map>

namespace {

// Stops and forgets a timer; it may be the one whose signal is running now, so it goes later.
template <typename Key> bool DropTimer(std::map<Key, std::unique_ptr<QTimer>>& timers, const Key& key)
{
    auto it = timers.find(key);
    if (it == timers.end())
        return false;
    it->second->stop();
    it->second.release()->deleteLater();
    timers.erase(it);
    return true;
}

std::map<std::pair<HWND, uintptr_t>, std::unique_ptr<QTimer>>& WindowTimers()
{
    static std::map<std::pair<HWND, uintptr_t>, std::unique_ptr<QTimer>> timers;
    return timers;
}

// The message loop's one-shot timers.
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
    void Cancel(int id) override { DropTimer(timers_, id); }

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

} // namespace

void SetTimerSource(TTimerSource* source)
{
    chosenSource = source;
}

void TOneShotTimer::Start(int milliseconds)
{
    Stop();
    source_ = &CurrentTimerSource();
    id_ = source_->Start(std::max(milliseconds, 0), [this] {
        source_ = nullptr;
        due_();
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

uintptr_t SetTimer(HWND window, uintptr_t id, unsigned milliseconds)
{
    if (!TWinControl::FromHandle(window))
        return 0;
    auto& timer = WindowTimers()[{window, id}];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [window, id] {
            TWinControl* control = TWinControl::FromHandle(window);
            if (!control) {
                KillTimer(window, id);
                return;
            }
            DeliverInputMessage(control, WM_TIMER, id, 0, nullptr);
        });
    }
    timer->start(static_cast<int>(std::max(milliseconds, 1u)));
    return id;
}

bool KillTimer(HWND window, uintptr_t id)
{
    return DropTimer(WindowTimers(), std::make_pair(window, id));
}

struct TTimer::Clock
{
    QTimer timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), clock_(std::make_unique<Clock>())
{
    QObject::connect(&clock_->timer, &QTimer::timeout, [this] { GuardedCall(this, [this] { Timer(); }); });
}

TTimer::~TTimer()
{
    Destroying();
    clock_->timer.stop();
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
    clock_->timer.stop();
    if (enabled_ && interval_ > 0 && OnTimer)
        clock_->timer.start(static_cast<int>(interval_));
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}
