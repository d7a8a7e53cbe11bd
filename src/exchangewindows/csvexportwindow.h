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

    CheckField *CbxHyoudai;
    QToolButton *SpeedButton1; // start
    QToolButton *SpeedButton2; // end

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    // The window's frame inside the MDI area (itself when not inside one).
    QWidget *outerWindow();
};

inline QPointer<CsvExportWindow> FrmTextOut;

} // namespace fenlo
