#include "controls/toolbars/message_helpers.h"

#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

void DiscardMessages(uint32_t first, uint32_t last)
{
    TMsg msg;
    while (PeekMessage(msg, nullptr, first, last, PM_REMOVE | PM_NOYIELD)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
    }
}

void DispatchPendingPaints()
{
    // Paints are never queued here: each window paints what waits for a paint.
    EnumWindows(
        [](HWND window, LPARAM) {
            UpdateWindow(window);
            EnumChildWindows(
                window,
                [](HWND child, LPARAM) {
                    UpdateWindow(child);
                    return true;
                },
                0);
            return true;
        },
        0);
}

void RepaintWithoutFlicker(HWND window)
{
    TRect client;
    if (IsWindowVisible(window) && GetClientRect(window, client) && client.Right > 0 && client.Bottom > 0)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    else
        InvalidateRect(window, nullptr, true);
}

bool RunPressLoop(HWND wnd, const std::function<bool(const TMsg& msg, bool& cancel)>& onMessage)
{
    TMsg msg;
    while (GetCapture() == wnd) {
        const int got = GetMessage(msg, nullptr, 0, 0);
        if (got == -1)
            return false;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        const uint32_t m = msg.message;
        if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK)
            return false;
        if (m == WM_LBUTTONUP)
            return true;
        if (m >= WM_RBUTTONDOWN && m <= WM_MBUTTONDBLCLK)
            continue;
        bool cancel = false;
        const bool taken = onMessage(msg, cancel);
        if (cancel)
            return false;
        if (!taken) {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
    }
    return false;
}
