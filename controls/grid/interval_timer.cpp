#include "controls/grid/interval_timer.h"

#include "platform/gui/core/exception_reporting.h"

TIntervalTimer::TIntervalTimer(TComponent* owner, unsigned interval, bool enabled)
    : TComponent(owner), enabled_(enabled), interval_(interval), pause_([this] { Tick(); })
{
    Restart();
}

void TIntervalTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Restart();
}

void TIntervalTimer::SetInterval(unsigned value)
{
    if (value == interval_)
        return;
    interval_ = value;
    Restart();
}

void TIntervalTimer::Restart()
{
    if (enabled_ && interval_ > 0)
        pause_.Start(static_cast<int>(interval_));
    else
        pause_.Stop();
}

void TIntervalTimer::Tick()
{
    Restart();
    GuardedCall(this, [this] {
        if (OnTimer)
            OnTimer(this);
    });
}
