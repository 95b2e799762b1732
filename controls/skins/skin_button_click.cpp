#include "controls/skins/skin_button.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/skins/skin_types.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"

#include <vector>

// The skinned push button's clicks: the modal result, the drop-down menu, the repeat while held, and Enter
// and Escape.

namespace {

constexpr unsigned FirstRepeatDelay = 400;
constexpr unsigned RepeatInterval = 100;

bool IsPressOrDoubleClick(uint32_t msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

} // namespace

void TQvCustomButton::Click()
{
    if (FRepeating) {
        TQvButtonControl::Click();
        return;
    }
    if (TPopupMenu* menu = GetDropDownMenu()) {
        RunDropDownMenu(*menu);
        return;
    }
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TQvButtonControl::Click();
}

// The button looks pushed while its menu is open: a skinned menu tells it when it has closed
// (CM_POPUPCLOSED), another menu has closed when Popup returns.
void TQvCustomButton::RunDropDownMenu(TPopupMenu& menu)
{
    FDropDownMenuVisible = true;
    UpdateMouseInControl(true);
    SetMouseCapture(false);
    menu.SetPopupComponent(this);
    try {
        if (auto* skinnedMenu = dynamic_cast<IQvPopupMenu*>(&menu)) {
            if (!skinnedMenu->RunPopup(0, 0, false, FPopupControl))
                FDropDownMenuVisible = false;
        } else {
            const TPoint below = ClientToScreen({0, Height()});
            menu.Popup(below.X, below.Y);
            FDropDownMenuVisible = false;
        }
    } catch (...) {
        // A menu that failed is not open: the button must not stay dropped down.
        FDropDownMenuVisible = false;
        Invalidate();
        FlushMouseClicks();
        throw;
    }
    Invalidate();
    FlushMouseClicks();
}

void TQvCustomButton::FlushMouseClicks()
{
    std::vector<TMsg> kept;
    TMsg msg;
    while (PeekMessage(msg, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsPressOrDoubleClick(msg.message)) {
            TPoint point = PointFromLParam(msg.lParam);
            ::ClientToScreen(msg.hwnd, point);
            if (FindDragTarget(point, true) == this)
                continue;
        }
        kept.push_back(msg);
    }
    for (const TMsg& taken : kept)
        PostMessage(taken.hwnd, taken.message, taken.wParam, taken.lParam);
}

// --- repeat ------------------------------------------------------------------------------------------------

void TQvCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TQvButtonControl::MouseDown(button, shift, x, y);
    if (!Enabled() || button != mbLeft || !FRepeating)
        return;
    Click();
    // The release does not click again.
    TControlState state = ControlState();
    state.Exclude(csClicked);
    SetControlState(state);
    if (!FRepeatTimer)
        FRepeatTimer = std::make_unique<TRepeatingTimer>([this] { RepeatTimerTick(); });
    FRepeatTimer->Start(FirstRepeatDelay);
}

void TQvCustomButton::RepeatTimerTick()
{
    if (!FRepeating) {
        StopRepeat();
        return;
    }
    FRepeatTimer->Start(RepeatInterval);
    // A hold outside the button pauses the repeat.
    if (Pushed())
        Click();
}

void TQvCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TQvButtonControl::MouseUp(button, shift, x, y);
    if (button == mbLeft)
        StopRepeat();
}

void TQvCustomButton::StopRepeat()
{
    FRepeatTimer.reset();
}

// --- keys and messages -------------------------------------------------------------------------------------

void TQvCustomButton::FocusChanged(TWinControl* focused)
{
    const bool active = dynamic_cast<TQvCustomButton*>(focused) ? focused == this : FDefault;
    if (active == FActive)
        return;
    FActive = active;
    Invalidate();
}

void TQvCustomButton::DialogKey(TMessage& message)
{
    const TKeyView key(message);
    const bool noModifiers =
        !key.Shift().Contains(ssShift) && !key.Shift().Contains(ssCtrl) && !key.Shift().Contains(ssAlt);
    if (((key.Key() == VK_RETURN && FActive) || (key.Key() == VK_ESCAPE && FCancel)) && noModifiers &&
        CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TQvButtonControl::Dispatch(message);
}

void TQvCustomButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGKEY:
        DialogKey(message);
        return;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
        TQvButtonControl::Dispatch(message);
        return;
    case CM_POPUPCLOSED:
        FDropDownMenuVisible = false;
        Invalidate();
        TQvButtonControl::Dispatch(message);
        return;
    case WM_CANCELMODE:
        TQvButtonControl::Dispatch(message);
        StopRepeat();
        UpdateMouseInControl(true);
        return;
    default:
        TQvButtonControl::Dispatch(message);
    }
}
