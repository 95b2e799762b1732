#include "controls/grid/edit_button6.h"

#include "controls/grid/edit6.h"
#include "controls/grid/style_painters.h"

TGxEditButton::TGxEditButton(TComponent* owner)
    : TCustomControl(owner), edit_(dynamic_cast<TGxCustomEdit6*>(owner))
{
    SetTabStop(false);
}

void TGxEditButton::SetCaption(const std::string& value)
{
    caption_ = value;
    Repaint();
}

void TGxEditButton::SetDown(bool value)
{
    if (value == down_)
        return;
    down_ = value;
    Repaint();
    const TNotifyEvent& event = down_ ? OnDown : OnUp;
    if (event)
        event(this);
}

void TGxEditButton::SetHover(bool value)
{
    if (value == hover_)
        return;
    hover_ = value;
    Repaint();
}

void TGxEditButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    SetDown(!down_);
    mouseDown_ = true;
    if (edit_ && edit_->Showing() && edit_->CanFocus())
        edit_->SetFocus();
}

void TGxEditButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (autoUp_)
        SetDown(false);
    if (!mouseDown_)
        return;
    mouseDown_ = false;
    if (OnButtonClick)
        OnButtonClick(this);
}

void TGxEditButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        SetHover(message.Msg == CM_MOUSEENTER);
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

TGxDropDownButton6::TGxDropDownButton6(TComponent* owner) : TGxEditButton(owner)
{
    SetBounds(0, 0, 16, 19);
}

void TGxDropDownButton6::PaintButton()
{
    TGxButtonState state;
    if (Hover())
        state.Include(bsHover);
    if (Down())
        state.Include(bsPressed);
    if (Edit() && !Edit()->EffectiveEnabled())
        state.Include(bsDisabled);
    TGxDropButtonStyledView6::Paint(*Canvas(), ClientRect(), state, {soNativeStyles, soPlatformStyles});
}
