#pragma once

#include "controls/pack/anchored_controls.h"
#include "controls/pack/common_types.h"

#include <memory>

// The tag object and the anchored controls that every control of the pack publishes. The control calls
// AnchorsFollow after its bounds change and AnchorsNotification from its Notification.
class TKvpControlParts
{
public:
    explicit TKvpControlParts(TComponent* owner)
        : FTagExt(std::make_unique<TKvpTagExt>(owner)),
          FAnchoredControls(std::make_unique<TKvpAnchoredControls>(owner))
    {}

    TKvpTagExt* TagExt() const { return FTagExt.get(); }
    // Copies the five tag values.
    void SetTagExt(const TKvpTagExt* value) { FTagExt->Assign(value); }
    TKvpAnchoredControls* AnchoredControls() const { return FAnchoredControls.get(); }
    // Copies the four sides.
    void SetAnchoredControls(const TKvpAnchoredControls* value) { FAnchoredControls->Assign(value); }

protected:
    void AnchorsFollow()
    {
        if (FAnchoredControls)
            FAnchoredControls->OwnerBoundsChanged();
    }
    void AnchorsNotification(TComponent* component, TOperation operation)
    {
        if (FAnchoredControls)
            FAnchoredControls->OwnerNotification(component, operation);
    }

private:
    std::unique_ptr<TKvpTagExt> FTagExt;
    std::unique_ptr<TKvpAnchoredControls> FAnchoredControls;
};
