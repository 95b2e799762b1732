#pragma once

#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/win_control.h"

#include <functional>

class TGxCustomEdit;
class TGxCustomEdit6;

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
    virtual void SetHoverButtons(TSpinButtonSet value);
    TSpinButtonSet PressedButtons() const { return pressedButtons_; }
    // A pressed set starts the delay and steps once (OnSpin); the empty set stops both timers.
    virtual void SetPressedButtons(TSpinButtonSet value);
    // Lets go of pressed buttons (the empty pressed set).
    void Release();
    // Lets go when a message of the edit says it lost the focus, was disabled or hidden.
    void ReleaseOnEditMessage(const TMessage& message);
    // True while OnSpin runs for a tick of the repeat timer.
    bool TimerStep() const { return timerStep_; }
    bool Repeating() const { return repeatTimer_->Enabled(); }
    bool Delaying() const { return delayTimer_->Enabled(); }

    TSpinEvent OnSpin;

protected:
    // For the buttons of any edit.
    TGxSpinButtons(TComponent* owner, TWinControl* edit);
    TTimer* DelayTimer() const { return delayTimer_; }
    // The rectangle a half is drawn in with the native theme.
    virtual TRect ThemedHalf(const TRect& half, TSpinButton) const { return half; }
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TSpinButtonSet ButtonAt(int y) const;
    void DoSpin();
    void RepeatTick();

    TWinControl* edit_;             // the edit the buttons belong to
    TGxCustomEdit* cellEditor_;     // the same as a cell editor, when it is one
    TTimer* delayTimer_;            // owned; 400 ms from a press to the repetition
    TTimer* repeatTimer_;           // owned; a step every 20 ms
    TSpinButtonSet hoverButtons_;   // drawn hot
    TSpinButtonSet pressedButtons_; // held down
    bool timerStep_ = false;        // OnSpin runs for a repeat tick
};

// The spin buttons of the 6-series spin edit: the pressed and hover sets change only when they differ, so
// that a key's auto-repeat presses nothing again; the delay before repetition can be set; with the native
// theme each half is drawn a pixel wider, the lower one a pixel taller.
using TGxSpinButton = TSpinButtonSet;
using TGxSpinNotify = TSpinEvent;

class TGxSpinButtons6 : public TGxSpinButtons
{
public:
    TGxSpinButtons6(TComponent* owner, TGxCustomEdit6* edit);

    int DelayInterval() const { return delayInterval_; }
    void SetDelayInterval(int value);
    void SetHoverButtons(TSpinButtonSet value) override;
    void SetPressedButtons(TSpinButtonSet value) override;

protected:
    TRect ThemedHalf(const TRect& half, TSpinButton button) const override;

private:
    int delayInterval_ = 400; // from a press to the repetition
};
