#include "controls/pack/anchored_controls.h"

#include "platform/gui/windows/win_control.h"

TPoint AnchoredPosition(TKvpControlPos p, const TRect& owner, int cW, int cH, int s)
{
    const int oL = owner.Left, oT = owner.Top, oW = owner.Width(), oH = owner.Height();
    // Along the top and bottom sides x varies and y is fixed; along the left and right sides the reverse.
    const int alongX[5] = {oL - cW, oL, oL + oW / 2 - cW / 2, oL + oW - cW, oL + oW};
    const int alongY[5] = {oT - cH, oT, oT + oH / 2 - cH / 2, oT + oH - cH, oT + oH};
    const int step = p % 5;
    switch (p / 5) {
    case 0:
        return {alongX[step], oT - cH - s};
    case 1:
        return {alongX[step], oT + oH + s};
    case 2:
        return {oL - cW - s, alongY[step]};
    default:
        return {oL + oW + s, alongY[step]};
    }
}

// --- TKvpAnchoredControl -----------------------------------------------------------------------------------

void TKvpAnchoredControl::SetControl(TControl* value)
{
    if (value == FOwner)
        return;
    FControl = value;
    if (value) {
        FOwner->FreeNotification(value);
        auto* owner = dynamic_cast<TWinControl*>(FOwner);
        if (owner && owner->Parent() && value->Parent() != owner->Parent())
            value->SetParent(owner->Parent());
    }
    NotifyChanged(this);
}

TKvpControlPos TKvpAnchoredControl::EffectivePosition() const
{
    return FControlPositionMode == cpmCustom ? FCustomPosition : SidePosition();
}

void TKvpAnchoredControl::Assign(const TKvpAnchoredControl* source)
{
    FControl = source->FControl;
    FSpacing = source->FSpacing;
    FDeltaPosX = source->FDeltaPosX;
    FDeltaPosY = source->FDeltaPosY;
    FControlPositionMode = source->FControlPositionMode;
    FCustomPosition = source->FCustomPosition;
    FEnabled = source->FEnabled;
    AssignPosition(source);
}

// --- TKvpAnchoredControls ----------------------------------------------------------------------------------

TKvpAnchoredControls::TKvpAnchoredControls(TComponent* owner)
    : FOwner(owner), FTop(std::make_unique<TKvpTopAnchoredControl>(owner)),
      FBottom(std::make_unique<TKvpBottomAnchoredControl>(owner)),
      FLeft(std::make_unique<TKvpLeftAnchoredControl>(owner)),
      FRight(std::make_unique<TKvpRightAnchoredControl>(owner))
{
    for (TKvpAnchoredControl* side : Sides())
        side->OnChange = [this](TObject* sender) { SideChanged(sender); };
}

TKvpAnchoredControls::~TKvpAnchoredControls() = default;

std::array<TKvpAnchoredControl*, 4> TKvpAnchoredControls::Sides() const
{
    return {FTop.get(), FBottom.get(), FLeft.get(), FRight.get()};
}

void TKvpAnchoredControls::SideChanged(TObject* sender)
{
    if (sender == FTop.get())
        UpdateTopControlPos();
    else if (sender == FBottom.get())
        UpdateBottomControlPos();
    else if (sender == FLeft.get())
        UpdateLeftControlPos();
    else if (sender == FRight.get())
        UpdateRightControlPos();
}

void TKvpAnchoredControls::UpdateSide(const TKvpAnchoredControl& side)
{
    TControl* control = side.Control();
    if (!control || !side.Enabled())
        return;
    const auto* owner = dynamic_cast<const TControl*>(FOwner);
    if (!owner)
        return;
    TPoint at = AnchoredPosition(side.EffectivePosition(), owner->BoundsRect(), control->Width(),
                                 control->Height(), side.Spacing());
    at.X += side.DeltaPosX();
    at.Y += side.DeltaPosY();
    if (at.X != control->Left() || at.Y != control->Top())
        control->SetBounds(at.X, at.Y, control->Width(), control->Height());
}

void TKvpAnchoredControls::UpdateAllControlsPos()
{
    UpdateTopControlPos();
    UpdateBottomControlPos();
    UpdateLeftControlPos();
    UpdateRightControlPos();
}

void TKvpAnchoredControls::SetSide(TKvpAnchoredControl& side, const TKvpAnchoredControl* value)
{
    if (!value)
        return;
    side.Assign(value);
    UpdateSide(side);
    NotifyChanged(this);
}

void TKvpAnchoredControls::SetTop(const TKvpTopAnchoredControl* value)
{
    SetSide(*FTop, value);
}

void TKvpAnchoredControls::SetBottom(const TKvpBottomAnchoredControl* value)
{
    SetSide(*FBottom, value);
}

void TKvpAnchoredControls::SetLeft(const TKvpLeftAnchoredControl* value)
{
    SetSide(*FLeft, value);
}

void TKvpAnchoredControls::SetRight(const TKvpRightAnchoredControl* value)
{
    SetSide(*FRight, value);
}

void TKvpAnchoredControls::Assign(const TKvpAnchoredControls* source)
{
    SetTop(source->Top());
    SetBottom(source->Bottom());
    SetLeft(source->Left());
    SetRight(source->Right());
}

void TKvpAnchoredControls::OwnerBoundsChanged()
{
    if (!IsDestroying(*FOwner))
        UpdateAllControlsPos();
}

void TKvpAnchoredControls::OwnerNotification(TComponent* component, TOperation operation)
{
    if (operation != opRemove || IsDestroying(*FOwner))
        return;
    for (TKvpAnchoredControl* side : Sides())
        if (side->Control() == component) {
            side->SetControl(nullptr);
            return;
        }
}
