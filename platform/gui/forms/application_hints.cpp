// The application's hints: which control's hint is due, the pauses before showing and hiding it, and the
// hint window that shows it.

#include "platform/gui/forms/application.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/forms/hint_state.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/control.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// The control that answers for the hint under the pointer: the nearest with ShowHint.
TControl* HintControlOf(TControl* control)
{
    while (control && !control->ShowHint())
        control = control->Parent();
    return control;
}

TRect ClientToScreenRect(const TControl* control, const TRect& rect)
{
    const TPoint origin = control->ClientToScreen({0, 0});
    TRect screen = rect;
    OffsetRect(screen, origin.X, origin.Y);
    return screen;
}

} // namespace

void TApplication::SetHint(const std::string& value)
{
    if (value == hint_)
        return;
    hint_ = value;
    if (OnHint)
        OnHint(this);
}

void TApplication::SetShowHint(bool value)
{
    if (value == showHint_)
        return;
    showHint_ = value;
    if (value || !hintState_)
        return;
    CancelHint();
    FreeAndNil(hintState_->window);
}

void TApplication::StartHintTimer(bool hide, int milliseconds)
{
    if (!hintState_) {
        auto show = [this] {
            GuardedCall(this, [this] {
                TPoint pos;
                GetCursorPos(pos);
                ActivateHint(pos);
            });
        };
        hintState_ = std::make_unique<HintState>(show, [this] { GuardedCall(this, [this] { HideHint(); }); });
    }
    (hide ? hintState_->hideTimer : hintState_->showTimer).Start(milliseconds);
}

void TApplication::HintMouseMessage(TControl* control, const TMessage& message)
{
    if (!control)
        return;
    const bool frame = message.Msg >= WM_NCMOUSEMOVE && message.Msg <= WM_NCMBUTTONDBLCLK;
    HintMouseAt(frame ? TNCMouseView(message).ScreenPos : control->ClientToScreen(TMouseView(message).Pos));
}

void TApplication::HintMouseAt(TPoint screenPos)
{
    TControl* target = FindDragTarget(screenPos, true);
    SetHint(GetLongHint(GetHint(target)));
    TControl* control = showHint_ ? HintControlOf(target) : nullptr;
    if (!control) {
        CancelHint();
        return;
    }
    HintState* state = hintState_.get();
    if (state && control == state->control && PtInRect(state->cursorRect, screenPos))
        return;
    // A new hint is due: after the short pause while one is up, else after the full one; the control may
    // choose another pause.
    const bool shown = state && state->shown;
    int pause = shown ? hintShortPause_ : hintPause_;
    control->Perform(CM_HINTSHOWPAUSE, shown ? 1 : 0, reinterpret_cast<LPARAM>(&pause));
    StartHintTimer(false, pause);
    state = hintState_.get();
    state->control = control;
    state->cursorRect = ClientToScreenRect(control, control->ClientRect());
}

void TApplication::ActivateHint(TPoint cursorPos)
{
    if (!hintState_ || !hintState_->control || !showHint_)
        return;
    HintState& state = *hintState_;
    state.showTimer.Stop();
    TControl* control = state.control;
    THintInfo info;
    info.HintControl = control;
    info.HintPos = {cursorPos.X, cursorPos.Y + GetSystemMetrics(SM_CYCURSOR)};
    info.HintMaxWidth = Screen->Width();
    info.HintColor = hintColor_;
    info.CursorRect = control->ClientRect();
    info.CursorPos = control->ScreenToClient(cursorPos);
    info.HideTimeout = hintHidePause_;
    info.HintStr = GetShortHint(GetHint(control));
    bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (canShow && OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    // The handlers may have freed the control or cancelled the hint.
    if (state.control != control)
        return;
    state.cursorRect = ClientToScreenRect(control, info.CursorRect);
    if (!canShow || info.HintStr.empty()) {
        HideHint();
        return;
    }
    THintWindow* window = HintWindowFor(info);
    window->SetColor(info.HintColor);
    TRect rect = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(rect, info.HintPos.X, info.HintPos.Y);
    window->ActivateHintData(rect, info.HintStr, info.HintData);
    state.shown = true;
    state.hideTimer.Stop();
    if (info.ReshowTimeout > 0)
        StartHintTimer(false, info.ReshowTimeout);
    if (info.HideTimeout > 0)
        StartHintTimer(true, info.HideTimeout);
}

THintWindow* TApplication::HintWindowFor(const THintInfo& info)
{
    THintWindow*& window = hintState_->window;
    if (!info.HintWindowClass.IsClassOf(window)) {
        FreeAndNil(window);
        window = info.HintWindowClass.Create(this);
    }
    return window;
}

void TApplication::HideHint()
{
    if (!hintState_)
        return;
    hintState_->hideTimer.Stop();
    hintState_->shown = false;
    if (hintState_->window)
        hintState_->window->ReleaseHandle();
}

void TApplication::CancelHint()
{
    if (!hintState_)
        return;
    hintState_->showTimer.Stop();
    HideHint();
    hintState_->control = nullptr;
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (hintState_ && hintState_->control == control)
        CancelHint();
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && hintState_ && component == hintState_->window) {
        hintState_->window = nullptr;
        hintState_->shown = false;
    }
}
