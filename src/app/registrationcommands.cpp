// The frame's commands that open the car-name, maker and memo windows.
#include "app/frame.h"

#include "entry/gasin.h"
#include "entry/memo.h"
#include "entry/shameit.h"

namespace fenlo {

void TFrmFenloMenu::MIShameiINClick()
{
    showChild(QStringLiteral("FrmShameiT"), [] { return FrmShameiT = new TFrmShameiT; });
}

void TFrmFenloMenu::MIgasINClick()
{
    showChild(QStringLiteral("FrmGasIn"), [] { return FrmGasIn = new TFrmGasIn; });
}

void TFrmFenloMenu::MImemoClick()
{
    showChild(QStringLiteral("FrmMemo"), [] { return FrmMemo = new TFrmMemo; });
}

} // namespace fenlo
