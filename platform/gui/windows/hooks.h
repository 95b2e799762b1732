#pragma once

#include "platform/gui/windows/messages.h"

#include <functional>

// Hooks: procedures that see the messages of every window of the program before the windows do. The
// newest hook of a kind runs first and hands on to the older ones through CallNextHookEx; a keyboard or
// mouse hook answering non-zero throws the message away.
//   WH_KEYBOARD     key-down and key-up messages: wParam the virtual key, lParam the key data;
//   WH_MOUSE        mouse messages: wParam the message, lParam a TMouseHookStruct*;
//   WH_GETMESSAGE   every message the loop takes (input and posted): lParam a TMsg* it may change;
//   WH_CALLWNDPROC  every message sent to a window: lParam a TCWPStruct*;
//   WH_CBT          HCBT_DESTROYWND with wParam the window being destroyed.

constexpr int WH_KEYBOARD = 2;
constexpr int WH_GETMESSAGE = 3;
constexpr int WH_CALLWNDPROC = 4;
constexpr int WH_CBT = 5;
constexpr int WH_MOUSE = 7;

constexpr int HC_ACTION = 0;
constexpr int HCBT_DESTROYWND = 4;

struct TCWPStruct
{
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    uint32_t message = 0;
    HWND hwnd = nullptr;
};

struct TMouseHookStruct
{
    TPoint pt;
    HWND hwnd = nullptr;
    int wHitTestCode = 0;
};

using HOOKPROC = std::function<LRESULT(int code, WPARAM wParam, LPARAM lParam)>;
struct THookEntry;
using HHOOK = THookEntry*;

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc);
bool UnhookWindowsHookEx(HHOOK hook);
// Runs the hooks of the same kind installed before hook; 0 when there are none.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
// Runs the hooks of a kind from the newest; 0 when there are none. For the layer's message delivery.
LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam);
