#include "controls/pack/repeat_timer.h"

TKvpCustomTimer::TKvpCustomTimer(TComponent* owner)
    : TTimer(owner), FTagExt(std::make_unique<TKvpTagExt>(this))
{}

TKvpCustomTimer::~TKvpCustomTimer()
{
    SetEnabled(false);
}

void TKvpCustomTimer::Start()
{
    if (FClearCounterOnStart)
        FCounter = 0;
    SetEnabled(true);
}

void TKvpCustomTimer::Stop()
{
    SetEnabled(false);
}

void TKvpCustomTimer::Restart()
{
    Stop();
    Start();
}

void TKvpCustomTimer::Timer()
{
    const uint32_t limit = FRepeatCountLimit;
    if (limit == 0 || FCounter < limit) {
        ++FCounter;
        if (OnTimer)
            OnTimer(this);
        if (limit == 0 || FCounter < limit)
            return;
    }
    Stop();
    if (OnRepeatCountLimitReached)
        OnRepeatCountLimitReached(this);
}
