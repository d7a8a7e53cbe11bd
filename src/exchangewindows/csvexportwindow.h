#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace fenlo {

class CheckField;

// The MDI child that writes the fueling records to a CSV file. It only reads the logbook.
class CsvExportWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CsvExportWindow(QWidget *parent = nullptr);

    CheckField *titleBox;
    QToolButton *startButton; // start
    QToolButton *endButton;   // end

private:
    void exportCsv();
    void closeWindow();
    // The window's frame inside the MDI area (itself when not inside one).
    QWidget *outerWindow();
};

inline QPointer<CsvExportWindow> FrmTextOut;

} // namespace fenlo
