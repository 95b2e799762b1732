#pragma once

// Keys for the text-control tests, written the way a reader says them: "Left", "S-Home" (Shift), "C-Right"
// (Ctrl), "CS-Left", "A-Down" (Alt), "C-v", and "=text" for text typed as it is.

#include "platform/gui/windows/win_control.h"

#include <string>
#include <vector>

void Press(TWinControl* control, const std::string& key);
void PressAll(TWinControl* control, const std::vector<std::string>& keys);
