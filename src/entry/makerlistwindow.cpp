#include "entry/makerlistwindow.h"

#include "controls/listgrid.h"
#include "controls/qtext.h"
#include "data/logbook.h"
#include "entry/makerdialog.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <algorithm>
#include <memory>

namespace fenlo {

MakerListWindow::MakerListWindow(Logbook &book, QWidget *parent)
    : ListWindow(QStringLiteral("燃料メーカー登録"), book, parent)
{
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    ListGrid *listGrid = grid();
    listGrid->setObjectName(QStringLiteral("SGrdGas"));
    listGrid->setFixedFirstColumn(true);
    listGrid->setColumns({{QString(), 10},
                          {QStringLiteral("ｺｰﾄﾞ"), 30, Qt::AlignRight},
                          {QStringLiteral("　　　名　　称"), 144}});
    listGrid->setRowCount(Logbook::MakerSlots);
    buildLayout(ButtonPlacement::Right, sidePanelTexts(QStringLiteral("追 加")));
    setFixedSize(292, 213);
}

void MakerListWindow::populate()
{
    showMakers();
    grid()->setCurrentDataRow(1);
}

void MakerListWindow::showLogbook()
{
    if (formShown())
        showMakers();
}

void MakerListWindow::showMakers()
{
    ListGrid *listGrid = grid();
    listGrid->refill(Logbook::MakerSlots, [&] {
        for (int k = 1; k <= Logbook::MakerSlots; ++k) {
            const Maker &maker = book().makers[k];
            if (!maker.used())
                continue;
            listGrid->setCell(k, 1, QString::number(maker.code));
            listGrid->setCell(k, 2, toQ(maker.name));
        }
    });
}

void MakerListWindow::runDialog(const QString &mode, int entrySlot)
{
    auto dialog = std::make_unique<MakerDialog>(book(), this, this);
    dialog->setWindowTitle(mode);
    dialog->entrySlot = entrySlot;
    dialog->exec();
}

void MakerListWindow::addEntry()
{
    const auto &slots = book().makers;
    const int n = static_cast<int>(
        std::count_if(slots.begin(), slots.end(), [](const Maker &maker) { return maker.used(); }));
    if (n == Logbook::MakerSlots) {
        Prompter::warning(QStringLiteral("これ以上登録できません"));
        return;
    }
    runDialog(QStringLiteral("追加"), n);
    book().sortMakers();
    showMakers();
    grid()->setCurrentDataRow(n + 1);
}

void MakerListWindow::changeEntry()
{
    const int r = grid()->currentDataRow();
    if (r < 1 || !book().makers[r].used())
        return;
    runDialog(QStringLiteral("変更"), r);
    book().sortMakers();
    showMakers();
    grid()->setCurrentDataRow(r);
}

bool MakerListWindow::inUse(int code) const
{
    const Logbook &logbook = book();
    for (int slot = 1; slot <= Logbook::FuelingSlots && logbook.fuelings[slot].used(); ++slot)
        if (logbook.fuelings[slot].makerCode == code)
            return true;
    return false;
}

void MakerListWindow::deleteEntry()
{
    if (!book().hasMakers())
        return;
    const int r = grid()->currentDataRow();
    // A free row has nothing to delete: asking about it would only offer a no-op.
    if (r < 1 || !book().makers[r].used())
        return;
    Maker &maker = book().makers[r];
    if (!Prompter::warningYesNo(QString::number(maker.code) + QStringLiteral(":「") +
                                toQ(maker.name) + QStringLiteral("」を削除しますか？")))
        return;
    if (inUse(maker.code)) {
        Prompter::warning(QStringLiteral("この燃料メーカーは使われています。削除できません。"));
        return;
    }
    maker = Maker{};
    book().sortMakers();
    showMakers();
    book().modified = true;
    grid()->setCurrentDataRow(r);
}

} // namespace fenlo
