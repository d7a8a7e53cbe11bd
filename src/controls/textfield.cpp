#include "controls/textfield.h"

namespace fenlo {

TextField::TextField(QWidget *parent)
    : FieldLineEdit(Qt::AlignLeft, FieldBehaviour::CaretAfterF2::AtStart, parent)
{}

} // namespace fenlo
