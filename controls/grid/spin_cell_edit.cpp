#include "controls/grid/spin_cell_edit.h"

#include "platform/gui/windows/system_metrics.h"
#include "support/utf8.h"

#include <cmath>

TGxSpinEdit::TGxSpinEdit(TComponent* owner)
    : TGxCustomNumberEdit(owner), button_(new TGxExecuteButton(this, this)),
      buttons_(new TGxSpinButtons(this, this))
{
    buttons_->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
    buttons_->SetParent(this);
    buttons_->OnSpin = [this](TObject* sender, TSpinButtonSet set) { DoSpin(sender, set); };
    button_->SetVisible(false);
    button_->SetParent(this);
    button_->OnButtonClick = [this](TObject* sender) { DoButtonClick(sender); };
    SetPrecision(0);
    ShowValue(0);
}

void TGxSpinEdit::SetButtonCaption(const std::string& value)
{
    buttonCaption_ = value;
    button_->SetCaption(value);
}

void TGxSpinEdit::SetButtonWidth(int value)
{
    buttonWidth_ = value;
    button_->SetWidth(value);
    UpdateMargins();
    LayOutButtons();
}

void TGxSpinEdit::SetShowButton(bool value)
{
    showButton_ = value;
    button_->SetVisible(value);
    UpdateMargins();
    LayOutButtons();
}

void TGxSpinEdit::SetSpinButtons(bool value)
{
    spinButtons_ = value;
    buttons_->SetVisible(value);
    UpdateMargins();
}

int TGxSpinEdit::AsInteger() const
{
    return static_cast<int>(std::nearbyint(AsFloat()));
}

void TGxSpinEdit::SetAsFloat(double value)
{
    ShowValue(value);
}

void TGxSpinEdit::SetAsInteger(int value)
{
    ShowValue(value);
}

void TGxSpinEdit::BeginEditing()
{
    TGxCustomNumberEdit::BeginEditing();
    RepaintButtons();
}

void TGxSpinEdit::AdjustMargins(int& left, int& right)
{
    TGxCustomNumberEdit::AdjustMargins(left, right);
    if (buttons_->Visible())
        right += buttons_->Width();
    if (button_->Visible())
        left += button_->Width();
}

// --- spinning ----------------------------------------------------------------------------------------------

bool TGxSpinEdit::StepAllowed(TSpinButtonSet buttons, double value) const
{
    return SpinStepAllowed(value, increment_, buttons == TSpinButtonSet(sbUp),
                           Options().Contains(eoAllowSigns), Range());
}

void TGxSpinEdit::DoSpin(TObject*, TSpinButtonSet buttons)
{
    if (ReadOnly())
        return;
    // A step of the repeat timer never takes the focus; a press or a key does.
    if (!Focused() && Visible() && !buttons_->TimerStep() && CanFocus())
        SetFocus();
    const double value = GetValue();
    if (!StepAllowed(buttons, value))
        return;
    SetValue(buttons == TSpinButtonSet(sbUp) ? value + increment_ : value - increment_);
    SetSelStart(static_cast<int>(Utf8Length(Text())));
    if (OnSpin)
        OnSpin(this, buttons);
    SetModified(true);
}

void TGxSpinEdit::DoButtonClick(TObject*)
{
    if (OnButtonClick)
        OnButtonClick(this);
}

void TGxSpinEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxCustomNumberEdit::KeyDown(key, shift);
    if (SpinsByKeys() && (key == VK_UP || key == VK_DOWN))
        buttons_->SetPressedButtons(key == VK_UP ? sbUp : sbDown);
}

void TGxSpinEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    TGxCustomNumberEdit::KeyUp(key, shift);
    if (SpinsByKeys())
        buttons_->SetPressedButtons({});
}

// One notch presses and releases a button: one step.
bool TGxSpinEdit::WheelStep(TSpinButton button)
{
    if (!SpinsByKeys())
        return false;
    buttons_->SetPressedButtons(button);
    buttons_->SetPressedButtons({});
    return true;
}

bool TGxSpinEdit::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    const bool handled = TGxCustomNumberEdit::DoMouseWheelDown(shift, mousePos);
    return WheelStep(sbDown) || handled;
}

bool TGxSpinEdit::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    const bool handled = TGxCustomNumberEdit::DoMouseWheelUp(shift, mousePos);
    return WheelStep(sbUp) || handled;
}

// --- layout and messages -----------------------------------------------------------------------------------

void TGxSpinEdit::LayOutButtons()
{
    if (!HandleAllocated())
        return;
    const int y = BorderStyle() == bsSingle ? 1 : 0;
    buttons_->SetBounds(ClientWidth() - buttons_->Width(), y, GetSystemMetrics(SM_CXVSCROLL),
                        ClientHeight() - 2 * y + 1);
    buttons_->SetVisible(spinButtons_);
    Invalidate();
    button_->SetBounds(0, 0, button_->Width(), ClientHeight());
    button_->SetVisible(showButton_);
    RepaintButtons();
}

void TGxSpinEdit::RepaintButtons()
{
    buttons_->Invalidate();
    button_->Invalidate();
}

void TGxSpinEdit::CreateWnd()
{
    TGxCustomNumberEdit::CreateWnd();
    LayOutButtons();
}

void TGxSpinEdit::Dispatch(TMessage& message)
{
    TGxCustomNumberEdit::Dispatch(message);
    switch (message.Msg) {
    case WM_SIZE:
        LayOutButtons();
        break;
    case WM_WINDOWPOSCHANGED:
        Invalidate();
        RepaintButtons();
        break;
    }
    buttons_->ReleaseOnEditMessage(message);
}
