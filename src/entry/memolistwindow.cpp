#include "entry/memolistwindow.h"

#include "controls/listgrid.h"
#include "controls/qtext.h"
#include "controls/statusline.h"
#include "data/logbook.h"
#include "entry/memodialog.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QStyle>

#include <algorithm>
#include <memory>

namespace fenlo {
namespace {

constexpr int MinWidth = 662;
constexpr int MinHeight = 357;
// What the memo column leaves to the other columns, the buttons and the borders.
constexpr int BesideMemoColumn = 217;

} // namespace

MemoListWindow::MemoListWindow(Logbook &book, QWidget *parent)
    : ListWindow(QStringLiteral("メモ登録"), book, parent), statusLine_(new StatusLine(this))
{
    setFont(formFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    ListGrid *listGrid = grid();
    listGrid->setObjectName(QStringLiteral("SGrdMemo"));
    listGrid->setFixedFirstColumn(true);
    listGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The design's 68 pixels hold a date in the Windows face; a substituted face may be wider,
    // and a date cut short is no date at all.
    const int dateWidth =
        std::max(68, listGrid->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 4);
    listGrid->setColumns({{QStringLiteral("No"), 33},
                          {QStringLiteral("日付"), dateWidth},
                          {QStringLiteral("メモ"), 445}});
    statusLine_->setObjectName(QStringLiteral("StatusBarT1"));
    buildLayout(ButtonPlacement::Right, sidePanelTexts(QStringLiteral("追加")), statusLine_);
}

void MemoListWindow::populate()
{
    QWidget *outer = outerWindow();
    const int caption = outer->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, outer);
    outer->setMinimumSize(MinWidth, MinHeight);
    outer->resize(MinWidth, MinHeight + caption - 18);
    showRecords();
    grid()->setCurrentDataRow(1);
}

void MemoListWindow::resizeEvent(QResizeEvent *event)
{
    ListWindow::resizeEvent(event);
    if (formShown())
        grid()->setColumnWidth(2, outerWindow()->width() - BesideMemoColumn);
}

void MemoListWindow::showLogbook()
{
    if (formShown())
        showRecords();
}

void MemoListWindow::showRecords()
{
    ListGrid *listGrid = grid();
    const auto &slots = book().memos;
    const int count = static_cast<int>(
        std::count_if(slots.begin(), slots.end(), [](const Memo &memo) { return memo.used(); }));
    const int current = listGrid->currentDataRow();
    listGrid->refill(count, [&] {
        for (int slot = 1; slot <= Logbook::MemoSlots; ++slot) {
            const Memo &memo = slots[slot];
            if (!memo.used())
                continue;
            listGrid->setCell(slot, 0, QString::number(slot));
            listGrid->setCell(slot, 1, QString::fromStdString(formatDate(memo.date)));
            listGrid->setCell(slot, 2, toQ(memo.text));
        }
    });
    if (current >= 1)
        listGrid->setCurrentDataRow(current);
}

void MemoListWindow::runDialog(const QString &mode, int entrySlot)
{
    auto dialog = std::make_unique<MemoDialog>(book(), this, this);
    dialog->setWindowTitle(mode);
    dialog->entrySlot = entrySlot;
    dialog->exec();
}

void MemoListWindow::addEntry()
{
    const auto &slots = book().memos;
    const int count = static_cast<int>(
        std::count_if(slots.begin(), slots.end(), [](const Memo &memo) { return memo.used(); }));
    if (count == Logbook::MemoSlots) {
        Prompter::warning(QStringLiteral("これ以上登録できません"));
        return;
    }
    runDialog(QStringLiteral("追加"), count);
    book().sortMemos();
    showRecords();
}

void MemoListWindow::changeEntry()
{
    const int r = grid()->currentDataRow();
    if (r < 1 || !book().memos[r].used())
        return;
    runDialog(QStringLiteral("変更"), r);
    book().sortMemos();
    showRecords();
    grid()->setCurrentDataRow(r);
}

void MemoListWindow::deleteEntry()
{
    if (book().memos.usedCount() == 0)
        return;
    if (!Prompter::warningYesNo(QStringLiteral("カーソル行のデータを削除しますか？")))
        return;
    const int r = grid()->currentDataRow();
    if (r < 1 || !book().memos[r].used())
        return;
    book().memos[r] = Memo{};
    book().sortMemos();
    showRecords();
    book().modified = true;
    grid()->setCurrentDataRow(std::min(r, grid()->lastDataRow()));
}

} // namespace fenlo
