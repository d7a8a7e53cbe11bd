#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace fenlo {

class TCheckBoxR;

// The MDI child that writes the fueling records to a CSV file. It only reads the logbook.
class TFrmTextOut : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmTextOut(QWidget *parent = nullptr);

    TCheckBoxR *CbxHyoudai;
    QToolButton *SpeedButton1; // start
    QToolButton *SpeedButton2; // end

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    // The window's frame inside the MDI area (itself when not inside one).
    QWidget *outerWindow();
};

inline QPointer<TFrmTextOut> FrmTextOut;

} // namespace fenlo
