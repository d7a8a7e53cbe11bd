#pragma once

#include "entry/entrydialog.h"

#include <QPointer>

namespace fenlo {

class DateFields;
class TextField;
class DatePartField;

// One memo: its date and its text.
class MemoDialog : public EntryDialog
{
    Q_OBJECT

public:
    explicit MemoDialog(QWidget *parent = nullptr);

    // Add: the number of used slots (the memo goes into the next one). Change: its slot.
    int DataNo = 0;

    DatePartField *Edtyy;
    DatePartField *Edtmm;
    DatePartField *Edtdd;
    TextField *Memo1;

protected:
    void FormShow() override;
    void SBtnTourokuClick() override;

private:
    bool DataCheck();

    DateFields *date_;
};

inline QPointer<MemoDialog> FrmMemoT;

} // namespace fenlo
