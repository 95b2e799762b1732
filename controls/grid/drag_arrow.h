#pragma once

#include "controls/grid/flyout_control.h"

enum TArrowKind
{
    akNone,
    akUp,
    akDown
};

// One of the two small red arrows that point at the gap where a dragged column would land: akDown above
// the header row, akUp below it. A 9 x 9 window cut to the arrow's shape.
class TDragArrow : public TGxFlyoutControl
{
public:
    explicit TDragArrow(TComponent* owner);

    TArrowKind ArrowKind() const { return FArrowKind; }
    // Stores the kind and cuts the window to its shape; akNone has no shape.
    void SetArrowKind(TArrowKind value);

protected:
    virtual void UpdateRegion();
    void Paint() override;

private:
    TArrowKind FArrowKind = akNone;
};
