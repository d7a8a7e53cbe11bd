// The frame's commands that open the car-name, maker and memo windows.
#include "app/mainwindow.h"

#include "entry/carnamewindow.h"
#include "entry/makerlistwindow.h"
#include "entry/memolistwindow.h"

namespace fenlo {

void MainWindow::showCarNameWindow()
{
    QWidget *window =
        showChild(QStringLiteral("FrmShameiT"), [] { return FrmShameiT = new CarNameWindow; });
    // A fixed dialog-like window: its system menu and close box only.
    setChildBorder(window, Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void MainWindow::showMakerList()
{
    QWidget *window =
        showChild(QStringLiteral("FrmGasIn"), [] { return FrmGasIn = new MakerListWindow; });
    // A fixed-size list: it may be minimised, never maximised.
    setChildBorder(window, Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint);
}

void MainWindow::showMemoList()
{
    showChild(QStringLiteral("FrmMemo"), [] { return FrmMemo = new MemoListWindow; });
}

} // namespace fenlo
