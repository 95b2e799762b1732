#pragma once

#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/win_control.h"

#include <functional>

class TGxCustomEdit;

enum TSpinButton
{
    sbUp,
    sbDown
};
using TSpinButtonSet = TSet<TSpinButton>;
using TSpinEvent = std::function<void(TObject* sender, TSpinButtonSet buttons)>;

// The up and down buttons at a spin editor's right end. A press steps once at once; held for 400 ms, the
// buttons step again every 20 ms until they are released. Losing the mouse capture, cancel mode and
// hiding release them too.
class TGxSpinButtons : public TCustomControl
{
public:
    TGxSpinButtons(TComponent* owner, TGxCustomEdit* cellEditor);

    TGxCustomEdit* CellEditor() const { return cellEditor_; }
    TSpinButtonSet HoverButtons() const { return hoverButtons_; }
    void SetHoverButtons(TSpinButtonSet value);
    TSpinButtonSet PressedButtons() const { return pressedButtons_; }
    // A pressed set starts the delay and steps once (OnSpin); the empty set stops both timers.
    void SetPressedButtons(TSpinButtonSet value);
    // Lets go of pressed buttons (the empty pressed set).
    void Release();
    // True while OnSpin runs for a tick of the repeat timer.
    bool TimerStep() const { return timerStep_; }
    bool Repeating() const { return repeatTimer_->Enabled(); }
    bool Delaying() const { return delayTimer_->Enabled(); }

    TSpinEvent OnSpin;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TSpinButtonSet ButtonAt(int y) const;
    void DoSpin();
    void RepeatTick();

    TGxCustomEdit* cellEditor_;     // the editor the buttons belong to
    TTimer* delayTimer_;            // owned; 400 ms from a press to the repetition
    TTimer* repeatTimer_;           // owned; a step every 20 ms
    TSpinButtonSet hoverButtons_;   // drawn hot
    TSpinButtonSet pressedButtons_; // held down
    bool timerStep_ = false;        // OnSpin runs for a repeat tick
};
