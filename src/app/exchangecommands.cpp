// The frame's commands of the CSV export and import and the import of first-generation data.
#include "app/mainwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "entry/listwindow.h"
#include "exchangewindows/csvexportwindow.h"
#include "exchangewindows/csvimportdialog.h"
#include "exchangewindows/legacyimportdialog.h"

namespace fenlo {

void MainWindow::showCsvExport()
{
    QWidget *window =
        showChild(QStringLiteral("FrmtextOut"), [this] { return new CsvExportWindow(book()); });
    // A fixed-size window: a close box only, no minimising or maximising.
    setChildBorder(window, Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void MainWindow::importLegacy()
{
    if (!savePrompt())
        return;
    closeAllChildren();
    LegacyImportDialog dialog(book(), this);
    connect(&dialog, &LegacyImportDialog::logbookReplaced, this, [this] {
        updateCaption();
        showCarName();
    });
    dialog.exec();
    if (book_->fileName.empty()) // an imported logbook is untitled: no file of ours is open
        keepClaim(std::nullopt);
}

void MainWindow::importCsv()
{
    if (!savePrompt())
        return;
    // The records join the open logbook, so its windows stay open and show them, as after an
    // entry; the reports keep their figures until asked again, as they always do.
    if (CsvImportDialog::importFile(book(), this))
        refreshLists();
}

void MainWindow::refreshLists()
{
    for (QMdiSubWindow *child : mdiArea_->subWindowList()) {
        if (auto *list = qobject_cast<ListWindow *>(child->widget()))
            list->showLogbook();
    }
}

} // namespace fenlo
