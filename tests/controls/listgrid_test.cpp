#include "controls/listgrid.h"

#include <QSignalSpy>
#include <QTest>

using namespace fenlo;

class ListGridTest : public QObject
{
    Q_OBJECT

    // Rows 1..rows, each cell "row:column", or `changed` in row 2, column 1 when given.
    static void fill(ListGrid &grid, int rows, const QString &changed = {})
    {
        grid.refill(rows, [&] {
            for (int r = 1; r <= rows; ++r)
                for (int c = 0; c < grid.columnCount(); ++c)
                    grid.setCell(r, c,
                                 r == 2 && c == 1 && !changed.isEmpty()
                                     ? changed
                                     : QStringLiteral("%1:%2").arg(r).arg(c));
        });
    }

private Q_SLOTS:
    // A list refilled after one record changed: the view hears of that cell alone.
    void aRefillPassesOnlyChangedTextToTheView()
    {
        ListGrid grid;
        grid.setColumns({{QStringLiteral("a"), 40}, {QStringLiteral("b"), 40}});
        fill(grid, 3);
        QSignalSpy changes(&grid, &QTableWidget::itemChanged);

        fill(grid, 3);
        QCOMPARE(changes.count(), 0);
        fill(grid, 3, QStringLiteral("changed"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(grid.cell(2, 1), QStringLiteral("changed"));
        QCOMPARE(grid.rowTexts(3), (QStringList{QStringLiteral("3:0"), QStringLiteral("3:1")}));
    }

    // What a refill does not set again is blank, rows beyond the count are gone, and an
    // empty list keeps one blank row.
    void aRefillBlanksWhatItLeavesAlone()
    {
        ListGrid grid;
        grid.setColumns({{QStringLiteral("a"), 40}, {QStringLiteral("b"), 40}});
        fill(grid, 3);
        grid.refill(3, [&] { grid.setCell(1, 0, QStringLiteral("only")); });
        QCOMPARE(grid.rowTexts(1), (QStringList{QStringLiteral("only"), QString()}));
        QCOMPARE(grid.rowTexts(3), (QStringList{QString(), QString()}));

        fill(grid, 3);
        grid.refill(0, [] {});
        QCOMPARE(grid.dataRowCount(), 1);
        QCOMPARE(grid.rowTexts(1), (QStringList{QString(), QString()}));
        fill(grid, 2);
        QCOMPARE(grid.rowTexts(2), (QStringList{QStringLiteral("2:0"), QStringLiteral("2:1")}));
    }
};

QTEST_MAIN(ListGridTest)
#include "listgrid_test.moc"
