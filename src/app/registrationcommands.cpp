// The frame's commands that open the car-name, maker and memo windows.
#include "app/mainwindow.h"

#include "entry/carnamewindow.h"
#include "entry/makerlistwindow.h"
#include "entry/memolistwindow.h"

namespace fenlo {

void MainWindow::showCarNameWindow()
{
    QWidget *window = showChild(QStringLiteral("FrmShameiT"), [this] {
        auto *window = new CarNameWindow(book());
        connect(window, &CarNameWindow::carNameChanged, this, &MainWindow::showCarName);
        return window;
    });
    // A fixed dialog-like window: its system menu and close box only.
    setChildBorder(window, Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void MainWindow::showMakerList()
{
    QWidget *window =
        showChild(QStringLiteral("FrmGasIn"), [this] { return new MakerListWindow(book()); });
    // A fixed-size list: it may be minimised, never maximised.
    setChildBorder(window, Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint);
}

void MainWindow::showMemoList()
{
    showChild(QStringLiteral("FrmMemo"), [this] { return new MemoListWindow(book()); });
}

} // namespace fenlo
