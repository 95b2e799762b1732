#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/menu_font.h"
#include "controls/toolbars/toolbar.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_beep.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// A toolbar's keys (a menu bar's Alt, F10 and Alt+letter; Alt+letter on other toolbars; shortcuts) and the
// rest of its messages.

namespace {

// The message a desktop settings change carries when the non-client metrics (the menu font) changed.
constexpr WPARAM NonClientMetricsChanged = SPI_GETNONCLIENTMETRICS + 1;

} // namespace

bool TBarCustomToolbar::KeyboardOpen(char32_t key, bool requirePrimaryAccel)
{
    if (FView->State().Contains(vsModal))
        return false;
    FView->UpdateAccelUnderlines(true);
    TBarItemViewer* viewer = nullptr;
    bool isOnly = false;
    if (key == U'\0')
        viewer = FView->FirstSelectable();
    else
        viewer = FView->NextSelectableWithAccel(nullptr, key, requirePrimaryAccel, isOnly);
    if (!viewer)
        return false;
    // The underlines shown for the key go once the loop has ended, whatever became of it.
    auto hideAccels = [this] { FView->UpdateAccelUnderlines(false); };
    try {
        bool opened = true;
        if (key == U'\0') {
            FView->SetSelected(viewer);
            FView->EnterToolbarLoop({});
        } else if (!viewer->Item()->Enabled()) {
            opened = false;
        } else if (isOnly) {
            FView->SetSelected(viewer);
            FView->EnterToolbarLoop(tbetExecuteSelected);
        } else if (FMenuBar) {
            FView->SetSelected(viewer);
            FView->EnterToolbarLoop({});
        } else {
            opened = false;
        }
        hideAccels();
        return opened;
    } catch (...) {
        hideAccels();
        throw;
    }
}

bool TBarCustomToolbar::IsShortCut(TMessage& message)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(message, handled);
    return handled || FItem->IsShortCut(message);
}

void TBarCustomToolbar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_COLORCHANGED:
        FView->SetBackgroundColor(Color());
        break;
    case CM_FONTCHANGED:
        TBarCustomDockableWindow::Dispatch(message);
        if (!FSystemFont)
            Arrange();
        return;
    case CM_MOUSELEAVE:
        ClearHotItem();
        break;
    case CM_SHOWHINTCHANGED: {
        TBarCustomDockableWindow::Dispatch(message);
        TBarViewStyle style = FView->Style();
        if (ShowHint())
            style.Include(vsAlwaysShowHints);
        else
            style.Exclude(vsAlwaysShowHints);
        FView->SetStyle(style);
        return;
    }
    case CM_WININICHANGE:
        TBarCustomDockableWindow::Dispatch(message);
        if (message.WParam == NonClientMetricsChanged) {
            RecreateFrameworkMenuFont();
            Arrange();
        }
        return;
    case CM_CONTROLLISTCHANGE:
        CMControlListChange(message);
        return;
    case CM_CONTROLCHANGE:
        CMControlChange(message);
        return;
    case CM_HINTSHOW:
        FView->HandleHintShowMessage(message);
        return;
    case CM_DIALOGKEY:
        CMDialogKey(message);
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(message);
        return;
    case WM_GETOBJECT:
        if (FView->HandleGetObject(message))
            return;
        break;
    case WM_SETCURSOR:
        WMSetCursor(message);
        return;
    case WM_SYSCOMMAND:
        WMSysCommand(message);
        return;
    case WM_CANCELMODE:
        TBarCustomDockableWindow::Dispatch(message);
        if (FView->State().Contains(vsModal))
            FView->CancelMode();
        return;
    case WM_MOUSELEAVE:
        if (!FIgnoreMouseLeave)
            ClearHotItem();
        break;
    case WM_NCMOUSEMOVE:
        SetHint("");
        ClearHotItem();
        break;
    }
    TBarCustomDockableWindow::Dispatch(message);
}

void TBarCustomToolbar::CMDialogKey(TMessage& message)
{
    if (FMenuBar && TKeyView(message).Key() == VK_MENU && CanFocus())
        FView->UpdateAccelUnderlines(true);
    TBarCustomDockableWindow::Dispatch(message);
}

void TBarCustomToolbar::CMDialogChar(TMessage& message)
{
    const char32_t ch = TCharView(message).Char();
    if (!FMenuBar && ch != U'\0' && CanFocus() && KeyboardOpen(ch, true)) {
        message.Result = 1;
        return;
    }
    TBarCustomDockableWindow::Dispatch(message);
}

void TBarCustomToolbar::WMSysCommand(TMessage& message)
{
    message.Result = 0;
    if (!FMenuBar || !CanFocus() || (message.WParam & 0xFFF0) != SC_KEYMENU || message.LParam == ' ' ||
        GetCapture())
        return;
    const auto key = static_cast<char32_t>(message.LParam);
    if (KeyboardOpen(key, false)) {
        message.Result = 1;
        return;
    }
    // "-" is the document window's system menu: the platform goes on with it.
    if (key == U'-')
        return;
    MessageBeep(0);
    message.Result = 1;
}

void TBarCustomToolbar::CMControlListChange(TMessage& message)
{
    TBarCustomDockableWindow::Dispatch(message);
    // A freed toolbar's controls leave it after its items went.
    if (message.LParam != 0 || !FItem)
        return;
    auto* control = reinterpret_cast<TControl*>(message.WParam);
    for (int i = FItem->Count() - 1; i >= 0; --i)
        if (auto* item = dynamic_cast<TBarControlItem*>(FItem->Items(i));
            item && item->Control() == control) {
            item->FDontFreeControl = true;
            item->Free();
        }
}

void TBarCustomToolbar::CMControlChange(TMessage& message)
{
    TBarCustomDockableWindow::Dispatch(message);
    auto* control = reinterpret_cast<TControl*>(message.WParam);
    if (message.LParam != 0 && !ComponentState().Contains(csLoading) && !FindWrapper(control))
        CreateWrapper(FItem->Count(), control);
}

void TBarCustomToolbar::WMSetCursor(TMessage& message)
{
    const TSetCursorView view(message);
    if (view.Window == Handle() && view.HitTest == HTCLIENT) {
        TPoint p;
        GetCursorPos(p);
        p = ScreenToClient(p);
        if (TBarItemViewer* viewer = FView->ViewerFromPoint(p)) {
            HCURSOR cursor = nullptr;
            viewer->GetCursorAt({p.X - viewer->BoundsRect().Left, p.Y - viewer->BoundsRect().Top}, cursor);
            if (cursor) {
                ::SetCursor(cursor);
                message.Result = 1;
                return;
            }
        }
    }
    TBarCustomDockableWindow::Dispatch(message);
}

void SysCharHookProc(THookProcCode, HWND, WPARAM, LPARAM)
{
    // A system character goes to the main form only from a frame of documents, which forms here never have.
}
