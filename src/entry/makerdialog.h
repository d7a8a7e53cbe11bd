#pragma once

#include "entry/entrydialog.h"

#include <QPointer>

class QLabel;

namespace fenlo {

class TEditNN;
class TEditRR;

// One maker's code and name. Adding takes a free code of 1 to 99; changing edits the name
// only, since fuelings refer to the maker by its code.
class TFrmGasInT : public EntryDialog
{
    Q_OBJECT

public:
    explicit TFrmGasInT(QWidget *parent = nullptr);

    // Add: the number of used slots (the maker goes into the next one). Change: its slot.
    int GasNo = 0;

    QLabel *LblCD;
    TEditNN *EdtCD;
    TEditRR *EdtName;

protected:
    void FormShow() override;
    void SBtnTourokuClick() override;

private:
    bool GasCheck();
    int code() const;
};

inline QPointer<TFrmGasInT> FrmGasInT;

} // namespace fenlo
