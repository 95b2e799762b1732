#include "controls/pack/control_bound_label.h"

TKvpControlBoundLabel::TKvpControlBoundLabel(TComponent* owner, const std::string& name) : TCustomLabel(owner)
{
    SetName(name);
    if (owner)
        SetCaption(owner->Name());
}

void TKvpControlBoundLabel::AdjustBounds()
{
    TCustomLabel::AdjustBounds();
    if (OnAdjustBounds)
        OnAdjustBounds(this);
}
