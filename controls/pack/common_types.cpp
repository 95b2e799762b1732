#include "controls/pack/common_types.h"

#include "support/date_time.h"

void TKvpPersistent::EndUpdate(bool callOnChangeAfterUpdate, bool resetUpdatingState)
{
    if (resetUpdatingState)
        FUpdateCounter = 0;
    else
        FUpdateCounter = std::max(FUpdateCounter - 1, 0);
    if (FUpdateCounter == 0 && callOnChangeAfterUpdate)
        NotifyChanged(this);
}

void TKvpPersistent::NotifyChanged(TObject* sender)
{
    if (OnChange)
        OnChange(sender);
}

TKvpTagExt::TKvpTagExt(TComponent*) : FDateValue(Now()) {}

void TKvpTagExt::Assign(const TPersistent* source)
{
    const auto* tag = dynamic_cast<const TKvpTagExt*>(source);
    if (!tag) {
        TPersistent::Assign(source);
        return;
    }
    FIntValue = tag->FIntValue;
    FStrValue = tag->FStrValue;
    FRealValue = tag->FRealValue;
    FDateValue = tag->FDateValue;
    FPointerValue = tag->FPointerValue;
}

TKvpFocusRectParams::TKvpFocusRectParams() : FPen(std::make_unique<TPen>())
{
    FPen->OnChange = [this](TObject* pen) { NotifyChanged(pen); };
}

void TKvpFocusRectParams::SetFocusType(TKvpFocusRectType value)
{
    FFocusType = value;
    NotifyChanged(this);
}

void TKvpFocusRectParams::SetSpacing(int value)
{
    FSpacing = value;
    NotifyChanged(this);
}

void TKvpFocusRectParams::SetPen(const TPen* value)
{
    FPen->Assign(value);
    NotifyChanged(this);
}
