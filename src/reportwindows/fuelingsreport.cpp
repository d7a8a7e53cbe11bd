#include "reportwindows/fuelingsreport.h"

namespace fenlo {

FuelingsReportWindow::FuelingsReportWindow(Logbook &book, QWidget *parent)
    : DisplayWindow(DisplayKind::Fuelings, QStringLiteral("入力データ表示１"),
                    QColor(223, 255, 223), book, parent)
{}

} // namespace fenlo
