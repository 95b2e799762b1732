#pragma once

#include "platform/gui/windows/messages.h"

// The caret: one blinking bar for the whole program, owned by one window at a time. A new caret starts
// hidden; HideCaret and ShowCaret nest (the caret shows when every hide has been undone). It is drawn over
// the owner's client area after the window painted, inverting the pixels beneath, and blinks at the blink
// time. Positions are in the owner's client coordinates.

bool CreateCaret(HWND window, int width, int height);
bool DestroyCaret();
bool SetCaretPos(int x, int y);
bool GetCaretPos(TPoint& point);
// window nullptr means the caret's owner, whichever it is.
bool ShowCaret(HWND window);
bool HideCaret(HWND window);
unsigned GetCaretBlinkTime();
// Sets the blink time and starts the blink phase again (shown).
bool SetCaretBlinkTime(unsigned milliseconds);

// For the layer's own painting: draws the caret of window on canvas (the client area) when it is shown
// and in the visible phase of its blink.
void PaintCaret(HWND window, TCanvas& canvas);
// True while window owns a caret that is shown (hidden count zero), whatever the blink phase.
bool CaretShowing(HWND window);
// The caret's rectangle in window's client coordinates; false when window owns no caret. The input method
// hears whenever it moves in the focused window.
bool GetCaretRect(HWND window, TRect& rect);
