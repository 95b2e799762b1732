#include "controls/pack/gradient_ex.h"

TKvpGradientEx::TKvpGradientEx(TComponent*) {}

TKvpGradientEx::~TKvpGradientEx() = default;

template <typename T> void TKvpGradientEx::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    FAngleViewModified = true;
    NotifyChanged(this);
}

void TKvpGradientEx::SetColorFrom(TColor value)
{
    Store(FColorFrom, value);
}

void TKvpGradientEx::SetColorTo(TColor value)
{
    Store(FColorTo, value);
}

void TKvpGradientEx::SetOrientation(TDgradOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    FollowOrientationWithCache();
    FAngleViewModified = true;
    NotifyChanged(this);
}

void TKvpGradientEx::FollowOrientationWithCache()
{
    if (FOrientation != dgdAngle)
        FAngleViewCache.reset();
    else if (!FAngleViewCache)
        FAngleViewCache = std::make_unique<TBitmap>();
}

void TKvpGradientEx::SetBalance(int value)
{
    if (value >= 0 && value <= 100)
        Store(FBalance, static_cast<uint16_t>(value));
}

void TKvpGradientEx::SetBalanceMode(TDgradBalanceMode value)
{
    Store(FBalanceMode, value);
}

void TKvpGradientEx::SetAngleDegree(int value)
{
    if (value >= 0 && value <= 359)
        Store(FAngleDegree, static_cast<uint16_t>(value));
}

void TKvpGradientEx::SetMaxDegrade(int value)
{
    if (value >= 1 && value <= 255)
        Store(FMaxDegrade, static_cast<uint8_t>(value));
}

void TKvpGradientEx::SetSpeedPercent(int value)
{
    if (value >= 0 && value <= 100)
        Store(FSpeedPercent, value);
}

void TKvpGradientEx::SetAngleClipRect(bool value)
{
    Store(FAngleClipRect, value);
}

void TKvpGradientEx::Assign(const TKvpGradientEx* source)
{
    BeginUpdate();
    try {
        FAngleDegree = source->FAngleDegree;
        FBalance = source->FBalance;
        FBalanceMode = source->FBalanceMode;
        FMaxDegrade = source->FMaxDegrade;
        FOrientation = source->FOrientation;
        FSpeedPercent = source->FSpeedPercent;
        FColorFrom = source->FColorFrom;
        FColorTo = source->FColorTo;
        FollowOrientationWithCache();
        FAngleViewModified = true;
    } catch (...) {
        EndUpdate(true, false);
        throw;
    }
    EndUpdate(true, false);
}

void TKvpGradientEx::Draw(TCanvas& canvas, const TRect& rect)
{
    if (FColorFrom == FColorTo) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(FColorFrom);
        canvas.FillRect(rect);
        return;
    }
    if (FOrientation != dgdAngle) {
        FillGradient(canvas, rect, *this, true);
        return;
    }
    const int diagonal = RectDiagonal(rect);
    TBitmap* cache = FAngleViewCache.get();
    if (cache && !FAngleViewModified && cache->Width() == diagonal) {
        DrawCentredPicture(canvas, rect, *cache, FAngleClipRect);
        return;
    }
    GradientFillRect(canvas, rect, FColorFrom, FColorTo, FOrientation, FBalance, FAngleDegree, FBalanceMode,
                     FMaxDegrade, FSpeedPercent, FAngleClipRect, cache);
    FAngleViewModified = false;
}

void FillGradient(TCanvas& canvas, const TRect& rect, const TKvpGradientEx& gradient, bool clip)
{
    GradientFillRect(canvas, rect, gradient.ColorFrom(), gradient.ColorTo(), gradient.Orientation(),
                     gradient.Balance(), gradient.AngleDegree(), gradient.BalanceMode(),
                     gradient.MaxDegrade(), gradient.SpeedPercent(), clip, nullptr);
}
