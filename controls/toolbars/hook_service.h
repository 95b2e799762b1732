#pragma once

#include "platform/gui/core/set_of.h"
#include "platform/gui/windows/messages.h"

// Window hooks shared by the menus, toolbars and docks: each thread installs at most one hook of each kind
// it needs, whatever the number of objects that want to see the messages, and calls each registered
// procedure only for the events it asked for. A hook goes in with the first registration that needs it and
// out with the last one. Registering the same procedure for the same user twice counts once.

enum THookProcCode
{
    hpSendActivate,         // WM_ACTIVATE sent to a window
    hpSendActivateApp,      // WM_ACTIVATEAPP sent to a window
    hpSendWindowPosChanged, // WM_WINDOWPOSCHANGED sent to a window (lParam its TWindowPos*)
    hpPreDestroy,           // a window is about to be destroyed (wnd)
    hpGetMessage            // a message taken from the queue (wParam the PM_REMOVE flag, lParam its TMsg*)
};
using THookProcCodes = TSet<THookProcCode>;

enum THookType
{
    htCallWndProc,
    htCBT,
    htGetMessage
};
using THookTypes = TSet<THookType>;

using THookProc = void (*)(THookProcCode code, HWND wnd, WPARAM wParam, LPARAM lParam);

// The procedure sees the events of codes on behalf of user; the codes of a procedure are those of its first
// registration.
void RegisterHookProc(const void* user, THookProc proc, THookProcCodes codes);
// Nothing happens for a pair that is not registered. May be called from inside a procedure while it runs.
void UnregisterHookProc(const void* user, THookProc proc);
// Takes out every hook of the calling thread, whatever the registrations (the end of the program's use of
// them); registrations stay and install their hooks again when the next one comes.
void UninstallThreadHooks();

// What the calling thread has: whether the hook of a type is in, and how many registrations need it.
bool HookInstalled(THookType type);
int HookUserCount(THookType type);
// Whether the thread keeps any hook record or registration list at all.
bool HookStateAllocated();
