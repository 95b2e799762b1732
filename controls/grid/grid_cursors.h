#pragma once

#include "platform/gui/windows/cursors.h"

#include <string>

// The grid's own cursors, registered in the screen's cursor table under these numbers.
constexpr TCursor crReversedArrow = 1000; // an arrow pointing right, over the left end of an editor
constexpr TCursor crRoll = 4003;          // roll scrolling, the pointer near the start point
constexpr TCursor crRollUp = 4004;        // roll scrolling upwards
constexpr TCursor crRollDown = 4005;      // roll scrolling downwards

// The cursor resource of the program named "REVERSEDARROW", "ROLL", "ROLLUP" or "ROLLDOWN".
// layer: program resources (GUI layer, part 4); until then the grid draws its cursors itself.
HCURSOR LoadGridCursor(const std::string& name);
// Loads the named cursor into the screen's cursor table under number.
void RegisterGridCursor(TCursor number, const std::string& name);
