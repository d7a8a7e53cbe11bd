#pragma once

#include "entry/entrydialog.h"

namespace fenlo {

class DateFields;
class TextField;
class DatePartField;

// One memo: its date and its text.
class MemoDialog : public EntryDialog
{
    Q_OBJECT

public:
    MemoDialog(Logbook &book, QWidget *beside, QWidget *parent = nullptr);

    // Add: the number of used slots (the memo goes into the next one). Change: its slot.
    int entrySlot = 0;

    DatePartField *yearField;
    DatePartField *monthField;
    DatePartField *dayField;
    TextField *textField;

protected:
    void populate() override;
    void registerEntry() override;

private:
    bool checkEntries();

    DateFields *date_;
};

} // namespace fenlo
