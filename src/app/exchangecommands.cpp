// The frame's commands of the CSV export and the import of first-generation data.
#include "app/mainwindow.h"

#include "exchangewindows/csvexportwindow.h"
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

} // namespace fenlo
