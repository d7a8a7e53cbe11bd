#pragma once

#include "reportwindows/displaywindow.h"

#include <QPointer>

namespace fenlo {

// Input data display 2: each fueling with what the next fueling measured of its fuel.
class PairsReportWindow : public DisplayWindow
{
    Q_OBJECT

public:
    explicit PairsReportWindow(QWidget *parent = nullptr);
};

inline QPointer<PairsReportWindow> FrmOut2;

} // namespace fenlo
