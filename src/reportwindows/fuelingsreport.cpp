#include "reportwindows/fuelingsreport.h"

namespace fenlo {

FuelingsReportWindow::FuelingsReportWindow(QWidget *parent)
    : DisplayWindow(DisplayKind::Fuelings, QStringLiteral("入力データ表示１"),
                    QColor(223, 255, 223), parent)
{}

} // namespace fenlo
