#pragma once

#include "controls/grid/number_edit6.h"
#include "controls/grid/spin_buttons.h"

// The 6-series number edit with spin buttons at its right end: a press, or the Up and Down keys, step the
// value by Increment at once and, held, again every 20 ms after AccelerationInterval; typed characters are
// filtered. The buttons let go when the edit loses the focus, is disabled or hidden, and when the mouse
// capture is lost or the mode cancelled; a step of the repeat timer never takes the focus.
class TGxSpinEdit6 : public TGxNumberEdit6
{
public:
    explicit TGxSpinEdit6(TComponent* owner);

    int AccelerationInterval() const { return accelerationInterval_; }
    // The time a press is held before the steps repeat.
    void SetAccelerationInterval(int value);
    double Increment() const { return increment_; }
    void SetIncrement(double value) { increment_ = value; }
    bool SpinButtons() const { return spinButtons_; }
    // Shows or hides the buttons; the text margins follow.
    void SetSpinButtons(bool value);
    TGxSpinButtons6* Buttons() const { return buttons_; }

    TGxSpinNotify OnSpin;

protected:
    // One step: OnSpin first, then, unless the edit is read-only, the focus and the step, refused whole when
    // it would pass a limit or go below 0 without signs.
    virtual void DoSpin(TObject* sender, TGxSpinButton buttons);
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
    int accelerationInterval_ = 400;
    TGxSpinButtons6* buttons_; // owned child at the right end
    double increment_ = 1;
    bool spinButtons_ = true;
};
