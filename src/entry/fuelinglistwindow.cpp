#include "entry/fuelinglistwindow.h"

#include "controls/listgrid.h"
#include "controls/qtext.h"
#include "controls/statusline.h"
#include "data/logbook.h"
#include "data/numformat.h"
#include "entry/fuelingdialog.h"
#include "reports/cells.h"
#include "reports/makernames.h"
#include "reports/summary.h"
#include "reportwindows/summarypanel.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace fenlo {
namespace {

constexpr int CommentColumn = 9;

QString dateCell(DateTime moment)
{
    return QString::fromStdString(formatDate(moment) + "(" + formatHour(moment) + ")");
}

QString masked(Currency value, const char *mask)
{
    return QString::fromStdString(formatMask(value, mask));
}

ListWindow::ButtonTexts buttonTexts()
{
    return {QStringLiteral("追加(&T)"), QStringLiteral("新しいデータを入力します"),
            QStringLiteral("変更(&H)"), QStringLiteral("カーソルのあるデータを変更します"),
            QStringLiteral("削除(&D)"), QStringLiteral("カーソルのある行のデータを削除します"),
            QStringLiteral("終了(&E)"), QStringLiteral("このフォームを閉じます"),
            QStringLiteral("追加")};
}

} // namespace

FuelingListWindow::FuelingListWindow(Logbook &book, QWidget *parent)
    : ListWindow(QStringLiteral("給油データ登録"), book, parent), summaryPanel_(new SummaryPanel),
      statusLine_(new StatusLine)
{
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    statusLine_->setObjectName(QStringLiteral("StatusBarT1"));
    grid()->setObjectName(QStringLiteral("SGrdNenpi"));
    grid()->setColumns({{QStringLiteral("No"), 25, Qt::AlignRight},
                        {QStringLiteral("日付"), 99, Qt::AlignLeft},
                        {QStringLiteral("距離(ﾄｰﾀﾙ)"), 74, Qt::AlignRight},
                        {QStringLiteral("距離(今回)"), 71, Qt::AlignRight},
                        {QStringLiteral("給油量"), 51, Qt::AlignRight},
                        {QStringLiteral("メーカー"), 142, Qt::AlignLeft},
                        {QStringLiteral("区分"), 46, Qt::AlignLeft},
                        {QStringLiteral("金額"), 44, Qt::AlignRight},
                        {QStringLiteral("燃費"), 49, Qt::AlignRight},
                        {QStringLiteral("コメント"), 140, Qt::AlignLeft}});
    grid()->setEvenRowColor(ListGrid::LightBlue);

    auto *bottom = new QWidget(this);
    auto *bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->setSpacing(0);
    bottomLayout->addWidget(summaryPanel_);
    bottomLayout->addWidget(statusLine_);
    buildLayout(ButtonPlacement::Top, buttonTexts(), bottom);

    connect(grid(), &ListGrid::currentDataRowChanged, this, [this](int row) { showComment(row); });
}

void FuelingListWindow::populate()
{
    applySizeLimits();
    const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    outerWindow()->resize(DesignWidth, caption + DesignHeight);
    showRecords();
    showSummary();
    moveCursor(grid()->lastDataRow());
    // The grid gets its final height only once the window is laid out; scroll then.
    QTimer::singleShot(0, grid(), [g = grid()] { g->scrollTo(g->currentIndex()); });
    grid()->setColumnWidth(CommentColumn, outerWindow()->width() - CommentWidthOffset);
}

void FuelingListWindow::applySizeLimits()
{
    QWidget *outer = outerWindow();
    if (outer != this) {
        // A list that can be minimised but not maximised.
        outer->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        outer->show(); // changing the flags hid it
    }
    outer->setMinimumSize(DesignWidth, MinimumHeight);
    if (QScreen *screen = QApplication::primaryScreen())
        outer->setMaximumSize(screen->size());
}

void FuelingListWindow::resizeEvent(QResizeEvent *event)
{
    ListWindow::resizeEvent(event);
    if (formShown())
        grid()->setColumnWidth(CommentColumn, outerWindow()->width() - CommentWidthOffset);
}

void FuelingListWindow::showRecords()
{
    const Logbook &b = book();
    const MakerNames makers(b);
    ListGrid *g = grid();
    // The blank row of an empty table shows nothing stale: refilling blanks what it leaves.
    g->refill(b.fuelings.usedCount(), [&] {
        for (int k = 1; k <= Logbook::FuelingSlots; ++k) {
            const Fueling &r = b.fuelings[k];
            if (!r.used())
                continue;
            g->setCell(k, 0, QString::number(k));
            g->setCell(k, 1, dateCell(r.moment));
            g->setCell(k, 2, masked(r.odometer, "######0.0"));
            g->setCell(k, 3, masked(r.trip, "######0.0"));
            g->setCell(k, 4, masked(r.litres, "######0.0"));
            g->setCell(k, 5, QString::fromStdString(makers.name(r.makerCode)));
            g->setCell(k, 6, QString::fromStdString(std::string(categoryCellText(r.category))));
            g->setCell(k, 7, masked(r.amount, "########0"));
            g->setCell(k, 8, masked(r.economy, "######0.0"));
            g->setCell(k, 9, toQ(r.comment));
        }
    });
}

void FuelingListWindow::showSummary()
{
    summaryPanel_->showSummary(fenlo::summaryOf(book()));
}

void FuelingListWindow::showLogbook()
{
    if (!formShown())
        return; // the first show fills it
    showRecords();
    showSummary();
    moveCursor(grid()->lastDataRow());
}

void FuelingListWindow::refresh()
{
    book().sortFuelings();
    showRecords();
    showSummary();
}

void FuelingListWindow::showComment(int row)
{
    const Logbook &b = book();
    const std::string *comment =
        row >= 1 && row <= Logbook::FuelingSlots ? &b.fuelings[row].comment : nullptr;
    statusLine_->setText(QStringLiteral("コメント：") + (comment ? toQ(*comment) : QString()));
}

void FuelingListWindow::moveCursor(int row)
{
    grid()->setCurrentDataRow(row);
    showComment(grid()->currentDataRow()); // the row may be the same one showing another record
}

void FuelingListWindow::runDialog(const QString &caption, int entrySlot)
{
    auto *dialog = new FuelingDialog(book(), this, window());
    dialog->setWindowTitle(caption);
    dialog->entrySlot = entrySlot;
    dialog->exec();
    delete dialog;
}

void FuelingListWindow::addEntry()
{
    const int n = book().fuelings.usedCount();
    // Slot 1000 stays free for what a file may bring.
    if (n >= Logbook::FuelingSlots - 1) {
        Prompter::warning(QStringLiteral("これ以上登録できません"));
        return;
    }
    if (!book().hasMakers()) {
        Prompter::warning(QStringLiteral("始めに燃料メーカー登録をしてください"));
        return;
    }
    runDialog(QStringLiteral("追加"), n);
    refresh();
    moveCursor(grid()->lastDataRow());
}

void FuelingListWindow::changeEntry()
{
    const int r = grid()->currentDataRow();
    if (r < 1 || !book().fuelings[r].used())
        return;
    runDialog(QStringLiteral("変更"), r);
    refresh();
    moveCursor(r);
}

void FuelingListWindow::deleteEntry()
{
    if (book().fuelings.usedCount() == 0)
        return;
    if (!Prompter::warningYesNo(QStringLiteral("カーソル行のデータを削除しますか？")))
        return;
    const int r = grid()->currentDataRow();
    if (r < 1 || !book().fuelings[r].used())
        return;
    book().fuelings[r] = Fueling{};
    book().sortFuelings();
    showRecords();
    showSummary();
    book().modified = true;
    moveCursor(r); // clamped to the last row when the last record went
}

} // namespace fenlo
