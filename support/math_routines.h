#pragma once

#include <cstdint>

// The nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); every conversion of a
// floating value to an integer goes through it. NaN gives 0; values beyond the 64-bit range are clamped.
int64_t RoundHalfEven(double value);

// min <= value <= max.
bool IsInRange(int32_t value, int32_t min, int32_t max);

// value * percent / 100, rounded half to even and limited to the 32-bit range.
int32_t PercentOfValue(int32_t value, double percent);

// part * 100 / total; 0 when total is 0.
double PercentOf(double part, double total);

// The multiple of step nearest to value (ties to the even quotient); 0 when step is 0.
int32_t RoundToMultiple(int32_t value, int32_t step);

double DegreesToRadians(double degrees);
