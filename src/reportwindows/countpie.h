#pragma once

#include "graphs/countpiechart.h"
#include "reportwindows/graphwindow.h"

#include <QTimer>

class QCheckBox;
class QSlider;

namespace fenlo {

// The fuelings counted per list row as a 3-D pie that the user can set turning at one of five
// speeds.
class CountPieGraph : public GraphWindow
{
    Q_OBJECT

public:
    struct Look
    {
        Frame frame;
        QPoint closeButtonAt;
        int trackBarTop;
    };

    CountPieGraph(QWidget *caller, const Look &look, CountPieContent content);

    // The angle the pie has turned through, in degrees.
    int turningAngle() const { return angle_; }

public Q_SLOTS:
    void turningToggled();
    void speedChanged();
    void turn();

protected:
    void populate() override;
    // However the window closes, the pie stops turning first.
    void done(int result) override;

private:
    void setTimerInterval(int milliseconds);

    CountPieChart pie_;
    QCheckBox *turningBox_;
    QSlider *speedSlider_;
    QTimer *turnTimer_;
    int angle_ = 0;
};

} // namespace fenlo
