#pragma once

#include "platform/gui/windows/win_control.h"

// Small windows that float above a grid without taking the focus or showing in the task bar: the base of
// the column drag box and the drop arrows, and the roll marker.
class TGxFlyoutControl : public TCustomControl
{
public:
    explicit TGxFlyoutControl(TComponent* owner);

    // A flyout without a parent is a window of its own, owned by its owner's window: these show it where
    // it is, above the others and without activating it, and hide it; Visible follows.
    void ShowFloating();
    void HideFloating();

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
};

enum TRollShadowKind
{
    rkBoth,
    rkVertical,
    rkHorizontal
};

// The marker that shows where roll scrolling started: an arrow head up, a dot and an arrow head down, in
// the grey of disabled text, with its dot on Position.
class TRollShadow : public TGxFlyoutControl
{
public:
    explicit TRollShadow(TComponent* owner);

    TPoint Position() const { return position_; }
    // Moves the marker so that its dot sits on the screen point.
    void SetPosition(TPoint value);
    // Stored only: the shape is the same for every kind.
    TRollShadowKind Kind() const { return kind_; }
    void SetKind(TRollShadowKind value) { kind_ = value; }

protected:
    // Cuts the window to the marker's shape.
    virtual void ApplyRegion();
    void CreateWnd() override;
    void Paint() override;

private:
    TPoint position_;
    TRollShadowKind kind_ = rkVertical;
};
