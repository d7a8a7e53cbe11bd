#pragma once

#include <vector>

namespace fenlo {

// The value range of one axis and the values that get a tick and a label.
struct AxisScale
{
    double min = 0;
    double max = 1;
    double step = 0.2;
    std::vector<double> ticks;

    double span() const { return max - min; }
};

// A range that covers lo … hi, widened to whole steps of 1, 2 or 5 × 10^n so that at most
// maxTicks + 1 ticks fall on it. An empty or single-valued range is widened around its value.
AxisScale niceScale(double lo, double hi, int maxTicks);

// Moves the range by delta (the user dragged the axis) or sets a new maximum, and puts the
// ticks back on the same steps within it.
void shiftScale(AxisScale &scale, double delta);
void extendScale(AxisScale &scale, double newMax);

} // namespace fenlo
