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
    : GraphWindow(caller, look.frame), slices_(std::move(slices)), CheckBox1(nullptr),
      TrackBar1(nullptr), Timer1(new QTimer(this))
{
    setUpChart(look);
    limitSize(QSize(400, 230));

    QFrame *panel = chartAbovePanel(41);
    addCloseButton(panel, QStringLiteral("Button1"), QRect(look.closeButtonAt, QSize(96, 26)));

    CheckBox1 = new QCheckBox(QStringLiteral("回る"), panel);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(QStringLiteral("チェックするとグラフが回ります"));
    CheckBox1->setGeometry(150, 12, 65, 17);
    // Unchecking from the program stops the pie as a click does.
    connect(CheckBox1, &QCheckBox::toggled, this, &CountPieGraph::CheckBox1Click);

    TrackBar1 = new QSlider(Qt::Horizontal, panel);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setToolTip(QStringLiteral("回るスピードを調節します"));
    TrackBar1->setRange(1, static_cast<int>(TurnIntervals.size()));
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setGeometry(202, look.trackBarTop, 117, 31);
    connect(TrackBar1, &QSlider::valueChanged, this, &CountPieGraph::TrackBar1Change);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &CountPieGraph::Timer1Timer);
}

void CountPieGraph::setUpChart(const Look &look)
{
    Chart1->AllowZoom = false;
    Chart1->AllowPanning = PanningMode::None;
    Chart1->Gradient.Visible = true;
    Chart1->Gradient.StartColor = look.gradientStart;
    Chart1->Gradient.EndColor = look.gradientEnd;
    Chart1->Gradient.Direction = GradientDirection::TopBottom;
    Chart1->BackWall.Brush.Style = Qt::NoBrush;
    Chart1->BackWall.Pen.Visible = false;
    Chart1->Title.Visible = false;
    Chart1->AxisVisible = false;
    Chart1->Frame.Visible = false;
    Chart1->ClipPoints = false;
    Chart1->view3DOptions = View3DOptions{315, 360, 0, false};
    Chart1->View3DWalls = false;
    Chart1->Legend.Visible = true;

    pie_ = Chart1->addSeries<PieSeries>();
    pie_->Title = look.seriesName;
    pie_->SeriesColor = Qt::red;
    pie_->Marks.Visible = true;
    pie_->Marks.Style = MarksStyle::LabelValue;
    pie_->Marks.ArrowLength = 8;
    if (look.markLineColour)
        pie_->Marks.Arrow.Color = *look.markLineColour;
    pie_->PieValues.Name = look.pieValuesName;
}

void CountPieGraph::FormShow()
{
    pie_->setActive(true);
    CheckBox1->setVisible(true);
    TrackBar1->setVisible(true);
    CheckBox1->setChecked(false);
    TrackBar1->setEnabled(false);
    pie_->ClearPoints();
    for (const CountSlice &slice : slices_)
        pie_->AddSlice(slice.count, slice.name, slice.colour);
}

void CountPieGraph::CheckBox1Click()
{
    const bool turning = CheckBox1->isChecked();
    TrackBar1->setEnabled(turning);
    setTimerInterval(turning ? TurnIntervals[static_cast<std::size_t>(TrackBar1->value() - 1)] : 0);
}

void CountPieGraph::TrackBar1Change()
{
    CheckBox1Click();
}

void CountPieGraph::Timer1Timer()
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
        Timer1->stop();
        return;
    }
    Timer1->start(milliseconds);
}

void CountPieGraph::done(int result)
{
    CheckBox1->setChecked(false);
    setTimerInterval(0);
    GraphWindow::done(result);
}

} // namespace fenlo
