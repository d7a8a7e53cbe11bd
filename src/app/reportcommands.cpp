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
    showChild(QStringLiteral("FrmOut1"), [] { return FrmOut1 = new FuelingsReportWindow; });
}

void MainWindow::showPairsReport()
{
    showChild(QStringLiteral("FrmOut2"), [] { return FrmOut2 = new PairsReportWindow; });
}

void MainWindow::showMonthlyReport()
{
    showChild(QStringLiteral("FrmTukibetu"), [] { return FrmTukibetu = new MonthlyReportWindow; });
}

void MainWindow::showMakerReport()
{
    showChild(QStringLiteral("FrmMBNIR"), [] { return FrmMBNIR = new MakerReportWindow; });
}

void MainWindow::showCategoryReport()
{
    showChild(QStringLiteral("FrmKBNIR"), [] { return FrmKbnir = new CategoryReportWindow; });
}

} // namespace fenlo
