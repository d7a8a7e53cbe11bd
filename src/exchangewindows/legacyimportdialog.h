#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace fenlo {

// The modal dialog that replaces the open logbook with the three data files of the program's
// first generation.
class LegacyImportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LegacyImportDialog(QWidget *parent = nullptr);

    QLineEdit *pathEdit;       // the path of "nenpi.dat"
    QToolButton *browseButton; // browse
    QPushButton *startButton;  // start
    QPushButton *endButton;    // end

protected:
    void showEvent(QShowEvent *event) override;

private:
    void startImport();
    void browse();
    // Shows `path` in pathEdit whole, even past the length the user may type.
    void setPath(const QString &path);
};

inline QPointer<LegacyImportDialog> FrmHenkan;

} // namespace fenlo
