#include "chart/chartmodel.h"

namespace fenlo {

std::vector<const ChartSeries *> ChartModel::activeSeries() const
{
    std::vector<const ChartSeries *> active;
    for (const auto &s : series_) {
        if (s->isActive())
            active.push_back(s.get());
    }
    return active;
}

} // namespace fenlo
