#include "controls/pack/color_flash.h"

#include "controls/pack/deferred_release.h"
#include "controls/pack/memo_ex.h"

#include <algorithm>

TKvpFlashBase::TKvpFlashBase() : FTimer(std::make_unique<TKvpTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) { FlashTick(); };
    FTimer->OnRepeatCountLimitReached = [this](TObject*) { FinishFlash(); };
    FTimer->SetInterval(FFlashInterval);
}

TKvpFlashBase::~TKvpFlashBase()
{
    FTimer->Stop();
}

void TKvpFlashBase::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    if (FFlashing)
        FinishFlash();
}

void TKvpFlashBase::SetFlashColor(TColor value)
{
    FFlashColor = value;
}

void TKvpFlashBase::SetFlashCount(uint8_t value)
{
    FFlashCount = std::max<uint8_t>(value, 1);
    FTimer->SetRepeatCountLimit(2u * FFlashCount);
}

void TKvpFlashBase::SetFlashInterval(uint16_t value)
{
    FFlashInterval = std::clamp<uint16_t>(value, 20, 2000);
    FTimer->SetInterval(FFlashInterval);
}

void TKvpFlashBase::FlashTick()
{
    if (!FEnabled)
        return;
    FCurrentColor = FTimer->Counter() % 2 == 1 ? FFlashColor : FOriginalColor;
    if (OnFlashColorChanged)
        OnFlashColorChanged(this, FCurrentColor);
}

void TKvpFlashBase::FinishFlash()
{
    FFlashing = false;
    if (FTimer->Enabled())
        FTimer->Stop();
    if (OnFlashFinished)
        OnFlashFinished(this);
    // The timer's tick is still running: the object goes once it has returned.
    if (FFreeOnFlashFinished && MayFreeItself())
        ReleaseLater(this);
}

// --- TKvpFlashMemoEx ---------------------------------------------------------------------------------------

TKvpFlashMemoEx::TKvpFlashMemoEx(TKvpCustomMemoEx* memo) : FMemo(memo)
{
    SetEnabled(true);
    SetFlashCount(3);
    SetFlashInterval(150);
    OnFlashColorChanged = [this](TObject*, TColor color) { PaintMemo(color); };
    OnFlashFinished = [this](TObject*) { RestoreMemo(); };
    SetFreeOnFlashFinished(false);
    RecordMemoColors();
}

void TKvpFlashMemoEx::RecordMemoColors()
{
    if (!FMemo)
        return;
    const TKvpCustomMemoExAppearance& appearance = *FMemo->Appearance();
    FOriginalNormalBgColor = appearance.NormalBgColor();
    FOriginalHotBgColor = appearance.HotBgColor();
    FOriginalFocusedBgColor = appearance.FocusedBgColor();
}

void TKvpFlashMemoEx::Assign(const TPersistent* source)
{
    const auto* flash = dynamic_cast<const TKvpFlashBase*>(source);
    if (!flash) {
        TKvpFlashBase::Assign(source);
        return;
    }
    SetEnabled(flash->Enabled());
    SetFlashColor(flash->FlashColor());
    SetFlashCount(flash->FlashCount());
    SetFlashInterval(flash->FlashInterval());
}

void TKvpFlashMemoEx::PaintMemo(TColor color)
{
    if (!FMemo)
        return;
    TKvpCustomMemoExAppearance& appearance = *FMemo->Appearance();
    appearance.SetNormalBgColor(color);
    appearance.SetHotBgColor(color);
    appearance.SetFocusedBgColor(color);
    FMemo->ApplyAppearance();
}

void TKvpFlashMemoEx::RestoreMemo()
{
    if (!FMemo)
        return;
    TKvpCustomMemoExAppearance& appearance = *FMemo->Appearance();
    appearance.SetNormalBgColor(FOriginalNormalBgColor);
    appearance.SetHotBgColor(FOriginalHotBgColor);
    appearance.SetFocusedBgColor(FOriginalFocusedBgColor);
    FMemo->ApplyAppearance();
}
