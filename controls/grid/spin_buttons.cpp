#include "controls/grid/spin_buttons.h"

#include "controls/grid/cell_edit.h"
#include "controls/grid/edit6.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"

#include <algorithm>

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
    : TGxSpinButtons(owner, static_cast<TWinControl*>(cellEditor))
{
    cellEditor_ = cellEditor;
}

TGxSpinButtons::TGxSpinButtons(TComponent* owner, TWinControl* edit)
    : TCustomControl(owner), edit_(edit), cellEditor_(nullptr), delayTimer_(MakeTimer(this, 400)),
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

void TGxSpinButtons::ReleaseOnEditMessage(const TMessage& message)
{
    const bool interrupted = message.Msg == WM_KILLFOCUS ||
                             (message.Msg == CM_ENABLEDCHANGED && !edit_->Enabled()) ||
                             (message.Msg == CM_VISIBLECHANGED && !edit_->Visible());
    if (interrupted)
        Release();
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
    const bool disabled = !edit_->EffectiveEnabled();
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
        if (UxThemesActive() &&
            DrawThemedBackground(canvas, ThemedHalf(half.rect, half.button), "spin", half.part, state))
            continue;
        TRect r = half.rect;
        DrawFrameControl(canvas, r, DFC_SCROLL,
                         half.arrow | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0) |
                             (disabled ? DFCS_INACTIVE : 0));
    }
}

// --- the 6-series pair -------------------------------------------------------------------------------------

TGxSpinButtons6::TGxSpinButtons6(TComponent* owner, TGxCustomEdit6* edit)
    : TGxSpinButtons(owner, static_cast<TWinControl*>(edit))
{}

void TGxSpinButtons6::SetDelayInterval(int value)
{
    delayInterval_ = value;
    DelayTimer()->SetInterval(static_cast<unsigned>(std::max(value, 0)));
}

void TGxSpinButtons6::SetHoverButtons(TSpinButtonSet value)
{
    if (value != HoverButtons())
        TGxSpinButtons::SetHoverButtons(value);
}

void TGxSpinButtons6::SetPressedButtons(TSpinButtonSet value)
{
    if (value != PressedButtons())
        TGxSpinButtons::SetPressedButtons(value);
}

TRect TGxSpinButtons6::ThemedHalf(const TRect& half, TSpinButton button) const
{
    return {half.Left, half.Top, half.Right + 1, half.Bottom + (button == sbDown ? 1 : 0)};
}
