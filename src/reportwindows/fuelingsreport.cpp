#include "reportwindows/fuelingsreport.h"

namespace fenlo {

TFrmOut1::TFrmOut1(QWidget *parent)
    : DisplayWindow(DisplayKind::Fuelings, QStringLiteral("入力データ表示１"),
                    QColor(223, 255, 223), parent)
{}

} // namespace fenlo
