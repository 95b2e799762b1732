#pragma once

#include "platform/gui/forms/hints.h"

#include <string>

class TControl;

// The hint window calls of the grid, and whether a control's form is the active one.

// Shows text over rect when the window exists.
void ShowHintText(THintWindow* hintWindow, const TRect& rect, const std::string& text);
TRect CalcHintTextRect(THintWindow& hintWindow, int maxWidth, const std::string& text);
// Hides the window (releases its handle) when it exists.
void ReleaseHintWindow(THintWindow* hintWindow);
// True when the control's topmost parent form exists and is the active form.
bool IsParentFormActive(const TControl* control);
