// The position a slider takes for a stored number.
#pragma once

// value truncated to a whole number within [minimum, maximum]. A stored number may lie far
// outside an int (a hand-edited 1e10, or 1e39 read as infinity); converting it unclamped is
// undefined. NaN gives minimum.
int clampedSliderValue(float value, int minimum, int maximum);
