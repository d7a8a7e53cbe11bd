#pragma once

// The bar chart of a statistics list: the highest, lowest and average economy of every row.

#include <QColor>
#include <QString>

#include <vector>

namespace fenlo {

class ChartModel;
class HorizontalBarSeries;

// One row of a statistics list as its bar chart draws it.
struct EconomyBar
{
    QString name;
    double highest = 0;
    double lowest = 0;
    double average = 0;
};

// Which of the three bars a chart opens with.
enum class EconomyFigure { Highest, Lowest, Average };

// Sets a chart up as the horizontal economy bars of a list, the list's first row at the top, and
// shows or hides each of the three figures.
class EconomyBarsChart
{
public:
    // `gradientLeft` blends to white at the right edge.
    EconomyBarsChart(ChartModel &chart, const QColor &gradientLeft, std::vector<EconomyBar> rows);

    // Puts every row's three bars in the chart afresh.
    void fill();
    void showFigures(bool highest, bool lowest, bool average);
    void showOnly(EconomyFigure figure);

private:
    std::vector<EconomyBar> rows_;
    HorizontalBarSeries *highestSeries_ = nullptr; // 最高
    HorizontalBarSeries *lowestSeries_ = nullptr;  // 最低
    HorizontalBarSeries *averageSeries_ = nullptr; // 平均
};

// A bar graph as a report gives it: its caption, its colour, its rows and the figure it opens on.
struct EconomyBarsContent
{
    QString caption;
    QColor gradientLeft;
    std::vector<EconomyBar> rows;
    EconomyFigure initial;
};

} // namespace fenlo
