// The frame's commands that open the report windows.
#include "app/mainwindow.h"

#include "reportwindows/categoryreport.h"
#include "reportwindows/makerreport.h"
#include "reportwindows/fuelingsreport.h"
#include "reportwindows/pairsreport.h"
#include "reportwindows/monthlyreport.h"

namespace fenlo {

void MainWindow::MIOut1Click()
{
    showChild(QStringLiteral("FrmOut1"), [] { return FrmOut1 = new FuelingsReportWindow; });
}

void MainWindow::MIOut2Click()
{
    showChild(QStringLiteral("FrmOut2"), [] { return FrmOut2 = new PairsReportWindow; });
}

void MainWindow::MIOut3Click()
{
    showChild(QStringLiteral("FrmTukibetu"), [] { return FrmTukibetu = new MonthlyReportWindow; });
}

void MainWindow::MIOut4Click()
{
    showChild(QStringLiteral("FrmMBNIR"), [] { return FrmMBNIR = new MakerReportWindow; });
}

void MainWindow::MIout5Click()
{
    showChild(QStringLiteral("FrmKBNIR"), [] { return FrmKbnir = new CategoryReportWindow; });
}

} // namespace fenlo
