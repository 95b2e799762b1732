#pragma once

#include "platform/gui/windows/messages.h"

#include <cstdint>
#include <functional>

// The message queue of the program and the functions a message loop of its own is written with.
//
// How input reaches the windows: the window system's mouse and key events become window messages in
// window_widget.cpp. Normally each is delivered at once, as the application's loop would deliver it after
// taking it from the queue (hooks, the application's message handling, the reflected notification, the
// window procedure; a key-down that gets through is followed by its characters). While a loop of our own
// waits in GetMessage, PeekMessage, WaitMessage or MsgWaitForMultipleObjects, input is not delivered:
// it is queued, behind the messages posted before it, and the loop takes it like any posted message.
// A loop thus sees every press, key and timer tick and decides what reaches the windows; what it leaves
// in the queue reaches its window from the application's loop after the loop ended, in order.
// A key-down taken from the queue carries no characters: TranslateMessage queues them (WM_CHAR, or
// WM_SYSCHAR with Alt) first in the queue, as the keyboard typed them. Painting and sent messages are
// never queued; they happen while a loop waits, as on the classic platform.

constexpr unsigned PM_NOREMOVE = 0x0000;
constexpr unsigned PM_REMOVE = 0x0001;
constexpr unsigned PM_NOYIELD = 0x0002;

// Queues the message; it is delivered from the message loop (Application.ProcessMessages, Run, a modal
// loop) in the order posted. A window that is destroyed before then never receives it; a null window's
// messages go to the application's message handling (Application.OnMessage) only.
bool PostMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Takes the first queued message for window (any window when nullptr) within [first, last] (all when both
// are 0; WM_QUIT matches any range); removes it with PM_REMOVE. Events that arrived from the window system
// are queued first. False when there is none.
bool PeekMessage(TMsg& msg, HWND window, uint32_t first, uint32_t last, unsigned flags);
// Waits, keeping the windows alive, until a message as PeekMessage selects it is queued and removes it.
// Answers 0 for WM_QUIT (removed too), -1 when window is given but is no window, else 1.
int GetMessage(TMsg& msg, HWND window, uint32_t first, uint32_t last);
// Waits until a message is queued that arrived after the call began.
void WaitMessage();
constexpr uint32_t WAIT_OBJECT_0 = 0;
constexpr uint32_t WAIT_TIMEOUT = 0x102;
constexpr uint32_t WAIT_FAILED = 0xFFFFFFFF;
constexpr uint32_t INFINITE = 0xFFFFFFFF;
constexpr uint32_t QS_ALLINPUT = 0x04FF;
// WaitMessage with a time limit in milliseconds (INFINITE for none): WAIT_OBJECT_0 + count when a message
// came, WAIT_TIMEOUT when the time ran out. Only the message queue can be waited for: count must be 0
// (WAIT_FAILED otherwise).
uint32_t MsgWaitForMultipleObjects(uint32_t count, const void* handles, bool waitAll, uint32_t milliseconds,
                                   uint32_t wakeMask);
// For a key-down taken from the queue (WM_KEYDOWN, WM_SYSKEYDOWN) queues its characters first in the queue
// (the text the keyboard typed; for a key-down posted by the program, the character of the virtual key
// with the Shift and Ctrl state). True when the message is a key-down.
bool TranslateMessage(const TMsg& msg);
// Delivers a message taken from the queue as the application's loop does (hooks, the application's
// message handling, the reflected notification, the window procedure); the window procedure's answer.
LRESULT DispatchMessage(const TMsg& msg);
// The screen position of the pointer when the last message taken from the queue or delivered was made:
// x in the low word, y in the high word (each signed 16 bits).
uint32_t GetMessagePos();
