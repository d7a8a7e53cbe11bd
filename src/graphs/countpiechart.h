#pragma once

// The pie of the fuelings counted per row of a statistics list.

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace fenlo {

class ChartModel;
class PieSeries;

struct CountSlice
{
    QString name;
    int count = 0;
    QColor colour;
};

struct CountPieLook
{
    QString seriesName;
    QString pieValuesName;
    // The start colour lies at the bottom edge, the end colour at the top.
    QColor gradientStart;
    QColor gradientEnd;
    std::optional<QColor> markLineColour;
};

// Sets a chart up as a 3-D pie of counts and turns it.
class CountPieChart
{
public:
    CountPieChart(ChartModel &chart, const CountPieLook &look, std::vector<CountSlice> slices);

    // Shows the pie with every slice afresh.
    void fill();
    // Whole degrees from 0.
    void setRotationAngle(int degrees);

private:
    std::vector<CountSlice> slices_;
    PieSeries *pie_ = nullptr;
};

// A pie as a report gives it: its caption, its look and its slices.
struct CountPieContent
{
    QString caption;
    CountPieLook look;
    std::vector<CountSlice> slices;
};

} // namespace fenlo
