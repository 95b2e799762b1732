#include "controls/pack/memo_appearance.h"

void TKvpCustomMemoExAppearance::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TKvpCustomMemoExAppearance*>(source);
    if (!other) {
        TKvpPersistent::Assign(source);
        return;
    }
    SetNormalBgColor(other->FNormalBgColor);
    SetNormalBorderColor(other->FNormalBorderColor);
    SetNormalTextColor(other->FNormalTextColor);
    SetFocusedBgColor(other->FFocusedBgColor);
    SetFocusedBorderColor(other->FFocusedBorderColor);
    SetFocusedTextColor(other->FFocusedTextColor);
    SetHotBgColor(other->FHotBgColor);
    SetHotBorderColor(other->FHotBorderColor);
    SetHotTextColor(other->FHotTextColor);
    SetDisabledBgColor(other->FDisabledBgColor);
    SetDisabledBorderColor(other->FDisabledBorderColor);
    SetDisabledTextColor(other->FDisabledTextColor);
}
