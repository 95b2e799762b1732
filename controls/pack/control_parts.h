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

// A control of class Base with the pack's parts whose anchored controls follow it wherever it goes.
template <typename Base> class TKvpPartsControl : public Base, public TKvpControlParts
{
public:
    explicit TKvpPartsControl(TComponent* owner) : Base(owner), TKvpControlParts(this) {}

    void SetBounds(int left, int top, int width, int height) override
    {
        Base::SetBounds(left, top, width, height);
        AnchorsFollow();
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        Base::Notification(component, operation);
        AnchorsNotification(component, operation);
    }
};
