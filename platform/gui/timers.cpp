#include "platform/gui/timers.h"

#include "platform/gui/exception_reporting.h"
#include "platform/gui/win_control.h"
#include "platform/gui/window_data.h"

#include <QTimer>

#include <map>

namespace {

std::map<std::pair<HWND, uintptr_t>, std::unique_ptr<QTimer>>& WindowTimers()
{
    static std::map<std::pair<HWND, uintptr_t>, std::unique_ptr<QTimer>> timers;
    return timers;
}

} // namespace

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
    auto& timers = WindowTimers();
    auto it = timers.find({window, id});
    if (it == timers.end())
        return false;
    // The timer may be the one whose signal is running now.
    it->second->stop();
    it->second.release()->deleteLater();
    timers.erase(it);
    return true;
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
