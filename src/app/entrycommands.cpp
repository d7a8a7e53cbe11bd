// The frame's commands that open the data-entry windows.
#include "app/mainwindow.h"
#include "entry/fuelinglistwindow.h"

namespace fenlo {

void MainWindow::showFuelingList()
{
    showChild(QStringLiteral("FrmNenpiDataIN"), [] {
        FrmNenpiDataIN = new FuelingListWindow;
        return FrmNenpiDataIN.data();
    });
}

} // namespace fenlo
