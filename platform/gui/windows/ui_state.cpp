#include "platform/gui/windows/ui_state.h"

#include "platform/gui/qt/input_state.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <vector>

namespace {

constexpr unsigned HideFlags = UISF_HIDEFOCUS | UISF_HIDEACCEL;

bool keyboardCues = true;

TWinControl* ParentWindow(const TWinControl& window)
{
    TWinControl* parent = window.Parent();
    return parent && parent->HandleAllocated() ? parent : nullptr;
}

unsigned StateOf(const TWinControl& window)
{
    unsigned state = 0;
    for (const TWinControl* w = &window; w; w = ParentWindow(*w))
        if (w->Window().uiState >= 0) {
            state = static_cast<unsigned>(w->Window().uiState);
            break;
        }
    return keyboardCues ? state & ~HideFlags : state;
}

// UIS_INITIALIZE becomes UIS_SET or UIS_CLEAR by the last input.
WPARAM Resolved(WPARAM wParam)
{
    unsigned action = LOWORD(wParam);
    unsigned flags = HIWORD(wParam);
    if (action == UIS_INITIALIZE) {
        action = LastInputFromKeyboard() ? UIS_CLEAR : UIS_SET;
        if (flags == 0)
            flags = HideFlags;
    }
    return MAKEWPARAM(static_cast<int>(action), static_cast<int>(flags));
}

unsigned Applied(unsigned state, WPARAM resolved)
{
    const unsigned flags = HIWORD(resolved);
    switch (LOWORD(resolved)) {
    case UIS_SET:
        state |= flags;
        break;
    case UIS_CLEAR:
        state &= ~flags;
        break;
    }
    return keyboardCues ? state & ~HideFlags : state;
}

void ChangeUIState(TWinControl& window, WPARAM wParam)
{
    if (TWinControl* parent = ParentWindow(window)) {
        SendMessage(parent->Handle(), WM_CHANGEUISTATE, wParam, 0);
        return;
    }
    const WPARAM resolved = Resolved(wParam);
    if (Applied(StateOf(window), resolved) != StateOf(window) || window.Window().uiState < 0)
        SendMessage(window.Handle(), WM_UPDATEUISTATE, resolved, 0);
}

void UpdateUIState(TWinControl& window, WPARAM wParam)
{
    const WPARAM resolved = Resolved(wParam);
    const unsigned before = StateOf(window);
    window.Window().uiState = static_cast<int>(Applied(before, resolved));
    if (StateOf(window) != before)
        window.Invalidate();
    std::vector<HWND> children;
    for (int i = 0; i < window.ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(window.Controls(i)); child && child->HandleAllocated())
            children.push_back(child->Handle());
    for (HWND child : children)
        SendMessage(child, WM_UPDATEUISTATE, resolved, 0);
}

} // namespace

bool KeyboardCues()
{
    return keyboardCues;
}

void SetKeyboardCues(bool on)
{
    keyboardCues = on;
}

bool DefaultUIStateHandling(TWinControl& window, TMessage& message)
{
    switch (message.Msg) {
    case WM_CHANGEUISTATE:
        ChangeUIState(window, message.WParam);
        return true;
    case WM_UPDATEUISTATE:
        UpdateUIState(window, message.WParam);
        return true;
    case WM_QUERYUISTATE:
        message.Result = static_cast<LRESULT>(StateOf(window));
        return true;
    default:
        return false;
    }
}
