#include "reportwindows/categoryreport.h"

#include "reportwindows/categorygraphs.h"

#include "controls/listgrid.h"

#include <QBoxLayout>
#include <QFrame>

namespace fenlo {
namespace {

// The two category rows and the overall row.
constexpr int GridDataRows = 3;

} // namespace

CategoryReportWindow::CategoryReportWindow(Logbook &book, QWidget *parent)
    : ReportWindow(QStringLiteral("燃料区分別燃費一覧"), book, parent),
      grid_(tableGrid({107, 75, 75, 75, 75}, QColor(255, 223, 223)))
{
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QFrame *buttons = raisedPanel("Panel2", 41);
    const QSize size(97, 25);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button5"),
               QStringLiteral("ｸﾞﾗﾌ(件数)(&K)"), QStringLiteral("グラフを表示します"), size,
               [this] { CategoryCountGraph::showFor(this, report_); })
        ->move(7, 8);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button4"),
               QStringLiteral("ｸﾞﾗﾌ(燃費)(&G)"), QStringLiteral("グラフを表示します"), size,
               [this] { CategoryEconomyGraph::showFor(this, report_); })
        ->move(108, 8);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button2"), QStringLiteral("更新(&D)"),
               QStringLiteral("最新のデータに更新します"), size, [this] { refresh(); })
        ->move(209, 8);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button1"), QStringLiteral("終了(&E)"),
               QStringLiteral("このフォームを閉じます"), size, [this] { closeWindow(); })
        ->move(310, 8);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttons);
    // The window cannot be resized.
    setFixedSize(416, 113);
}

void CategoryReportWindow::populate()
{
    // A fixed window: the frame is the client area and its border, and cannot be resized.
    QWidget *outer = outerWindow();
    if (outer != this) {
        const QMargins border = outer->contentsMargins();
        const QSize fixed = size().grownBy(border);
        setSizeLimits(fixed, fixed);
        outer->resize(fixed);
    }
    refresh();
}

void CategoryReportWindow::refresh()
{
    report_ = bycategory::report(book());
    fillGrid(grid_, bycategory::cells(report_), GridDataRows);
}

} // namespace fenlo
