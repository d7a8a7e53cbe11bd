#pragma once

// The bar graph of a statistics list: the highest, lowest and average economy of every row.

#include "graphs/economybarschart.h"
#include "reportwindows/graphwindow.h"

class QCheckBox;

namespace fenlo {

// The highest, lowest and average economy of each list row as horizontal bars, the list's first
// row at the top; a check box per figure shows or hides its bars.
class EconomyBarsGraph : public GraphWindow
{
    Q_OBJECT

public:
    struct Look
    {
        Frame frame;
        bool hintOnGroup; // else the hint sits on the first check box only
        int closeButtonLeft;
    };

    EconomyBarsGraph(QWidget *caller, const Look &look, EconomyBarsContent content);

public Q_SLOTS:
    void updateSeries();

protected:
    void populate() override;

private:
    QWidget *buildCheckBoxes(QWidget *panel, const Look &look);
    void setInitialBoxes();

    EconomyBarsChart bars_;
    EconomyFigure initial_;
    QCheckBox *highestBox_ = nullptr;
    QCheckBox *lowestBox_ = nullptr;
    QCheckBox *averageBox_ = nullptr;
};

} // namespace fenlo
