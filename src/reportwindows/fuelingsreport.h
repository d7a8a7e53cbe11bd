#pragma once

#include "reportwindows/displaywindow.h"

namespace fenlo {

// Input data display 1: the fuelings themselves.
class FuelingsReportWindow : public DisplayWindow
{
    Q_OBJECT

public:
    explicit FuelingsReportWindow(Logbook &book, QWidget *parent = nullptr);
};

} // namespace fenlo
