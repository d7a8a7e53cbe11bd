#pragma once

#include "entry/entrydialog.h"

#include "data/logbook.h"

#include <QPointer>

#include <optional>

class QLabel;

namespace fenlo {

class DateFields;
class TComboBoxRR;
class TEditNN;
class TEditRR;
class TEditYYMMDD;

// The modal dialog that enters one fueling ("追加") or changes the one in slot DataNo ("変更").
// It completes two-digit years, rounds distances and litres to one decimal, derives the trip
// from the odometer and shows the economy; registering validates and writes the slot.
class TFrmNenpiDataINT : public EntryDialog
{
    Q_OBJECT

public:
    explicit TFrmNenpiDataINT(QWidget *parent = nullptr);

    // Add mode: the number of used slots (the new record goes after them). Change mode: the
    // slot being changed.
    int DataNo = 0;

    TEditYYMMDD *Edtyy;
    TEditYYMMDD *Edtmm;
    TEditYYMMDD *Edtdd;
    TEditNN *EdtJi;
    TEditNN *Edtkyori1;
    TEditNN *Edtkyori2;
    TEditNN *Edtryou;
    TComboBoxRR *CmBxgas;
    TComboBoxRR *CmBxkubun;
    TEditNN *Edtkingaku;
    QLabel *Lblnenpi;
    TEditRR *Edtcomment;

protected:
    void FormShow() override;
    void SBtnTourokuClick() override;

private:
    void buildForm();
    bool GasListSet();
    void fillFrom(const Tnenpi3 &record);
    void clearFields();
    void Edtkyori1Exit();
    void Edtkyori2Exit(TEditNN *sender);
    void roundField(TEditNN *field);
    void NenpiCalc();
    void showEconomy(const QString &text);
    int hour() const;
    bool DataCheck();
    bool refuse(const QString &message, QWidget *focus);
    Tnenpi3 enteredRecord() const;

    DateFields *dates_;
    // The trip and litres texts the economy on display belongs to.
    std::optional<std::pair<QString, QString>> economyBasis_;
};

inline QPointer<TFrmNenpiDataINT> FrmNenpiDataINT;

} // namespace fenlo
