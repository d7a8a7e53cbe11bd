#pragma once

#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

namespace fenlo {

// A push button of a dialog's bottom panel: named, with its hint, of a fixed size, and never
// the default button, so Enter in a field does not start the dialog's work.
QPushButton *panelButton(QWidget *parent, const QString &name, const QString &caption,
                         const QString &hint, QSize size);

} // namespace fenlo
