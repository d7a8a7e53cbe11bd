#include "chart/axisscale.h"

#include <algorithm>
#include <cmath>

namespace fenlo {

namespace {

double niceStep(double span, int maxTicks)
{
    const double raw = span / std::max(1, maxTicks);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw * (1 - 1e-9))
            return factor * magnitude;
    }
    return 10 * magnitude;
}

void placeTicks(AxisScale &scale)
{
    scale.ticks.clear();
    const double eps = scale.step * 1e-6;
    // Ticks are whole multiples of the step so that labels print without binary noise.
    for (double n = std::ceil((scale.min - eps) / scale.step); n * scale.step <= scale.max + eps;
         ++n) {
        const double tick = n * scale.step;
        scale.ticks.push_back(std::abs(tick) < eps ? 0.0 : tick);
    }
}

} // namespace

AxisScale niceScale(double lo, double hi, int maxTicks)
{
    if (lo > hi)
        std::swap(lo, hi);
    if (hi - lo < 1e-12 * std::max(1.0, std::abs(hi))) {
        const double pad = lo == 0 ? 1.0 : std::abs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    }
    AxisScale scale;
    scale.step = niceStep(hi - lo, maxTicks);
    scale.min = std::floor(lo / scale.step + 1e-9) * scale.step;
    scale.max = std::ceil(hi / scale.step - 1e-9) * scale.step;
    placeTicks(scale);
    return scale;
}

void shiftScale(AxisScale &scale, double delta)
{
    scale.min += delta;
    scale.max += delta;
    placeTicks(scale);
}

void extendScale(AxisScale &scale, double newMax)
{
    scale.max = newMax;
    placeTicks(scale);
}

} // namespace fenlo
