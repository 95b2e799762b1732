#pragma once

#include "platform/gui/standard/stdctrls_labels.h"

#include <string>

// A label that belongs to another control (its owner), which places it beside itself: the owner sets
// OnAdjustBounds to put the label back in place whenever the label sizes itself to its text.
class TKvpControlBoundLabel : public TCustomLabel
{
public:
    explicit TKvpControlBoundLabel(TComponent* owner) : TKvpControlBoundLabel(owner, "SubLabel") {}
    // The label is named name and, with an owner, shows the owner's name until its caption is set.
    TKvpControlBoundLabel(TComponent* owner, const std::string& name);

    TNotifyEvent OnAdjustBounds;

protected:
    void AdjustBounds() override;
};
