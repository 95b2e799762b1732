#pragma once

#include "platform/gui/standard/std_control_types.h"

// Push buttons, check boxes and radio buttons. Each paints itself (through the theme painter, or in the
// classic looks when themes are off) and reports a user's click as BN_CLICKED through CN_COMMAND, which
// each kind turns into its action: a push button clicks, a check box toggles, a radio button checks.
// A press becomes a click when the mouse button is released over the control, or Space is released.

class TButtonControl : public TCustomControl
{
public:
    explicit TButtonControl(TComponent* owner);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    void Dispatch(TMessage& message) override;

protected:
    virtual bool GetChecked() const { return false; }
    virtual void SetChecked(bool) {}
    // Sends BN_CLICKED through CN_COMMAND, as the window does when the user clicks.
    void NotifyClicked();
    // While set, a focus change does not click (a radio button getting the focus by the mouse).
    bool ClicksDisabled() const { return clicksDisabled_; }
    void SetClicksDisabled(bool value) { clicksDisabled_ = value; }
    // The button is held down by the mouse or by Space.
    bool Pressed() const { return pressed_; }
    bool Hot() const { return hot_; }
    void DefaultHandler(TMessage& message) override;
    // The caption's rectangle for a text drawn in rect with flags; the caption itself with DT_CALCRECT off.
    void DrawCaption(TRect& rect, unsigned flags);
    // The theme state offset of the looks: normal 0, hot 1, pressed 2, disabled 3.
    int LookOffset() const;

private:
    void SetPressed(bool value);
    bool clicksDisabled_ = false;
    bool pressed_ = false;
    bool spacePressed_ = false;
    bool hot_ = false;
    bool wordWrap_ = false;
};

class TCustomButton : public TButtonControl
{
public:
    explicit TCustomButton(TComponent* owner);
    // Enter clicks the default button unless the focus is on another button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    // Escape clicks the cancel button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // What a click sets as the form's ModalResult; mrNone leaves a modal form open.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    // True while Enter clicks this button: it has the focus, or it is the default and no other button has.
    bool Active() const { return active_; }
    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    // The window's idea of the active button changed.
    virtual void SetButtonStyle(bool isDefault);
    void Paint() override;
    void PaintWindow(HDC dc) override;
    // True when the button draws itself through CN_DRAWITEM (a bitmap button).
    virtual bool OwnerDrawn() const { return false; }
    // The owner-draw item state of the button now (pressed, focused, disabled).
    unsigned ItemState() const;

private:
    void FocusChanged(TWinControl* focused);
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
};

class TButton : public TCustomButton
{
public:
    using TCustomButton::TCustomButton;
};

enum TCheckBoxState
{
    cbUnchecked,
    cbChecked,
    cbGrayed
};

// Shared by check boxes and radio buttons: a mark box beside the caption.
class TMarkButton : public TButtonControl
{
public:
    explicit TMarkButton(TComponent* owner);
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight value);
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    // The mark's look: the theme part, its base state, and the classic frame-control state.
    virtual int ThemePart() const = 0;
    virtual int ThemeBaseState() const = 0;
    virtual unsigned ClassicState() const = 0;

private:
    TLeftRight alignment_ = taRightJustify;
};

class TCustomCheckBox : public TMarkButton
{
public:
    explicit TCustomCheckBox(TComponent* owner);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
    // Changing the state repaints and clicks (OnClick), whether the user or the program changed it.
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    void Dispatch(TMessage& message) override;

protected:
    // The user's click: unchecked, grayed (when allowed), checked, unchecked again.
    virtual void Toggle();
    bool GetChecked() const override { return Checked(); }
    int ThemePart() const override;
    int ThemeBaseState() const override;
    unsigned ClassicState() const override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox
{
public:
    using TCustomCheckBox::TCustomCheckBox;
};

// Checking a radio button clears the other radio buttons of its parent; only the checked one of a group
// is a tab stop. An arrow key moves the focus to the next control of the parent, which checks a radio
// button.
class TRadioButton : public TMarkButton
{
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    // Checking clicks (OnClick); unchecking does not.
    void SetChecked(bool value) override;
    void Dispatch(TMessage& message) override;

protected:
    bool GetChecked() const override { return checked_; }
    int ThemePart() const override;
    int ThemeBaseState() const override;
    unsigned ClassicState() const override;

private:
    bool checked_ = false;
};
