#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/message_helpers.h"
#include "controls/toolbars/modal_handler.h"
#include "controls/toolbars/popup_animation.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/message_beep.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

#include <climits>

namespace {

// The system's caret blink, which a menu has no use for.
constexpr uint32_t WM_SYSTIMER = 0x0118;

} // namespace

struct TBarModalHandler::TLoopState
{
    TBarView* root;
    bool trackRightButton;
    bool mouseDownOnMenu = false;
    bool ended = false; // a release ended the loop without a done action
    HWND activeWindow = nullptr;

    // The open menus: the root view and the views opened from it.
    TBarView* Innermost() const
    {
        TBarView* view = root;
        while (view->OpenViewerView())
            view = view->OpenViewerView();
        return view;
    }
    TBarView* CaptureView() const
    {
        for (TBarView* view = root; view; view = view->OpenViewerView())
            if (view->Capture())
                return view;
        return nullptr;
    }
    void UpdateAllSelections(TPoint p, bool allowNewSelection) const
    {
        TBarView* capture = CaptureView();
        for (TBarView* view = Innermost(); view; view = view->ParentView())
            if (!capture || view == capture)
                view->UpdateSelection(p, allowNewSelection);
    }
    // The viewer under the pointer (the captured one during capture) and its view; the view alone when the
    // pointer is over a view's window but no viewer.
    bool FindHotViewer(TBarView*& hotView, TBarItemViewer*& viewer) const
    {
        hotView = nullptr;
        viewer = nullptr;
        if (TBarView* capture = CaptureView()) {
            hotView = capture;
            viewer = capture->Selected();
            return viewer != nullptr;
        }
        for (TBarView* view = root; view; view = view->OpenViewerView()) {
            if (view->Selected() && view->MouseOverSelected()) {
                hotView = view;
                viewer = view->Selected();
                break;
            }
            if (view->State().Contains(vsMouseInWindow)) {
                hotView = view;
                break;
            }
        }
        return viewer != nullptr;
    }
};

bool TBarModalHandler::ContinueLoop(const TLoopState& s) const
{
    return !s.ended && GetCapture() == FWnd && GetActiveWindow() == s.activeWindow &&
           !s.root->IsModalEnding();
}

void TBarModalHandler::Loop(TBarView* rootView, bool mouseDown, bool executeSelected, bool fromMSAA,
                            bool trackRightButton)
{
    TLoopState s{rootView, trackRightButton};
    rootView->FDoneActionData.DoneAction = tbdaNone;
    rootView->ValidatePositions();
    rootView->FCaptureWnd = FWnd;
    try {
        if (Start(s, mouseDown, executeSelected, fromMSAA)) {
            s.activeWindow = GetActiveWindow();
            while (ContinueLoop(s) && Turn(s))
                ;
        }
    } catch (...) {
        End(s);
        throw;
    }
    End(s);
}

bool TBarModalHandler::Start(TLoopState& s, bool mouseDown, bool executeSelected, bool fromMSAA)
{
    if (mouseDown) {
        TBarItemViewer* selected = s.root->Selected();
        const TPoint p = selected->ScreenToClient(GetMessagePoint());
        selected->HandleMouseDown({}, p.X, p.Y, s.mouseDownOnMenu);
        s.mouseDownOnMenu = false;
    } else if (executeSelected) {
        s.root->ExecuteSelected(!fromMSAA);
    }
    return !s.root->IsModalEnding();
}

bool TBarModalHandler::Turn(TLoopState& s)
{
    AnimationStep();
    TMsg msg;
    if (!PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE)) {
        // Idle: wait for input, polling only while a menu is being animated.
        if (IsAnimating())
            MsgWaitForMultipleObjects(0, nullptr, false, 1, QS_ALLINPUT);
        else
            WaitMessage();
        return true;
    }
    if ((msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) && PressEndsLoop(s, msg))
        return false; // the press stays queued for the window under it
    if (!PeekMessage(msg, nullptr, msg.message, msg.message, PM_REMOVE | PM_NOYIELD))
        return true;
    if (msg.message == WM_QUIT) {
        // The program is to end: the menu is cancelled and the request goes on to the loop outside.
        s.root->EndModal();
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    HandleMessage(s, msg);
    if (!ContinueLoop(s))
        return false;
    if (LastPos.X == INT32_MIN) {
        LastPos = GetMessagePoint();
        ProcessMouseMove(s);
    }
    UpdateHint(s);
    return true;
}

bool TBarModalHandler::PressEndsLoop(TLoopState& s, const TMsg& msg)
{
    TControl* target = FindDragTarget(msg.pt, true);
    if (auto* popup = dynamic_cast<TBarPopupWindow*>(target);
        popup && popup->View() && s.root->ContainsView(popup->View()))
        return false;
    TWinControl* window = s.root->Window();
    const bool onOwnWindow = !s.root->IsPopup() && target == window &&
                             PtInRect(window->ClientRect(), window->ScreenToClient(msg.pt));
    if (!onOwnWindow)
        return true;
    if (msg.message != WM_LBUTTONDOWN)
        return false;
    // A press on the toolbar's own items goes on in the loop; elsewhere on it, the loop ends.
    s.UpdateAllSelections(msg.pt, true);
    const TBarItemViewer* selected = s.root->Selected();
    return !selected || !s.root->MouseOverSelected() ||
           selected->Item()->ItemStyle().Contains(tbisClicksTransparent);
}

void TBarModalHandler::HandleMessage(TLoopState& s, const TMsg& msg)
{
    const uint32_t m = msg.message;
    const bool trackRight = s.trackRightButton;
    if (m == WM_TIMER)
        HandleTimer(msg);
    else if (m == WM_HELP || m == WM_CONTEXTMENU || m == WM_SYSTIMER)
        return;
    else if (m == WM_KEYDOWN || m == WM_SYSKEYDOWN)
        HandleKey(s, msg);
    else if (m == WM_CHAR || m == WM_SYSCHAR)
        HandleChar(s, msg);
    else if (m >= WM_KEYFIRST && m <= WM_KEYLAST)
        Application->CancelHint();
    else if (m == WM_MOUSEMOVE) {
        if (msg.pt != LastPos) {
            LastPos = msg.pt;
            ProcessMouseMove(s);
        }
    } else if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || (m == WM_RBUTTONDOWN && trackRight))
        HandlePress(s, msg);
    else if (m == WM_LBUTTONUP || (m == WM_RBUTTONUP && trackRight))
        HandleRelease(s, msg);
    else if (m == WM_MOUSEWHEEL)
        HandleWheel(s, msg);
    else if (m < WM_MOUSEFIRST || m > WM_MOUSELAST)
        DispatchMessage(msg);
}

void TBarModalHandler::HandleTimer(const TMsg& msg)
{
    auto* popup = dynamic_cast<TBarPopupWindow*>(FindControl(msg.hwnd));
    if (!popup || msg.wParam < ViewTimerBaseId || msg.wParam > ViewTimerBaseId + ViewTimerScrollDown) {
        DispatchMessage(msg);
        return;
    }
    TBarView* view = popup->View();
    if (!view)
        return;
    switch (static_cast<int>(msg.wParam - ViewTimerBaseId)) {
    case ViewTimerOpen:
        view->CloseChildPopups();
        view->OpenChildPopup(false);
        break;
    case ViewTimerClose:
        view->CloseChildPopups();
        break;
    case ViewTimerScrollUp:
        if (view->ShowUpArrow())
            view->ScrollStep(false);
        else
            view->StopViewTimer(ViewTimerScrollUp);
        break;
    case ViewTimerScrollDown:
        if (view->ShowDownArrow())
            view->ScrollStep(true);
        else
            view->StopViewTimer(ViewTimerScrollDown);
        break;
    }
}

namespace {

bool ButtonDown(bool trackRightButton)
{
    return GetKeyState(VK_LBUTTON) < 0 || (trackRightButton && GetKeyState(VK_RBUTTON) < 0);
}

} // namespace

void TBarModalHandler::HandleKey(TLoopState& s, const TMsg& msg)
{
    Application->CancelHint();
    uint16_t key = static_cast<uint16_t>(msg.wParam);
    const TShiftState shift = TKeyData(msg.lParam).Shift();
    // While a button is held only F1 counts.
    if (!ButtonDown(s.trackRightButton) || key == VK_F1) {
        TBarView* view = s.Innermost();
        if (TBarItemViewer* selected = view->Selected()) {
            selected->HandleKeyDown(key, shift);
            if (s.root->IsModalEnding())
                return;
        }
        if (key != 0) {
            view->HandleNavigationKey(key, shift);
            if (s.root->IsModalEnding())
                return;
        }
    }
    if (key != 0)
        TranslateMessage(msg);
}

void TBarModalHandler::HandleChar(TLoopState& s, const TMsg& msg)
{
    Application->CancelHint();
    if (ButtonDown(s.trackRightButton))
        return;
    const auto ch = static_cast<char32_t>(msg.wParam);
    TBarView* view = s.Innermost();
    bool isOnly = false;
    if (TBarItemViewer* viewer = view->NextSelectableWithAccel(view->Selected(), ch, false, isOnly)) {
        view->SetSelected(viewer);
        view->ScrollSelectedIntoView();
        if (isOnly)
            view->ExecuteSelected(true);
        return;
    }
    if ((ch == U' ' || ch == U'-') && !s.root->IsPopup() && view == s.root && GetActiveWindow())
        s.root->EndModalWithSystemMenu(GetActiveWindow(), static_cast<uint16_t>(ch));
    else
        MessageBeep(0);
}

void TBarModalHandler::HandlePress(TLoopState& s, const TMsg& msg)
{
    Application->CancelHint();
    s.mouseDownOnMenu = false;
    s.root->FState.Exclude(vsIgnoreFirstMouseUp);
    s.UpdateAllSelections(msg.pt, true);
    TBarView* view = nullptr;
    TBarItemViewer* viewer = nullptr;
    if (s.FindHotViewer(view, viewer)) {
        const TPoint p = viewer->ScreenToClient(msg.pt);
        viewer->HandleMouseDown(msg.message == WM_LBUTTONDBLCLK ? TShiftState(ssDouble) : TShiftState(), p.X,
                                p.Y, s.mouseDownOnMenu);
    }
    LastPos = GetMessagePoint();
}

void TBarModalHandler::HandleRelease(TLoopState& s, const TMsg& msg)
{
    s.UpdateAllSelections(msg.pt, false);
    TBarView* view = nullptr;
    TBarItemViewer* viewer = nullptr;
    if (s.FindHotViewer(view, viewer)) {
        const TPoint p = viewer->ScreenToClient(msg.pt);
        viewer->HandleMouseUp(p.X, p.Y, s.mouseDownOnMenu);
        return;
    }
    if (view && !(view == s.root && s.root->IsToolbar()))
        return;
    // The release of the press that opened a free-standing popup does not close it.
    if (s.root->FState.Contains(vsIgnoreFirstMouseUp))
        s.root->FState.Exclude(vsIgnoreFirstMouseUp);
    else
        s.ended = true;
}

void TBarModalHandler::HandleWheel(TLoopState& s, const TMsg& msg)
{
    TBarView* view = nullptr;
    TBarItemViewer* viewer = nullptr;
    if (!s.FindHotViewer(view, viewer))
        return;
    const TPoint p = viewer->ScreenToClient(msg.pt);
    viewer->HandleMouseWheel(GET_WHEEL_DELTA_WPARAM(msg.wParam), p.X, p.Y);
}

void TBarModalHandler::ProcessMouseMove(TLoopState& s)
{
    s.UpdateAllSelections(LastPos, true);
    HCURSOR cursor = nullptr;
    TBarView* view = nullptr;
    TBarItemViewer* viewer = nullptr;
    if (s.FindHotViewer(view, viewer)) {
        TWinControl* window = view->Window();
        TPoint p = window->ScreenToClient(LastPos);
        if ((view->Style().Contains(vsAlwaysShowHints) ||
             viewer->Item()->EffectiveOptions().Contains(tboShowHint)) &&
            !view->Capture()) {
            window->Update();
            Application->HintMouseMessage(window, TMessage{WM_MOUSEMOVE, 0, PointToLParam(p), 0});
        } else {
            Application->CancelHint();
        }
        p = {p.X - viewer->BoundsRect().Left, p.Y - viewer->BoundsRect().Top};
        viewer->GetCursorAt(p, cursor);
        SetCursor(cursor ? cursor : CursorShape(crArrow));
        viewer->HandleMouseMove(p.X, p.Y);
        return;
    }
    Application->CancelHint();
    SetCursor(CursorShape(crArrow));
}

void TBarModalHandler::UpdateHint(TLoopState& s)
{
    TBarView* view = s.root;
    while (view->OpenViewerView() && view->OpenViewerView()->Selected())
        view = view->OpenViewerView();
    Application->SetHint(view->Selected() ? GetLongHint(view->Selected()->Item()->Hint()) : std::string());
}

void TBarModalHandler::End(TLoopState& s)
{
    s.root->CancelCapture();
    s.root->FCaptureWnd = nullptr;
    Application->SetHint("");
    // Keys typed into the menu do not reach the window below it.
    DiscardMessages(WM_CHAR, WM_DEADCHAR);
    DiscardMessages(WM_SYSCHAR, WM_SYSDEADCHAR);
    DiscardMessages(WM_HELP, WM_HELP);
}
