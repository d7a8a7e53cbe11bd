#include "reportwindows/monthlyreport.h"

#include "reportwindows/monthlygraph.h"

#include "controls/listgrid.h"
#include "controls/statusline.h"

#include <QBoxLayout>
#include <QFrame>

namespace fenlo {

MonthlyReportWindow::MonthlyReportWindow(Logbook &book, QWidget *parent)
    : ReportWindow(QStringLiteral("月別燃費一覧"), book, parent),
      grid_(tableGrid({96, 36, 64, 64, 64, 64}, QColor(223, 255, 223)))
{
    QFrame *buttons = raisedPanel("Panel2", 42);
    const QSize size(89, 26);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button4"), QStringLiteral("グラフ(&G)"),
               QStringLiteral("グラフを表示します"), size,
               [this] { MonthlyGraph::showFor(this, report_); })
        ->move(50, 8);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button2"), QStringLiteral("更新(&K)"),
               QStringLiteral("最新のデータに更新します"), size, [this] { refresh(); })
        ->move(161, 8);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button1"), QStringLiteral("終了(&E)"),
               QStringLiteral("このフォームを閉じます"), size, [this] { closeWindow(); })
        ->move(272, 8);

    auto *status = new StatusLine(this);
    status->setObjectName(QStringLiteral("StatusBarT1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttons);
    layout->addWidget(status);

    // Only the height can change.
    setSizeLimits(QSize(423, 316), QSize(423, screenSize().height()));
}

void MonthlyReportWindow::populate()
{
    resizeOuter(QSize(423, captionHeight() + 298));
    refresh();
}

void MonthlyReportWindow::refresh()
{
    report_ = monthly::tally(book());
    const GridText text = monthly::cells(report_);
    fillGrid(grid_, text, text.rowCount() + 1);
}

} // namespace fenlo
