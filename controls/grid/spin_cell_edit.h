#pragma once

#include "controls/grid/number_cell_edit.h"
#include "controls/grid/small_buttons.h"
#include "controls/grid/spin_buttons.h"

// The editor of the grid's number columns: a number editor with spin buttons at its right end, an optional
// execute button at its left end, and, while it is not a text cell editor (InplaceEditor off), spinning by
// the Up and Down keys and by the wheel. The spin buttons let go when the editor loses the focus, is
// disabled or hidden.
class TGxSpinEdit : public TGxCustomNumberEdit
{
public:
    explicit TGxSpinEdit(TComponent* owner);

    const std::string& ButtonCaption() const { return buttonCaption_; }
    void SetButtonCaption(const std::string& value);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    double Increment() const { return increment_; }
    void SetIncrement(double value) { increment_ = value; }
    bool ShowButton() const { return showButton_; }
    void SetShowButton(bool value);
    bool SpinButtons() const { return spinButtons_; }
    void SetSpinButtons(bool value);
    TGxSpinButtons* Buttons() const { return buttons_; }
    TGxExecuteButton* Button() const { return button_; }

    // Rounded to the nearest integer, halves to even.
    int AsInteger() const override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
    void BeginEditing() override;

    TNotifyEvent OnButtonClick;
    TSpinEvent OnSpin;

protected:
    // One step up or down, refused whole when it would pass a limit (or go below 0 without signs).
    virtual void DoSpin(TObject* sender, TSpinButtonSet buttons);
    virtual void DoButtonClick(TObject* sender);
    void AdjustMargins(int& left, int& right) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    // Keys and the wheel spin only outside a text cell.
    bool SpinsByKeys() const { return spinButtons_ && !InplaceEditor(); }
    bool WheelStep(TSpinButton button);
    bool StepAllowed(TSpinButtonSet buttons, double value) const;
    void LayOutButtons();
    void RepaintButtons();

    TGxExecuteButton* button_; // owned child, at the left end
    TGxSpinButtons* buttons_;  // owned child, at the right end
    double increment_ = 1;     // one step
    bool spinButtons_ = true;  // the spin buttons are shown
    bool showButton_ = false;  // the execute button is shown
    int buttonWidth_ = 21;
    std::string buttonCaption_;
};
