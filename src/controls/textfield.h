#pragma once

#include "controls/fieldlineedit.h"

namespace fenlo {

// The program's text field (names, comments, memos): no filtering beyond what the logbook can
// store, with the shared navigation and focus colours. The length limit counts characters as
// the user sees them.
class TextField : public FieldLineEdit
{
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);
};

} // namespace fenlo
