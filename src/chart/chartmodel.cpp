#include "chart/chartmodel.h"

namespace fenlo {

std::vector<const TChartSeries *> ChartModel::activeSeries() const
{
    std::vector<const TChartSeries *> active;
    for (const auto &s : series_) {
        if (s->Active())
            active.push_back(s.get());
    }
    return active;
}

} // namespace fenlo
