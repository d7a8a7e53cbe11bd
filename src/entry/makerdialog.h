#pragma once

#include "entry/entrydialog.h"

class QLabel;

namespace fenlo {

class NumberField;
class TextField;

// One maker's code and name. Adding takes a free code of 1 to 99; changing edits the name
// only, since fuelings refer to the maker by its code.
class MakerDialog : public EntryDialog
{
    Q_OBJECT

public:
    MakerDialog(Logbook &book, QWidget *beside, QWidget *parent = nullptr);

    // Add: the number of used slots (the maker goes into the next one). Change: its slot.
    int entrySlot = 0;

    QLabel *codeLabel;
    NumberField *codeField;
    TextField *nameField;

protected:
    void populate() override;
    void registerEntry() override;

private:
    bool checkEntries();
    int code() const;
};

} // namespace fenlo
