#include "reportwindows/countpie.h"

#include "chart/chartview.h"

#include <QCheckBox>
#include <QFrame>
#include <QSlider>
#include <QVBoxLayout>

#include <array>

namespace fenlo {

namespace {

// Timer intervals of the track bar's five speeds, slowest first.
constexpr std::array<int, 5> TurnIntervals = {800, 500, 300, 100, 10};
constexpr int TurnStep = 5;

} // namespace

CountPieGraph::CountPieGraph(QWidget *caller, const Look &look, std::vector<CountSlice> slices)
    : GraphWindow(caller, look.frame), slices_(std::move(slices)), turningBox_(nullptr),
      speedSlider_(nullptr), turnTimer_(new QTimer(this))
{
    setUpChart(look);
    limitSize(QSize(400, 230));

    QFrame *panel = chartAbovePanel(41);
    addCloseButton(panel, QStringLiteral("Button1"), QRect(look.closeButtonAt, QSize(96, 26)));

    turningBox_ = new QCheckBox(QStringLiteral("回る"), panel);
    turningBox_->setObjectName(QStringLiteral("CheckBox1"));
    turningBox_->setToolTip(QStringLiteral("チェックするとグラフが回ります"));
    turningBox_->setGeometry(150, 12, 65, 17);
    // Unchecking from the program stops the pie as a click does.
    connect(turningBox_, &QCheckBox::toggled, this, &CountPieGraph::turningToggled);

    speedSlider_ = new QSlider(Qt::Horizontal, panel);
    speedSlider_->setObjectName(QStringLiteral("TrackBar1"));
    speedSlider_->setToolTip(QStringLiteral("回るスピードを調節します"));
    speedSlider_->setRange(1, static_cast<int>(TurnIntervals.size()));
    speedSlider_->setPageStep(1);
    speedSlider_->setTickPosition(QSlider::TicksBelow);
    speedSlider_->setTickInterval(1);
    speedSlider_->setGeometry(202, look.trackBarTop, 117, 31);
    connect(speedSlider_, &QSlider::valueChanged, this, &CountPieGraph::speedChanged);

    turnTimer_->setObjectName(QStringLiteral("Timer1"));
    connect(turnTimer_, &QTimer::timeout, this, &CountPieGraph::turn);
}

void CountPieGraph::setUpChart(const Look &look)
{
    chart_->allowZoom = false;
    chart_->allowPanning = PanningMode::None;
    chart_->gradient.visible = true;
    chart_->gradient.startColor = look.gradientStart;
    chart_->gradient.endColor = look.gradientEnd;
    chart_->gradient.direction = GradientDirection::TopBottom;
    chart_->backWall.brush.style = Qt::NoBrush;
    chart_->backWall.pen.visible = false;
    chart_->title.visible = false;
    chart_->axisVisible = false;
    chart_->frame.visible = false;
    chart_->clipPoints = false;
    chart_->view3DOptions = View3DOptions{315, 360, 0, false};
    chart_->view3DWalls = false;
    chart_->legend.visible = true;

    pie_ = chart_->addSeries<PieSeries>();
    pie_->title = look.seriesName;
    pie_->seriesColor = Qt::red;
    pie_->marks.visible = true;
    pie_->marks.style = MarksStyle::LabelValue;
    pie_->marks.arrowLength = 8;
    if (look.markLineColour)
        pie_->marks.arrow.color = *look.markLineColour;
    pie_->pieValues.name = look.pieValuesName;
}

void CountPieGraph::populate()
{
    pie_->setActive(true);
    turningBox_->setVisible(true);
    speedSlider_->setVisible(true);
    turningBox_->setChecked(false);
    speedSlider_->setEnabled(false);
    pie_->clearPoints();
    for (const CountSlice &slice : slices_)
        pie_->addSlice(slice.count, slice.name, slice.colour);
}

void CountPieGraph::turningToggled()
{
    const bool turning = turningBox_->isChecked();
    speedSlider_->setEnabled(turning);
    setTimerInterval(turning ? TurnIntervals[static_cast<std::size_t>(speedSlider_->value() - 1)]
                             : 0);
}

void CountPieGraph::speedChanged()
{
    turningToggled();
}

void CountPieGraph::turn()
{
    // 360 and 0 draw the same pie; the angle still passes through both.
    angle_ += TurnStep;
    if (angle_ > 360)
        angle_ = 0;
    pie_->setRotationAngle(angle_);
}

void CountPieGraph::setTimerInterval(int milliseconds)
{
    // A zero interval means a stopped timer here, not one that fires at every idle moment.
    if (milliseconds == 0) {
        turnTimer_->stop();
        return;
    }
    turnTimer_->start(milliseconds);
}

void CountPieGraph::done(int result)
{
    turningBox_->setChecked(false);
    setTimerInterval(0);
    GraphWindow::done(result);
}

} // namespace fenlo
