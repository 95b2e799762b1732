#include "controls/grid/spin_edit6.h"

#include "platform/gui/windows/system_metrics.h"
#include "support/utf8.h"

TGxSpinEdit6::TGxSpinEdit6(TComponent* owner)
    : TGxNumberEdit6(owner), buttons_(new TGxSpinButtons6(this, this))
{
    buttons_->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
    buttons_->SetAlign(alRight);
    buttons_->SetParent(this);
    buttons_->OnSpin = [this](TObject* sender, TGxSpinButton buttons) { DoSpin(sender, buttons); };
}

void TGxSpinEdit6::SetAccelerationInterval(int value)
{
    accelerationInterval_ = value;
    buttons_->SetDelayInterval(value);
}

void TGxSpinEdit6::SetSpinButtons(bool value)
{
    if (value == spinButtons_)
        return;
    spinButtons_ = value;
    buttons_->SetVisible(value);
    UpdateMargins();
}

void TGxSpinEdit6::DoSpin(TObject*, TGxSpinButton buttons)
{
    if (OnSpin)
        OnSpin(this, buttons);
    if (ReadOnly())
        return;
    // A step of the repeat timer never takes the focus; a press or a key does.
    if (!Focused() && Visible() && !buttons_->TimerStep() && CanFocus())
        SetFocus();
    const bool up = buttons == TGxSpinButton(sbUp);
    const double value = GetValue();
    if (!SpinStepAllowed(value, increment_, up, NumericEditOptions().Contains(ednSigns), Format().Range()))
        return;
    SetValue(up ? value + increment_ : value - increment_);
    SetSelStart(static_cast<int>(Utf8Length(Text())));
    SetModified(true);
}

void TGxSpinEdit6::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxNumberEdit6::KeyDown(key, shift);
    if (key != VK_UP && key != VK_DOWN)
        return;
    buttons_->SetPressedButtons(key == VK_UP ? sbUp : sbDown);
    // The arrows spin; they do not move the caret away from the end, where the step put it.
    key = 0;
}

void TGxSpinEdit6::KeyUp(uint16_t& key, TShiftState shift)
{
    TGxNumberEdit6::KeyUp(key, shift);
    buttons_->SetPressedButtons({});
}

void TGxSpinEdit6::KeyPress(char32_t& key)
{
    if (!NumberEditCharAllowed(Format(), key, {Text(), SelStart(), SelLength()})) {
        key = 0;
        return;
    }
    TGxNumberEdit6::KeyPress(key);
}

void TGxSpinEdit6::CreateWnd()
{
    TGxNumberEdit6::CreateWnd();
    buttons_->SetLeft(ClientWidth());
}

void TGxSpinEdit6::Dispatch(TMessage& message)
{
    TGxNumberEdit6::Dispatch(message);
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        // The edit's own entering and leaving, not its children's.
        if (message.LParam == 0)
            buttons_->SetHoverButtons(message.Msg == CM_MOUSEENTER ? TGxSpinButton{sbUp, sbDown}
                                                                   : TGxSpinButton{});
        break;
    case WM_LBUTTONDOWN:
        buttons_->Invalidate();
        break;
    case WM_KILLFOCUS:
        if (spinButtons_)
            buttons_->Invalidate();
        break;
    }
    buttons_->ReleaseOnEditMessage(message);
}
