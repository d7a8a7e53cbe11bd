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

CountPieGraph::CountPieGraph(QWidget *caller, const Look &look, CountPieContent content)
    : GraphWindow(caller, content.caption, look.frame),
      pie_(*chart_, content.look, std::move(content.slices)), turningBox_(nullptr),
      speedSlider_(nullptr), turnTimer_(new QTimer(this))
{
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

void CountPieGraph::populate()
{
    turningBox_->setVisible(true);
    speedSlider_->setVisible(true);
    turningBox_->setChecked(false);
    speedSlider_->setEnabled(false);
    pie_.fill();
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
    pie_.setRotationAngle(angle_);
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
