#pragma once

#include "reportwindows/displaywindow.h"

namespace fenlo {

// Input data display 2: each fueling with what the next fueling measured of its fuel.
class PairsReportWindow : public DisplayWindow
{
    Q_OBJECT

public:
    explicit PairsReportWindow(Logbook &book, QWidget *parent = nullptr);
};

} // namespace fenlo
