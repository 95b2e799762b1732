#pragma once

#include "controls/pack/common_types.h"
#include "platform/gui/windows/control.h"

#include <array>
#include <memory>

// Up to four controls kept beside an owner control, one per side, each at a position along that side, a
// spacing across it and two pixel offsets. Whenever the owner's bounds or a side's settings change, the
// side's control moves (its size never changes).
//
// The owner's duties: create the collection with itself as owner, call OwnerBoundsChanged after its own
// bounds change and OwnerNotification from its Notification.

enum TKvpControlPositionMode
{
    cpmDefault, // the side's own Position decides
    cpmCustom   // CustomPosition decides
};

enum TKvpControlPos
{
    cpTopLeftCorner,
    cpTopLeft,
    cpTopCenter,
    cpTopRight,
    cpTopRightCorner,
    cpBottomLeftCorner,
    cpBottomLeft,
    cpBottomCenter,
    cpBottomRight,
    cpBottomRightCorner,
    cpLeftTopCorner,
    cpLeftTop,
    cpLeftCenter,
    cpLeftBottom,
    cpLeftBottomCorner,
    cpRightTopCorner,
    cpRightTop,
    cpRightCenter,
    cpRightBottom,
    cpRightBottomCorner
};

// Each side's positions are the five of TKvpControlPos with the same names, in the same order.
enum TKvpTopControlPos
{
    tcpTopLeftCorner,
    tcpTopLeft,
    tcpTopCenter,
    tcpTopRight,
    tcpTopRightCorner
};
enum TKvpBottomControlPos
{
    bcpBottomLeftCorner,
    bcpBottomLeft,
    bcpBottomCenter,
    bcpBottomRight,
    bcpBottomRightCorner
};
enum TKvpLeftControlPos
{
    lcpLeftTopCorner,
    lcpLeftTop,
    lcpLeftCenter,
    lcpLeftBottom,
    lcpLeftBottomCorner
};
enum TKvpRightControlPos
{
    rcpRightTopCorner,
    rcpRightTop,
    rcpRightCenter,
    rcpRightBottom,
    rcpRightBottomCorner
};

// Where a control of cW x cH goes for position p beside an owner at ownerBounds (before the offsets).
TPoint AnchoredPosition(TKvpControlPos p, const TRect& ownerBounds, int cW, int cH, int spacing);

// One side. Setters notify when the value changes; Control notifies always (it positions at once).
class TKvpAnchoredControl : public TKvpPersistent
{
public:
    explicit TKvpAnchoredControl(TComponent* owner) : FOwner(owner) {}

    TControl* Control() const { return FControl; }
    // The owner itself is refused. A windowed owner with a parent gives the control the same parent.
    void SetControl(TControl* value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { Store(FSpacing, value); }
    int DeltaPosX() const { return FDeltaPosX; }
    void SetDeltaPosX(int value) { Store(FDeltaPosX, value); }
    int DeltaPosY() const { return FDeltaPosY; }
    void SetDeltaPosY(int value) { Store(FDeltaPosY, value); }
    TKvpControlPositionMode ControlPositionMode() const { return FControlPositionMode; }
    void SetControlPositionMode(TKvpControlPositionMode value) { Store(FControlPositionMode, value); }
    TKvpControlPos CustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(TKvpControlPos value) { Store(FCustomPosition, value); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Store(FEnabled, value); }

    // The position in force: CustomPosition in cpmCustom mode, else the side's own Position.
    TKvpControlPos EffectivePosition() const;
    // Copies the settings (the control by reference) without notifying.
    void Assign(const TKvpAnchoredControl* source);
    using TKvpPersistent::Assign;
    TComponent* Owner() const { return FOwner; }

protected:
    template <typename T> void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        NotifyChanged(this);
    }
    virtual TKvpControlPos SidePosition() const = 0;
    virtual void AssignPosition(const TKvpAnchoredControl* source) = 0;

private:
    TComponent* FOwner;
    TControl* FControl = nullptr;
    int FSpacing = 3;
    int FDeltaPosX = 0;
    int FDeltaPosY = 0;
    TKvpControlPositionMode FControlPositionMode = cpmDefault;
    TKvpControlPos FCustomPosition = cpTopLeft;
    bool FEnabled = true;
};

// A side whose Position is one of the five of its own enumeration, starting at first in TKvpControlPos.
template <typename TSidePos, TSidePos DefaultPos, TKvpControlPos First>
class TKvpSideAnchoredControl : public TKvpAnchoredControl
{
public:
    using TKvpAnchoredControl::TKvpAnchoredControl;
    TSidePos Position() const { return FPosition; }
    void SetPosition(TSidePos value) { Store(FPosition, value); }

protected:
    TKvpControlPos SidePosition() const override
    {
        return TKvpControlPos(static_cast<int>(First) + static_cast<int>(FPosition));
    }
    void AssignPosition(const TKvpAnchoredControl* source) override
    {
        if (const auto* side = dynamic_cast<const TKvpSideAnchoredControl*>(source))
            FPosition = side->FPosition;
    }

private:
    TSidePos FPosition = DefaultPos;
};

using TKvpTopAnchoredControl = TKvpSideAnchoredControl<TKvpTopControlPos, tcpTopLeft, cpTopLeftCorner>;
using TKvpBottomAnchoredControl =
    TKvpSideAnchoredControl<TKvpBottomControlPos, bcpBottomLeft, cpBottomLeftCorner>;
using TKvpLeftAnchoredControl = TKvpSideAnchoredControl<TKvpLeftControlPos, lcpLeftTop, cpLeftTopCorner>;
using TKvpRightAnchoredControl = TKvpSideAnchoredControl<TKvpRightControlPos, rcpRightTop, cpRightTopCorner>;

class TKvpAnchoredControls : public TKvpPersistent
{
public:
    explicit TKvpAnchoredControls(TComponent* owner);
    ~TKvpAnchoredControls() override;

    TKvpTopAnchoredControl* Top() const { return FTop.get(); }
    TKvpBottomAnchoredControl* Bottom() const { return FBottom.get(); }
    TKvpLeftAnchoredControl* Left() const { return FLeft.get(); }
    TKvpRightAnchoredControl* Right() const { return FRight.get(); }
    // Each copies the given side (nullptr is ignored), positions that side's control and notifies.
    void SetTop(const TKvpTopAnchoredControl* value);
    void SetBottom(const TKvpBottomAnchoredControl* value);
    void SetLeft(const TKvpLeftAnchoredControl* value);
    void SetRight(const TKvpRightAnchoredControl* value);
    // Copies the four sides of another collection through the side setters.
    void Assign(const TKvpAnchoredControls* source);
    using TKvpPersistent::Assign;

    void UpdateTopControlPos() { UpdateSide(*FTop); }
    void UpdateBottomControlPos() { UpdateSide(*FBottom); }
    void UpdateLeftControlPos() { UpdateSide(*FLeft); }
    void UpdateRightControlPos() { UpdateSide(*FRight); }
    // Top, bottom, left, right.
    void UpdateAllControlsPos();

    // The owner moved or changed its size: the controls follow, unless the owner is being destroyed.
    void OwnerBoundsChanged();
    // A component is going: the first side that names it lets it go (not while the owner is destroyed).
    void OwnerNotification(TComponent* component, TOperation operation);

private:
    // Top, bottom, left, right.
    std::array<TKvpAnchoredControl*, 4> Sides() const;
    void SideChanged(TObject* sender);
    void UpdateSide(const TKvpAnchoredControl& side);
    void SetSide(TKvpAnchoredControl& side, const TKvpAnchoredControl* value);

    TComponent* FOwner;
    std::unique_ptr<TKvpTopAnchoredControl> FTop;
    std::unique_ptr<TKvpBottomAnchoredControl> FBottom;
    std::unique_ptr<TKvpLeftAnchoredControl> FLeft;
    std::unique_ptr<TKvpRightAnchoredControl> FRight;
};
