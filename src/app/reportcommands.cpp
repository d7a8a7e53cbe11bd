// The frame's commands that open the report windows.
#include "app/mainwindow.h"

#include "reportwindows/categoryreport.h"
#include "reportwindows/makerreport.h"
#include "reportwindows/fuelingsreport.h"
#include "reportwindows/pairsreport.h"
#include "reportwindows/monthlyreport.h"

namespace fenlo {

void TFrmFenloMenu::MIOut1Click()
{
    showChild(QStringLiteral("FrmOut1"), [] { return FrmOut1 = new TFrmOut1; });
}

void TFrmFenloMenu::MIOut2Click()
{
    showChild(QStringLiteral("FrmOut2"), [] { return FrmOut2 = new TFrmOut2; });
}

void TFrmFenloMenu::MIOut3Click()
{
    showChild(QStringLiteral("FrmTukibetu"), [] { return FrmTukibetu = new TFrmTukibetu; });
}

void TFrmFenloMenu::MIOut4Click()
{
    showChild(QStringLiteral("FrmMBNIR"), [] { return FrmMBNIR = new TFrmMBNIR; });
}

void TFrmFenloMenu::MIout5Click()
{
    showChild(QStringLiteral("FrmKBNIR"), [] { return FrmKbnir = new TFrmKbnir; });
}

} // namespace fenlo
