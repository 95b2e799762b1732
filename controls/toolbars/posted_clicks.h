#pragma once

#include "platform/gui/windows/messages.h"

// The queue through which a command chosen in a menu runs once the menu has closed: each user-interface
// thread keeps a hidden window whose posted messages click the queued items (or select the queued viewers
// for accessibility clients) from the message loop, in the order queued. Items and viewers count themselves
// as users while they live; the window goes with the last of them and comes back with the next click.

class TObject;

constexpr uint32_t PostedClickMessage = WM_USER + 0x100;

// obj is an item (clicked) or a viewer (selected for accessibility, executing when wParam is not 0).
void QueuePostedClick(TObject* obj, WPARAM wParam);
// Entries of obj that are still queued do nothing when their turn comes.
void CancelPostedClicks(TObject* obj);
void AddQueueUser();
void RemoveQueueUser();
// The thread's hidden window; nullptr while there is none.
HWND PostedClickWindow();
