#pragma once

#include "platform/gui/windows/win_control.h"

#include <string>

class TGxCustomEdit6;

// A small button that lives inside a 6-series edit and reports its presses: a press toggles Down (OnDown,
// OnUp) and gives the edit the focus; the release brings it up again with AutoUp and clicks
// (OnButtonClick).
class TGxEditButton : public TCustomControl
{
public:
    explicit TGxEditButton(TComponent* owner);

    bool AutoUp() const { return autoUp_; }
    void SetAutoUp(bool value) { autoUp_ = value; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Down() const { return down_; }
    // A change repaints at once and tells OnDown or OnUp.
    void SetDown(bool value);
    // The edit the button belongs to: its owner, when that is a 6-series edit.
    TGxCustomEdit6* Edit() const { return edit_; }
    void SetEdit(TGxCustomEdit6* value) { edit_ = value; }
    bool Hover() const { return hover_; }
    void SetHover(bool value);

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnDown;
    TNotifyEvent OnUp;

protected:
    // Paints the face after the platform's painting.
    virtual void PaintButton() = 0;
    void Paint() override { PaintButton(); }
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool autoUp_ = true; // the button comes up again when released
    std::string caption_;
    bool down_ = false;
    TGxCustomEdit6* edit_; // the edit it reports to
    bool hover_ = false;
    bool mouseDown_ = false; // a press began on the button
};

// The drop-down arrow button of the drop-down edits, in the combo box's arrow look.
class TGxDropDownButton6 : public TGxEditButton
{
public:
    explicit TGxDropDownButton6(TComponent* owner);

protected:
    void PaintButton() override;
};
