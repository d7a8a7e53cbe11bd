#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace fenlo {

class TCheckBoxR;

// Writes the fuelings of the open logbook as a CSV file for spreadsheets. It only reads the
// logbook.
class TFrmTextOut : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmTextOut(QWidget *parent = nullptr);

    TCheckBoxR *CbxHyoudai;
    QPushButton *SpeedButton1;
    QPushButton *SpeedButton2;

private:
    void SpeedButton1Click();
};

inline QPointer<TFrmTextOut> FrmTextOut;

} // namespace fenlo
