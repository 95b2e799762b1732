#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// The window messages the memo answers itself: the keys it wants from a dialog, focus in and out with the
// caret, the pointer's shape, the double click, dropped files, the clipboard messages and the selection
// query.

void TVezCustomMemo::WndProc(TMessage& message)
{
    if (ComponentState().Contains(csDestroying) || !OwnMessage(message)) {
        TCustomControl::WndProc(message);
        if (!ComponentState().Contains(csDestroying))
            AfterMessage(message);
    }
}

// The messages that the memo handles in place of the control's own handling; false for the others.
bool TVezCustomMemo::OwnMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        // Arrows and characters always; Tab unless Ctrl is held, so that Ctrl+Tab still leaves the memo.
        message.Result =
            DLGC_WANTARROWS | DLGC_WANTCHARS | (FWantTab && GetKeyState(VK_CONTROL) >= 0 ? DLGC_WANTTAB : 0);
        return true;
    case CM_WANTSPECIALKEY:
        // Enter is the memo's, not a default button's.
        if (TKeyView(message).Key() != VK_RETURN)
            return false;
        message.Result = 1;
        return true;
    case WM_SYSCHAR:
        // Alt+Backspace undoes on its key-down; its character goes nowhere.
        if (TCharView(message).Char() != U'\b')
            return false;
        message.Result = 0;
        return true;
    case WM_ERASEBKGND:
        message.Result = 1; // painting covers everything
        return true;
    case WM_SETCURSOR:
        return WMSetCursor(message);
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(message);
        return true;
    case WM_CONTEXTMENU:
        return WMContextMenu(message);
    case WM_DROPFILES:
        WMDropFiles(message);
        return true;
    case WM_KILLFOCUS:
        WMKillFocus(message);
        return true;
    default:
        return false;
    }
}

void TVezCustomMemo::AfterMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        WMSetFocus();
        break;
    case WM_WINDOWPOSCHANGED:
        HideParameterHint();
        break;
    case CM_HINTSHOW:
        CMHintShow(message);
        break;
    case WM_SHOWPARAMETERHINT:
        ShowParameterHint();
        break;
    case WM_SETTLEVIEW:
        SettleView();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        CompletionDeactivate(); // a click in the text ends the choice, as a click outside a list does
        break;
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
        if (FAutoThemeAdapt)
            AdaptGutterToTheme();
        break;
    case WM_COPY:
        DoClipboardCopy();
        break;
    case WM_CUT:
        DoClipboardCut();
        break;
    case WM_PASTE:
        DoClipboardPaste();
        break;
    case EM_GETSEL:
        if (auto* start = reinterpret_cast<int*>(message.WParam))
            *start = SelStart();
        if (auto* end = reinterpret_cast<int*>(message.LParam))
            *end = SelStart() + SelLength();
        break;
    case CM_STYLECHANGED:
        UpdateStyleColors(true);
        break;
    }
}

bool TVezCustomMemo::WMSetCursor(TMessage& message)
{
    if (TSetCursorView(message).HitTest != HTCLIENT)
        return false;
    TPoint pos;
    GetCursorPos(pos);
    pos = ScreenToClient(pos);
    const TRect text = GetTextAreaRect();
    const bool inText =
        text.Left <= pos.X && pos.X <= text.Right && text.Top <= pos.Y && pos.Y <= text.Bottom;
    ::SetCursor(CursorShape(inText ? Cursor() : crArrow));
    message.Result = 1;
    return true;
}

// The caret exists while the memo has the focus.
void TVezCustomMemo::WMSetFocus()
{
    if (FCellSize.H == 0)
        SetFont(FFont.get());
    CreateCaret(Handle(), 2, FCellSize.H - 2);
    FCaretX = FCaretY = 65535; // the next placement always moves it
    UpdateCaret(true);
    FCaretTime = GetCaretBlinkTime();
    SetCaretBlinkTime(FCaretTime);
    if (!FHiddenCaret)
        UpdateCaret(true);
    Repaint();
}

void TVezCustomMemo::WMKillFocus(TMessage& message)
{
    HideParameterHint();
    CompletionDeactivate();
    const HWND to = TFocusView(message).OtherWindow;
    const bool toOwnBar = to && ((sbVert->HandleAllocated() && to == sbVert->Handle()) ||
                                 (sbHorz->HandleAllocated() && to == sbHorz->Handle()));
    if (toOwnBar) {
        TCustomControl::WndProc(message);
        return;
    }
    SetCaretBlinkTime(FCaretTime);
    DestroyCaret();
    FCaretVisible = false;
    TCustomControl::WndProc(message);
    Repaint();
}

// Files dropped from the file manager: each is offered to OnFileDrop, and the last one it leaves to the
// memo is loaded. A file that cannot be read is reported, and the text stays as it was.
void TVezCustomMemo::WMDropFiles(TMessage& message)
{
    const auto drop = reinterpret_cast<HDROP>(message.WParam);
    const unsigned count = DragQueryFile(drop, DragQueryFileCount, nullptr, 0);
    std::string accepted;
    for (unsigned i = 0; i < count; ++i) {
        const std::string name = DragQueryFileName(drop, i);
        bool defaultHandler = true;
        if (OnFileDrop)
            OnFileDrop(this, name, defaultHandler);
        if (defaultHandler)
            accepted = name;
    }
    DragFinish(drop);
    if (!accepted.empty())
        GuardedCall(this, [&] { Lines()->LoadFromFile(accepted); });
}
