// The frame's commands that open the data-entry windows.
#include "app/frame.h"
#include "entry/nenpidatain.h"

namespace fenlo {

void TFrmFenloMenu::MIdataINClick()
{
    showChild(QStringLiteral("FrmNenpiDataIN"), [] {
        FrmNenpiDataIN = new TFrmNenpiDataIN;
        return FrmNenpiDataIN.data();
    });
}

} // namespace fenlo
