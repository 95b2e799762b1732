#pragma once

// The keyboard and mouse state the input translation records for GetKeyState; for the layer's own sources.

void NoteKeyState(int virtualKey, bool down);
void NoteModifierState(bool shift, bool ctrl, bool alt);
void NoteMouseButtonState(bool left, bool right, bool middle);

// Whether the last key or button pressed was a key (the UI state's initialisation follows it).
bool LastInputFromKeyboard();
// The Alt key's key-down reached a window's default handling (no loop took it for itself).
void NoteAltDownDelivered();
// True once when the Alt key was just released with no other key or button pressed since it went down, and
// its key-down reached a window.
bool TakeAltTappedAlone();
// A window lost activation: an Alt pressed before (its release may come from another window) counts no more.
void ForgetAltPress();
