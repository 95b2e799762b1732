#include "controls/edits/group_box.h"

void TGroupBoxCheck::SetChecked(bool value)
{
    if (value != Checked())
        SetState(value ? cbChecked : cbUnchecked);
}

void TGroupBoxCheck::SetState(TCheckBoxState value)
{
    if (!StoreChanged(state_, value))
        return;
    owner_->RedrawCheckBox();
    owner_->ApplyCheckBoxAction();
    owner_->DoCheckBoxClick();
}

void TGroupBoxCheck::SetHot(bool value)
{
    if (StoreChanged(hot_, value))
        owner_->RedrawCheckBox();
}

void TGroupBoxCheck::SetDown(bool value)
{
    if (StoreChanged(down_, value))
        owner_->RedrawCheckBox();
}

void TGroupBoxCheck::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TGroupBoxCheck*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetHint(other->hint_);
    SetState(other->state_);
    SetThemed(other->themed_);
    SetAllowGrayed(other->allowGrayed_);
    SetAction(other->action_);
    SetChecked(other->Checked());
    SetPosition(other->position_);
}
