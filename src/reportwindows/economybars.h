#pragma once

// The bar graph of a statistics list: the highest, lowest and average economy of every row.

#include "reportwindows/graphwindow.h"

#include <QColor>

#include <span>
#include <vector>

class QCheckBox;

namespace fenlo {

class HorizontalBarSeries;

// One row of a statistics list as its bar graph draws it.
struct EconomyBar
{
    QString name;
    double highest = 0;
    double lowest = 0;
    double average = 0;
};

// Which of the three bars a graph opens with.
enum class EconomyFigure { Highest, Lowest, Average };

// The highest, lowest and average economy of each list row as horizontal bars, the list's first
// row at the top; a check box per figure shows or hides its bars.
class EconomyBarsGraph : public GraphWindow
{
    Q_OBJECT

public:
    struct Look
    {
        Frame frame;
        QColor gradientLeft; // blends to white at the right edge
        bool hintOnGroup;    // else the hint sits on the first check box only
        int closeButtonLeft;
    };

    EconomyBarsGraph(QWidget *caller, const Look &look, std::vector<EconomyBar> rows,
                     EconomyFigure initial);

public Q_SLOTS:
    void updateSeries();

protected:
    void populate() override;

private:
    void setUpChart(const Look &look);
    QWidget *buildCheckBoxes(QWidget *panel, const Look &look);
    void setInitialBoxes();

    std::vector<EconomyBar> rows_;
    EconomyFigure initial_;
    HorizontalBarSeries *highestSeries_ = nullptr; // 最高
    HorizontalBarSeries *lowestSeries_ = nullptr;  // 最低
    HorizontalBarSeries *averageSeries_ = nullptr; // 平均
    QCheckBox *highestBox_ = nullptr;
    QCheckBox *lowestBox_ = nullptr;
    QCheckBox *averageBox_ = nullptr;
};

} // namespace fenlo
