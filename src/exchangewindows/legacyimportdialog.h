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

    QLineEdit *Edit1;          // the path of "nenpi.dat"
    QToolButton *SpeedButton1; // browse
    QPushButton *Button1;      // start
    QPushButton *Button2;      // end

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button1Click();
    void SpeedButton1Click();
    // Shows `path` in Edit1 whole, even past the length the user may type.
    void setPath(const QString &path);
};

inline QPointer<LegacyImportDialog> FrmHenkan;

} // namespace fenlo
