#pragma once

#include "entry/entrydialog.h"

#include <QPointer>

namespace fenlo {

class DateFields;
class TEditRR;
class TEditYYMMDD;

// One memo: its date and its text.
class TFrmMemoT : public EntryDialog
{
    Q_OBJECT

public:
    explicit TFrmMemoT(QWidget *parent = nullptr);

    // Add: the number of used slots (the memo goes into the next one). Change: its slot.
    int DataNo = 0;

    TEditYYMMDD *Edtyy;
    TEditYYMMDD *Edtmm;
    TEditYYMMDD *Edtdd;
    TEditRR *Memo1;

protected:
    void FormShow() override;
    void SBtnTourokuClick() override;

private:
    bool DataCheck();

    DateFields *date_;
};

inline QPointer<TFrmMemoT> FrmMemoT;

} // namespace fenlo
