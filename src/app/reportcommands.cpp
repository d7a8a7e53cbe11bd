// The frame's commands that open the report windows.
#include "app/mainwindow.h"

#include "reportwindows/categoryreport.h"
#include "reportwindows/fuelingsreport.h"
#include "reportwindows/makerreport.h"
#include "reportwindows/monthlyreport.h"
#include "reportwindows/pairsreport.h"

namespace fenlo {

void MainWindow::showFuelingsReport()
{
    showChild(QStringLiteral("FrmOut1"), [this] { return new FuelingsReportWindow(book()); });
}

void MainWindow::showPairsReport()
{
    showChild(QStringLiteral("FrmOut2"), [this] { return new PairsReportWindow(book()); });
}

void MainWindow::showMonthlyReport()
{
    showChild(QStringLiteral("FrmTukibetu"), [this] { return new MonthlyReportWindow(book()); });
}

void MainWindow::showMakerReport()
{
    showChild(QStringLiteral("FrmMBNIR"), [this] { return new MakerReportWindow(book()); });
}

void MainWindow::showCategoryReport()
{
    showChild(QStringLiteral("FrmKBNIR"), [this] { return new CategoryReportWindow(book()); });
}

} // namespace fenlo
