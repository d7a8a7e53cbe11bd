#include "exchangewindows/panelbutton.h"

#include <QPushButton>

namespace fenlo {

QPushButton *panelButton(QWidget *parent, const QString &name, const QString &caption,
                         const QString &hint, QSize size)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setFixedSize(size);
    return button;
}

} // namespace fenlo
