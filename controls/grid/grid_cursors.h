#pragma once

#include "platform/gui/windows/cursors.h"

#include <string>

// The grid's own cursors (program resources of the same names), registered in the screen's cursor table
// under these numbers.
constexpr TCursor crReversedArrow =
    1000;                             // "REVERSEDARROW": an arrow pointing right, over an editor's left end
constexpr TCursor crHorzSplit = 3000; // "HORZSPLIT": over a column's size grip
constexpr TCursor crColumnNoDrag = 3001;    // "COLUMNNODRAG": a dragged column cannot be dropped here
constexpr TCursor crVertSplit = 3003;       // "VERTSPLIT": over a row's size grip in the indicator
constexpr TCursor crIndicatorSelect = 3006; // "INDICATORSELECT": over the indicator column's rows
constexpr TCursor crRoll = 4003;            // "ROLL": roll scrolling, the pointer near the start point
constexpr TCursor crRollUp = 4004;          // "ROLLUP": roll scrolling upwards
constexpr TCursor crRollDown = 4005;        // "ROLLDOWN": roll scrolling downwards

// Loads the cursor resource into the screen's cursor table under number (once per program).
void RegisterGridCursor(TCursor number, const std::string& name);
