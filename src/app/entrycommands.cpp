// The frame's commands that open the data-entry windows.
#include "app/mainwindow.h"
#include "entry/fuelinglistwindow.h"

namespace fenlo {

void TFrmFenloMenu::MIdataINClick()
{
    showChild(QStringLiteral("FrmNenpiDataIN"), [] {
        FrmNenpiDataIN = new TFrmNenpiDataIN;
        return FrmNenpiDataIN.data();
    });
}

} // namespace fenlo
