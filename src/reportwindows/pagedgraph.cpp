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
      pointColour_(look.pointColour), pageScrollBar_(new QScrollBar(Qt::Horizontal)),
      kindGroup_(new QButtonGroup(this))
{
    setUpChart(look);

    pageScrollBar_->setObjectName(QStringLiteral("ScrollBar1"));
    pageScrollBar_->setFixedHeight(16);
    pageScrollBar_->setRange(1, 1);
    pageScrollBar_->setSingleStep(1);
    pageScrollBar_->setPageStep(1);
    connect(pageScrollBar_, &QScrollBar::valueChanged, this, &PagedGraph::scrolled);

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
        inner->addWidget(chart_, 1);
        inner->addWidget(pageScrollBar_);
        outer->addWidget(panel, 1);
    } else {
        outer->addWidget(chart_, 1);
        outer->addWidget(pageScrollBar_);
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
    chart_->allowZoom = false;
    chart_->allowPanning = PanningMode::None;
    chart_->gradient.visible = true;
    chart_->gradient.startColor = look.gradientBottom;
    chart_->gradient.endColor = Qt::white;
    chart_->gradient.direction = GradientDirection::TopBottom;
    chart_->backWall.brush.color = Qt::white;
    chart_->backWall.brush.style = Qt::NoBrush;
    chart_->bottomWall.color = look.bottomWall;
    chart_->title.text = QStringList{QString()};
    chart_->legend.visible = false;
    chart_->leftAxis.title.caption = QStringLiteral("燃費(km/L)");
    chart_->maxPointsPerPage = look.perPage;
    chart_->scaleLastPage = false;

    auto *bars = chart_->addSeries<BarSeries>();
    bars->seriesColor = Qt::red;
    bars->barWidthPercent = 60;
    bars->multiBar = false;
    bars->useYOrigin = false;
    bars->marks.arrowLength = 20;
    bars->valueFormat = "#,##0.#";
    bars->yValues.name = QStringLiteral("縦棒");
    auto *ribbon = chart_->addSeries<LineSeries>();
    ribbon->seriesColor = Qt::green;
    auto *area = chart_->addSeries<AreaSeries>();
    area->seriesColor = Qt::yellow;
    area->drawArea = true;
    series_ = {bars, ribbon, area};
    for (ChartSeries *s : series_) {
        s->marks.visible = true;
        s->marks.style = MarksStyle::Value;
        if (look.valueFormatOnAll)
            s->valueFormat = "#,##0.#";
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
        kindGroup_->addButton(item, i);
    }
    kindGroup_->button(0)->setChecked(true);
    connect(kindGroup_, &QButtonGroup::idClicked, this, &PagedGraph::kindChosen);
    return box;
}

int PagedGraph::pageStart() const
{
    return pageScrollBar_->value();
}

void PagedGraph::populate()
{
    // The last page opens first: the newest rows are the ones the user came to see.
    const int last = std::max(1, static_cast<int>(rows_.size()) - (perPage_ - 1));
    pageScrollBar_->setMaximum(last);
    pageScrollBar_->setValue(last);
    showPage();
}

void PagedGraph::scrolled()
{
    showPage();
}

void PagedGraph::kindChosen(int item)
{
    for (std::size_t i = 0; i < series_.size(); ++i)
        series_[i]->setActive(static_cast<int>(i) == item);
}

void PagedGraph::showPage()
{
    const int first = pageScrollBar_->value();
    for (ChartSeries *s : series_) {
        s->clearPoints();
        for (int k = 0; k < perPage_; ++k) {
            const std::size_t row = static_cast<std::size_t>(first + k - 1);
            if (row >= rows_.size() || !rows_[row])
                continue;
            s->addPoint(k + 1, rows_[row]->value, rows_[row]->label, pointColour_);
        }
    }
}

} // namespace fenlo
