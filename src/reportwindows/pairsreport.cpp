#include "reportwindows/pairsreport.h"

namespace fenlo {

PairsReportWindow::PairsReportWindow(Logbook &book, QWidget *parent)
    : DisplayWindow(DisplayKind::Pairs, QStringLiteral("入力データ表示２"), QColor(255, 223, 223),
                    book, parent)
{}

} // namespace fenlo
