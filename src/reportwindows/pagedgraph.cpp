#include "reportwindows/pagedgraph.h"

#include "chart/chartview.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace fenlo {

PagedGraph::PagedGraph(QWidget *caller, const Look &look, PageRows rows)
    : GraphWindow(caller, look.frame), rows_(std::move(rows)), perPage_(look.perPage),
      pointColour_(look.pointColour), ScrollBar1(new QScrollBar(Qt::Horizontal)),
      RadioGroup1(new QButtonGroup(this))
{
    setUpChart(look);

    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setFixedHeight(16);
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &PagedGraph::ScrollBar1Change);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (look.chartInLoweredPanel) {
        auto *panel = new QFrame;
        panel->setObjectName(QStringLiteral("Panel2"));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        auto *inner = new QVBoxLayout(panel);
        inner->setContentsMargins(1, 1, 1, 1);
        inner->setSpacing(0);
        inner->addWidget(Chart1, 1);
        inner->addWidget(ScrollBar1);
        outer->addWidget(panel, 1);
    } else {
        outer->addWidget(Chart1, 1);
        outer->addWidget(ScrollBar1);
    }
    QFrame *buttons = addButtonPanel(45);
    QPushButton *close = addCloseButton(buttons, QStringLiteral("BtnTojiru"),
                                        QRect(37, look.closeButtonTop, 75, 25));
    QWidget *group = buildRadioGroup(buttons);
    setTabOrder(close, group);
    outer->addWidget(buttons);
}

void PagedGraph::setUpChart(const Look &look)
{
    Chart1->AllowZoom = false;
    Chart1->AllowPanning = PanningMode::None;
    Chart1->Gradient.Visible = true;
    Chart1->Gradient.StartColor = look.gradientBottom;
    Chart1->Gradient.EndColor = Qt::white;
    Chart1->Gradient.Direction = GradientDirection::TopBottom;
    Chart1->BackWall.Brush.Color = Qt::white;
    Chart1->BackWall.Brush.Style = Qt::NoBrush;
    Chart1->BottomWall.Color = look.bottomWall;
    Chart1->Title.Text = QStringList{QString()};
    Chart1->Legend.Visible = false;
    Chart1->LeftAxis.Title.Caption = QStringLiteral("燃費(km/L)");
    Chart1->MaxPointsPerPage = look.perPage;
    Chart1->ScaleLastPage = false;

    auto *bars = Chart1->addSeries<BarSeries>();
    bars->SeriesColor = Qt::red;
    bars->BarWidthPercent = 60;
    bars->MultiBar = false;
    bars->UseYOrigin = false;
    bars->Marks.ArrowLength = 20;
    bars->ValueFormat = "#,##0.#";
    bars->YValues.Name = QStringLiteral("縦棒");
    auto *ribbon = Chart1->addSeries<LineSeries>();
    ribbon->SeriesColor = Qt::green;
    auto *area = Chart1->addSeries<AreaSeries>();
    area->SeriesColor = Qt::yellow;
    area->DrawArea = true;
    series_ = {bars, ribbon, area};
    for (ChartSeries *s : series_) {
        s->Marks.Visible = true;
        s->Marks.Style = MarksStyle::Value;
        if (look.valueFormatOnAll)
            s->ValueFormat = "#,##0.#";
    }
    ribbon->setActive(false);
    area->setActive(false);
}

QWidget *PagedGraph::buildRadioGroup(QWidget *panel)
{
    auto *box = new QGroupBox(QStringLiteral("グラフの種類"), panel);
    box->setObjectName(QStringLiteral("RadioGroup1"));
    box->setToolTip(QStringLiteral("グラフの種類を選択してください"));
    box->setGeometry(158, 5, 221, 32);
    const QString items[] = {QStringLiteral("棒"), QStringLiteral("リボン"), QStringLiteral("面")};
    for (int i = 0; i < 3; ++i) {
        auto *item = new QRadioButton(items[i], box);
        // Three columns under the caption, as the box is only just tall enough for one line.
        item->setGeometry(8 + 71 * i, 14, 68, 16);
        RadioGroup1->addButton(item, i);
    }
    RadioGroup1->button(0)->setChecked(true);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &PagedGraph::RadioGroup1Click);
    return box;
}

int PagedGraph::pageStart() const
{
    return ScrollBar1->value();
}

void PagedGraph::FormShow()
{
    // The last page opens first: the newest rows are the ones the user came to see.
    const int last = std::max(1, static_cast<int>(rows_.size()) - (perPage_ - 1));
    ScrollBar1->setMaximum(last);
    ScrollBar1->setValue(last);
    GraphHyouji();
}

void PagedGraph::ScrollBar1Change()
{
    GraphHyouji();
}

void PagedGraph::RadioGroup1Click(int item)
{
    for (std::size_t i = 0; i < series_.size(); ++i)
        series_[i]->setActive(static_cast<int>(i) == item);
}

void PagedGraph::GraphHyouji()
{
    const int first = ScrollBar1->value();
    for (ChartSeries *s : series_) {
        s->ClearPoints();
        for (int k = 0; k < perPage_; ++k) {
            const std::size_t row = static_cast<std::size_t>(first + k - 1);
            if (row >= rows_.size() || !rows_[row])
                continue;
            s->AddPoint(k + 1, rows_[row]->value, rows_[row]->label, pointColour_);
        }
    }
}

} // namespace fenlo
