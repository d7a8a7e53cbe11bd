#pragma once

#include "reportwindows/displaywindow.h"

#include <QPointer>

namespace fenlo {

// Input data display 1: the fuelings themselves.
class FuelingsReportWindow : public DisplayWindow
{
    Q_OBJECT

public:
    explicit FuelingsReportWindow(QWidget *parent = nullptr);
};

inline QPointer<FuelingsReportWindow> FrmOut1;

} // namespace fenlo
