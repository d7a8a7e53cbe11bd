// The frame's commands that open the data-entry windows.
#include "app/mainwindow.h"
#include "entry/fuelinglistwindow.h"

namespace fenlo {

void MainWindow::showFuelingList()
{
    showChild(QStringLiteral("FrmNenpiDataIN"), [this] { return new FuelingListWindow(book()); });
}

} // namespace fenlo
