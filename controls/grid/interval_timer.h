#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/timers.h"

// A timer that calls OnTimer every Interval milliseconds while it is enabled, on the layer's replaceable
// timer source, so that tests can move time themselves.
// layer: TTimer on the replaceable timer source (GUI layer, part 4); until then the grid's timers repeat a
// one-shot pause of that source.
class TIntervalTimer : public TComponent
{
public:
    explicit TIntervalTimer(TComponent* owner, unsigned interval = 1000, bool enabled = true);

    bool Enabled() const { return enabled_; }
    // Enabling a running timer changes nothing; disabling stops it.
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    // A running timer starts its interval anew.
    void SetInterval(unsigned value);

    TNotifyEvent OnTimer;

private:
    void Restart();
    void Tick();

    bool enabled_;
    unsigned interval_;
    TOneShotTimer pause_;
};
