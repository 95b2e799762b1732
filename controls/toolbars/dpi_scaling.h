#pragma once

#include <optional>

// Every pixel size of the toolbars and menus is given for 96 dots per inch and scaled to the screen's.

// n scaled from 96 dots per inch to the screen's, rounded as MulDiv rounds.
int ScaleForDPI(int n);

// The dots per inch that sizes scale to: the screen's, unless another value is put in place (a test that
// lays menus out for a denser screen); nullopt goes back to the screen's.
int ScalingPixelsPerInch();
void SetScalingPixelsPerInch(std::optional<int> pixelsPerInch);
