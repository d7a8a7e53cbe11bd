// The frame's commands of the CSV export and the first-generation import.
#include "app/frame.h"

#include "exchange/windows/henkan.h"
#include "exchange/windows/textout.h"

namespace fenlo {

void TFrmFenloMenu::MITextOutClick()
{
    showChild(QStringLiteral("FrmtextOut"), [] { return FrmTextOut = new TFrmTextOut; });
}

void TFrmFenloMenu::N7Click()
{
    if (!savePrompt())
        return;
    closeAllChildren();
    TFrmHenkan dialog(this);
    dialog.exec();
}

} // namespace fenlo
