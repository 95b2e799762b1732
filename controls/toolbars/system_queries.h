#pragma once

#include "platform/gui/windows/messages.h"

#include <optional>
#include <string>

// What the menus ask of the desktop, with the answers a Linux desktop gives.

struct TNonClientMetrics;

// The delay before a submenu opens or closes under the pointer: the desktop's, else 400 ms.
int QueryMenuShowDelay();
// The delay for what the desktop answered (nullopt: no answer): 400 ms without an answer, never negative.
int MenuShowDelayFrom(std::optional<int> desktopAnswer);
// Flat menus: the highlight in the menu-highlight colour and a thin frame. Off on this desktop.
bool AreFlatMenusEnabled();
// Keyboard cues: accelerator underlines always show (the desktop's default here; tests switch it off).
bool AreKeyboardCuesEnabled();
// The integer answer of a desktop setting, defaultValue when the desktop keeps no such setting.
int QuerySystemParameter(unsigned action, int defaultValue);
bool GetNonClientMetrics(TNonClientMetrics& metrics);
bool ThreadHasActiveWindow();
// Whether the desktop plays a sound for the event ("MenuPopup", "MenuCommand"): it has no sound events here.
bool IsSoundEventSet(const std::string& eventName);
// Asks for the mouse-leave messages of a window: every window gets them here unasked.
bool CallTrackMouseEvent(HWND window, unsigned flags);
// The screen point of the message being handled (the pointer when it was made).
TPoint GetMessagePoint();
