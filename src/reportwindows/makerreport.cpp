#include "reportwindows/makerreport.h"

#include "reportwindows/makergraphs.h"

#include "controls/combofield.h"
#include "controls/listgrid.h"
#include "controls/statusline.h"
#include "reports/display.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>

namespace fenlo {
namespace {

// Twenty maker rows and the overall row, whatever is counted.
constexpr int GridDataRows = 21;

ComboField *orderBox(QWidget *panel, const char *name, int x, int width, auto items)
{
    auto *box = new ComboField(panel);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(x, 8, width, 21);
    for (const char *item : items)
        box->addItem(QString::fromUtf8(item));
    return box;
}

} // namespace

MakerReportWindow::MakerReportWindow(Logbook &book, QWidget *parent)
    : ReportWindow(QStringLiteral("燃料メーカー別燃費一覧"), book, parent),
      grid_(tableGrid({162, 64, 64, 64, 64}, QColor(255, 223, 223)))
{
    QFrame *top = raisedPanel("Panel1", 37);
    (new QLabel(QStringLiteral("表示順"), top))->move(10, 11);
    orderBox_ = orderBox(top, "CmBxjyun1", 66, 108, bymaker::MakerOrderItems);
    directionBox_ = orderBox(top, "CmBxjyun2", 179, 75, DirectionItems);
    for (ComboField *box : {orderBox_, directionBox_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (formShown())
                refresh();
        });

    QFrame *buttons = raisedPanel("Panel2", 41);
    const QSize size(102, 26);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button5"),
               QStringLiteral("ｸﾞﾗﾌ(件数)(&K)"), QStringLiteral("グラフを表示します"), size,
               [this] { MakerCountGraph::showFor(this, report_); })
        ->move(8, 8);
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button4"),
               QStringLiteral("ｸﾞﾗﾌ(燃費)(&G)"), QStringLiteral("グラフを表示します"), size,
               [this] { MakerEconomyGraph::showFor(this, report_, options().order); })
        ->move(116, 8);
    QAbstractButton *refreshButton = makeButton(
        buttons, ButtonStyle::Push, QStringLiteral("Button2"), QStringLiteral("更新(&K)"),
        QStringLiteral("最新のデータに更新します"), size, [this] { refresh(); });
    refreshButton->move(224, 8);
    // Alt+K is the count graph's, the first in the tab order of the two buttons that show it;
    // shared, Qt would only move the focus between them.
    refreshButton->setShortcut(QKeySequence());
    makeButton(buttons, ButtonStyle::Push, QStringLiteral("Button1"), QStringLiteral("終了(&E)"),
               QStringLiteral("このフォームを閉じます"), size, [this] { closeWindow(); })
        ->move(332, 8);

    auto *status = new StatusLine(this);
    status->setObjectName(QStringLiteral("StatusBarT1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttons);
    layout->addWidget(status);

    // Only the height can change.
    setSizeLimits(QSize(451, 318), QSize(451, screenSize().height()));
}

void MakerReportWindow::populate()
{
    resizeOuter(QSize(448, captionHeight() + 300));
    orderBox_->setCurrentIndex(static_cast<int>(bymaker::MakerOrder::Average));
    directionBox_->setCurrentIndex(1);
    refresh();
}

bymaker::Options MakerReportWindow::options() const
{
    bymaker::Options o;
    o.order = static_cast<bymaker::MakerOrder>(std::max(0, orderBox_->currentIndex()));
    o.descending = directionBox_->currentIndex() != 0;
    return o;
}

void MakerReportWindow::refresh()
{
    report_ = bymaker::report(book(), options());
    fillGrid(grid_, bymaker::cells(report_), GridDataRows);
}

} // namespace fenlo
