#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace fenlo {

class Logbook;

// The modal dialog that replaces the open logbook with the three data files of the program's
// first generation.
class LegacyImportDialog : public QDialog
{
    Q_OBJECT

    // The logbook an import replaces.
    Logbook &book_;

public:
    explicit LegacyImportDialog(Logbook &book, QWidget *parent = nullptr);

    QLineEdit *pathEdit; // the path of "nenpi.dat"
    QToolButton *browseButton;
    QPushButton *startButton;
    QPushButton *endButton;

Q_SIGNALS:
    // The open logbook was replaced by the imported one.
    void logbookReplaced();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void startImport();
    void browse();
    // Shows `path` in pathEdit whole, even past the length the user may type.
    void setPath(const QString &path);
};

} // namespace fenlo
