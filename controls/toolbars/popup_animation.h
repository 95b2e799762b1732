#pragma once

#include "controls/toolbars/item_types.h"

// The opening animation of popup menus, when the desktop asks for menu effects: the window fades in from
// a faint picture, or slides in from the side where it opened. The menu's modal loop drives it, a step per
// turn, at most one step per 10 ms; at most one window animates at a time. It ends with the whole picture
// when its time is up, the pointer moves onto the menu, the menu changes, hides or goes, or another starts.

class TCanvas;

constexpr uint32_t AnimationEndMessage = 0x0956;

// Shows wnd animated: faded in when blend is true, else slid in from direction. Raises when the window
// cannot be animated, after showing the window whole again.
void StartAnimation(HWND wnd, bool blend, TBarAnimationDirection direction);
void AnimationStep();
bool IsAnimating();
// Ends the animation of wnd (of any window for nullptr) with the whole picture.
void EndAnimation(HWND wnd);
void FinishAnimation();
// While wnd slides in, its paints show the picture captured at the start, where the animation has moved it
// to; areaOrigin is where canvas's (0, 0) lies in the window. True when it painted.
bool PaintAnimationFrame(HWND wnd, TCanvas& canvas, TPoint areaOrigin);
