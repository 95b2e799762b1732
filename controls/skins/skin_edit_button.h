#pragma once

#include "controls/skins/skin_speed_button.h"

#include <optional>

// Buttons that sit inside a skinned edit, aligned to its left or right side: they look hot while the edit is,
// a button without caption and image shows a drop-down arrow, and a click focuses the edit first.
class TQvEditButton : public TQvSpeedButton
{
public:
    // Named "SubEditButton" and the first number free among owner's components; the owner control is the
    // control the button's menu opens below.
    explicit TQvEditButton(TComponent* owner);

    void Click() override;

protected:
    void AdjustFont(TFont& font) override;
    bool DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage) override;
    bool DrawDropDownArrow(TCanvas& canvas, const TRect& rect) override;

    // The edit the button sits in is hot (the mouse over it, or focused).
    bool ParentEditHot() const;
    bool OnRightSide() const { return Align() != alLeft; }

private:
    void PaintFace(TCanvas& canvas, const TRect& rect);
};

// The up and down halves of a spin edit's button; holding a half repeats its click.
class TQvSpinButton : public TQvEditButton
{
public:
    explicit TQvSpinButton(TComponent* owner);

    // The half under the pointer decides which event fires.
    void Click() override;
    // Which half the pointer is over, and whether the owning edit shows its hot frame.
    void IsHotTracking(bool& upButton, bool& downButton, bool& editFrame) const;
    void Dispatch(TMessage& message) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    bool DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::optional<TPoint> CursorInClient() const;

    bool FUpPushed = false;   // the upper half was pressed last
    bool FDownPushed = false; // the lower half was pressed last
};
