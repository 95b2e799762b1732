#pragma once

#include "controls/pack/common_types.h"
#include "controls/pack/repeat_timer.h"

#include <cstdint>
#include <functional>
#include <memory>

// A colour that blinks: on the ticks of a repeat-limited timer the current colour goes to FlashColor on odd
// ticks and back to OriginalColor on even ones, FlashCount times, ending on OriginalColor. Nothing here
// starts a flash: whoever does sets Flashing's conditions (OriginalColor) and starts Timer.

class TKvpCustomMemoEx;

using TKvpFlashColorChanged = std::function<void(TObject* sender, TColor color)>;

class TKvpFlashBase : public TKvpPersistent
{
public:
    TKvpFlashBase();
    ~TKvpFlashBase() override;

    bool Flashing() const { return FFlashing; }
    bool Enabled() const { return FEnabled; }
    // A change while flashing ends the flash.
    void SetEnabled(bool value);
    TColor FlashColor() const { return FFlashColor; }
    void SetFlashColor(TColor value);
    // 1 to 255; the timer's limit becomes twice the value on every setting, changed or not.
    uint8_t FlashCount() const { return FFlashCount; }
    void SetFlashCount(uint8_t value);
    // 20 to 2000 milliseconds, the timer's interval.
    uint16_t FlashInterval() const { return FFlashInterval; }
    void SetFlashInterval(uint16_t value);
    TColor OriginalColor() const { return FOriginalColor; }
    void SetOriginalColor(TColor value) { FOriginalColor = value; }
    // The object frees itself when a flash ends, once its timer's tick has returned.
    bool FreeOnFlashFinished() const { return FFreeOnFlashFinished; }
    void SetFreeOnFlashFinished(bool value) { FFreeOnFlashFinished = value; }
    // The timer that drives a flash.
    TKvpTimer* Timer() const { return FTimer.get(); }

    TKvpFlashColorChanged OnFlashColorChanged;
    TNotifyEvent OnFlashFinished;

protected:
    // One tick of the timer, counted already.
    void FlashTick();
    // The timer reached its limit, or Enabled changed while flashing.
    void FinishFlash();
    // Whether the object may free itself when a flash ends.
    virtual bool MayFreeItself() const { return true; }

private:
    std::unique_ptr<TKvpTimer> FTimer;
    TColor FFlashColor = 0x7878FF;
    bool FFlashing = false;
    uint8_t FFlashCount = 3;
    bool FEnabled = true;
    TColor FOriginalColor = clNone;
    TColor FCurrentColor = clNone;
    uint16_t FFlashInterval = 150;
    bool FFreeOnFlashFinished = true;
};

// The memo's flash: its colour goes into the memo's normal, hot and focused backgrounds, and the colours
// recorded from the memo come back when the flash ends. It never frees itself.
class TKvpFlashMemoEx : public TKvpFlashBase
{
public:
    explicit TKvpFlashMemoEx(TKvpCustomMemoEx* memo);

    // Remembers the memo's normal, hot and focused backgrounds as the colours a flash ends on.
    void RecordMemoColors();
    // Copies Enabled, FlashColor, FlashCount and FlashInterval of another flash; the handlers stay the
    // memo's.
    void Assign(const TPersistent* source) override;

protected:
    bool MayFreeItself() const override { return false; }

private:
    void PaintMemo(TColor color);
    void RestoreMemo();

    TKvpCustomMemoEx* FMemo;
    TColor FOriginalNormalBgColor = clNone;
    TColor FOriginalHotBgColor = clNone;
    TColor FOriginalFocusedBgColor = clNone;
};
