#pragma once

#include "reportwindows/graphwindow.h"

#include <QColor>
#include <QTimer>

#include <optional>
#include <vector>

class QCheckBox;
class QSlider;

namespace fenlo {

class PieSeries;

struct CountSlice
{
    QString name;
    int count = 0;
    QColor colour;
};

// The fuelings counted per list row as a 3-D pie that the user can set turning at one of five
// speeds.
class CountPieGraph : public GraphWindow
{
    Q_OBJECT

public:
    struct Look
    {
        Frame frame;
        QString seriesName;
        QString pieValuesName;
        // The start colour lies at the bottom edge, the end colour at the top.
        QColor gradientStart;
        QColor gradientEnd;
        std::optional<QColor> markLineColour;
        QPoint closeButtonAt;
        int trackBarTop;
    };

    CountPieGraph(QWidget *caller, const Look &look, std::vector<CountSlice> slices);

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
    void setUpChart(const Look &look);
    void setTimerInterval(int milliseconds);

    std::vector<CountSlice> slices_;
    PieSeries *pie_ = nullptr;
    QCheckBox *turningBox_;
    QSlider *speedSlider_;
    QTimer *turnTimer_;
    int angle_ = 0;
};

} // namespace fenlo
