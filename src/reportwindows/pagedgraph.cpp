#include "reportwindows/pagedgraph.h"

#include "chart/chartview.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace fenlo {

PagedGraph::PagedGraph(QWidget *caller, const Look &look, PagedGraphContent content)
    : GraphWindow(caller, content.caption, look.frame),
      paged_(*chart_, content.look, std::move(content.rows)),
      pageScrollBar_(new QScrollBar(Qt::Horizontal)), kindGroup_(new QButtonGroup(this))
{
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
    const int last = paged_.lastPage();
    pageScrollBar_->setMaximum(last);
    pageScrollBar_->setValue(last);
    paged_.showPage(last);
}

void PagedGraph::scrolled()
{
    paged_.showPage(pageScrollBar_->value());
}

void PagedGraph::kindChosen(int item)
{
    paged_.setType(static_cast<PagedChartType>(item));
}

} // namespace fenlo
