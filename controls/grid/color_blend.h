#pragma once

#include "platform/gui/core/exceptions.h"
#include "support/basic_types.h"

// Colour mixing of the painting code. A system colour is resolved to its current value before any
// arithmetic.

// Per channel (c1 * amount + c2 * (255 - amount)) / 256, rounded down: amount 255 gives color1 with every
// channel at most 1 lower, 0 gives color2 likewise. Raises EAssertionFailed outside 0..255.
TColor BlendColor(TColor color1, TColor color2, int amount);
// Per channel Round(ratio * c2 + (1 - ratio) * c1), halves to even: here the ratio weights color2.
TColor BlendColor(TColor color1, TColor color2, double ratio);
// The integer BlendColor with weight1 weighting c1.
TColor MixColors(TColor c1, TColor c2, int weight1);
