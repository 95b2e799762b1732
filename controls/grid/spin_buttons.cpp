#include "controls/grid/spin_buttons.h"

#include "controls/grid/cell_edit.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"

namespace {

// A timer that is off until it is enabled.
TTimer* MakeTimer(TComponent* owner, unsigned interval)
{
    auto* timer = new TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    return timer;
}

} // namespace

TGxSpinButtons::TGxSpinButtons(TComponent* owner, TGxCustomEdit* cellEditor)
    : TCustomControl(owner), cellEditor_(cellEditor), delayTimer_(MakeTimer(this, 400)),
      repeatTimer_(MakeTimer(this, 20))
{
    delayTimer_->OnTimer = [this](TObject*) { repeatTimer_->SetEnabled(true); };
    repeatTimer_->OnTimer = [this](TObject*) { RepeatTick(); };
    SetTabStop(false);
}

void TGxSpinButtons::SetHoverButtons(TSpinButtonSet value)
{
    hoverButtons_ = value;
    Invalidate();
}

void TGxSpinButtons::SetPressedButtons(TSpinButtonSet value)
{
    pressedButtons_ = value;
    if (!value.Empty()) {
        delayTimer_->SetEnabled(true);
        DoSpin();
    } else {
        delayTimer_->SetEnabled(false);
        repeatTimer_->SetEnabled(false);
    }
    Invalidate();
}

void TGxSpinButtons::Release()
{
    SetPressedButtons({});
}

void TGxSpinButtons::DoSpin()
{
    if (OnSpin)
        OnSpin(this, pressedButtons_);
}

void TGxSpinButtons::RepeatTick()
{
    timerStep_ = true;
    struct StepDone
    {
        bool& flag;
        ~StepDone() { flag = false; }
    } done{timerStep_};
    DoSpin();
}

TSpinButtonSet TGxSpinButtons::ButtonAt(int y) const
{
    return y < Height() / 2 ? sbUp : sbDown;
}

void TGxSpinButtons::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft)
        SetPressedButtons(ButtonAt(y));
}

void TGxSpinButtons::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    SetHoverButtons(ButtonAt(y));
}

void TGxSpinButtons::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button == mbLeft)
        Release();
}

void TGxSpinButtons::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        SetHoverButtons({});
        return;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        TCustomControl::Dispatch(message);
        if (!pressedButtons_.Empty())
            Release();
        return;
    case CM_VISIBLECHANGED:
        TCustomControl::Dispatch(message);
        if (!Visible() && !pressedButtons_.Empty())
            Release();
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

void TGxSpinButtons::Paint()
{
    TCanvas& canvas = *Canvas();
    const bool disabled = !cellEditor_->EffectiveEnabled();
    const struct
    {
        TSpinButton button;
        TRect rect;
        int part;
        unsigned arrow;
    } halves[] = {
        {sbUp, {0, -1, ClientWidth(), ClientHeight() / 2}, SPNP_UP, DFCS_SCROLLUP},
        {sbDown, {0, ClientHeight() / 2, ClientWidth(), ClientHeight()}, SPNP_DOWN, DFCS_SCROLLDOWN}};
    for (const auto& half : halves) {
        const bool pressed = pressedButtons_.Contains(half.button);
        const int state = disabled ? 4 : pressed ? 3 : hoverButtons_.Contains(half.button) ? 2 : 1;
        if (UxThemesActive() && DrawThemedBackground(canvas, half.rect, "spin", half.part, state))
            continue;
        TRect r = half.rect;
        DrawFrameControl(canvas, r, DFC_SCROLL,
                         half.arrow | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0) |
                             (disabled ? DFCS_INACTIVE : 0));
    }
}
