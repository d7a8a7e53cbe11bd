#include "controls/textfield.h"

namespace fenlo {

TEditRR::TEditRR(QWidget *parent)
    : FieldLineEdit(Qt::AlignLeft, FieldBehaviour::CaretAfterF2::AtStart, parent)
{}

} // namespace fenlo
