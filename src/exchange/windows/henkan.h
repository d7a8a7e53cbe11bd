#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace fenlo {

class TEditRR;

// Reads the three data files of the program's first generation into a new, untitled logbook.
// The open logbook is replaced only when every file was read.
class TFrmHenkan : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmHenkan(QWidget *parent = nullptr);

    TEditRR *Edit1;
    QToolButton *SpeedButton1;
    QPushButton *Button1;
    QPushButton *Button2;

private:
    void Button1Click();
    void SpeedButton1Click();
};

} // namespace fenlo
