#pragma once

#include "controls/pack/common_types.h"
#include "platform/gui/windows/timers.h"

#include <cstdint>
#include <memory>

// A timer that counts its ticks and, with a repeat limit, stops itself after that many ticks and reports
// it: with RepeatCountLimit 1 it is a one-shot delay that Restart postpones.
class TKvpCustomTimer : public TTimer
{
public:
    explicit TKvpCustomTimer(TComponent* owner);
    ~TKvpCustomTimer() override;

    // Ticks counted since the counter was last cleared; read and written directly.
    uint32_t Counter() const { return FCounter; }
    void SetCounter(uint32_t value) { FCounter = value; }
    // 0: no limit. Changing it neither stops a running timer nor reports anything by itself.
    uint32_t RepeatCountLimit() const { return FRepeatCountLimit; }
    void SetRepeatCountLimit(uint32_t value) { FRepeatCountLimit = value; }
    bool ClearCounterOnStart() const { return FClearCounterOnStart; }
    void SetClearCounterOnStart(bool value) { FClearCounterOnStart = value; }
    TKvpTagExt* TagExt() const { return FTagExt.get(); }
    void SetTagExt(const TKvpTagExt* value) { FTagExt->Assign(value); }

    void Start();
    // The counter keeps its value.
    void Stop();
    // Begins a whole new interval.
    void Restart();

    TNotifyEvent OnRepeatCountLimitReached;

protected:
    // One tick: counts and calls OnTimer while under the limit; at the limit stops and reports.
    void Timer() override;

private:
    uint32_t FRepeatCountLimit = 0;
    uint32_t FCounter = 0;
    std::unique_ptr<TKvpTagExt> FTagExt;
    bool FClearCounterOnStart = true;
};

class TKvpTimer : public TKvpCustomTimer
{
public:
    using TKvpCustomTimer::TKvpCustomTimer;
};
