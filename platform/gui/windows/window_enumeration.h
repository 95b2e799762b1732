#pragma once

#include "platform/gui/windows/messages.h"

#include <cstdint>
#include <functional>

// Walking the program's windows. A walk calls proc with each window and the caller's data until proc answers
// false; windows made or destroyed meanwhile do not count. Every window belongs to the thread the toolkit
// runs on.

using WNDENUMPROC = std::function<bool(HWND window, LPARAM data)>;

// Every top-level window (one whose control has no parent), shown or hidden, popups too, in the order they
// were made. False when proc stopped the walk.
bool EnumWindows(const WNDENUMPROC& proc, LPARAM data);
// The top-level windows of a thread, as EnumWindows. False when proc stopped the walk or the thread has none.
bool EnumThreadWindows(uint32_t threadId, const WNDENUMPROC& proc, LPARAM data);
// Every window below parent, depth first: a window, then its own children; siblings in the order of their
// parent's Controls. False when proc stopped the walk.
bool EnumChildWindows(HWND parent, const WNDENUMPROC& proc, LPARAM data);

// A number for the calling thread, the same for the thread's whole life.
uint32_t GetCurrentThreadId();
// The thread that made window (the toolkit's); 0 for no window. processId, when not nullptr, gets the
// program's process id (0 for no window).
uint32_t GetWindowThreadProcessId(HWND window, uint32_t* processId);
