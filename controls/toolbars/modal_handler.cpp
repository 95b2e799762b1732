#include "controls/toolbars/modal_handler.h"

#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/message_window.h"
#include "platform/gui/windows/window_functions.h"

TPoint TBarModalHandler::LastPos;

TBarModalHandler::TBarModalHandler(HWND existingWnd)
{
    LastPos = GetMessagePoint();
    if (existingWnd) {
        FWnd = existingWnd;
    } else {
        FWnd = AllocateHWnd([this](TMessage& message) { WndProc(message); });
        FCreatedWnd = true;
    }
    SetCapture(FWnd);
    SetCursor(CursorShape(crArrow));
    CallNotifyWinEvent(EVENT_SYSTEM_MENUSTART, FWnd, OBJID_CLIENT, CHILDID_SELF);
    FInited = true;
}

TBarModalHandler::~TBarModalHandler()
{
    if (!FWnd)
        return;
    if (GetCapture() == FWnd)
        ReleaseCapture();
    if (FInited)
        CallNotifyWinEvent(EVENT_SYSTEM_MENUEND, FWnd, OBJID_CLIENT, CHILDID_SELF);
    if (FCreatedWnd)
        DeallocateHWnd(FWnd);
}

void TBarModalHandler::WndProc(TMessage& message)
{
    if (message.Msg == WM_CANCELMODE && RootPopup)
        GuardedCall(RootPopup, [this] { RootPopup->View()->CancelMode(); });
}
