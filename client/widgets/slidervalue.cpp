// The position a slider takes for a stored number.
#include "widgets/slidervalue.h"

int clampedSliderValue(float value, int minimum, int maximum)
{
    if (!(value > float(minimum)))
        return minimum;
    if (value >= float(maximum))
        return maximum;
    return int(value);
}
