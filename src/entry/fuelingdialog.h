#pragma once

#include "entry/entrydialog.h"

#include "data/logbook.h"

#include <QPointer>

#include <optional>

class QLabel;

namespace fenlo {

class DateFields;
class ComboField;
class NumberField;
class TextField;
class DatePartField;

// The modal dialog that enters one fueling ("追加") or changes the one in slot DataNo ("変更").
// It completes two-digit years, rounds distances and litres to one decimal, derives the trip
// from the odometer and shows the economy; registering validates and writes the slot.
class FuelingDialog : public EntryDialog
{
    Q_OBJECT

public:
    explicit FuelingDialog(QWidget *parent = nullptr);

    // Add mode: the number of used slots (the new record goes after them). Change mode: the
    // slot being changed.
    int DataNo = 0;

    DatePartField *Edtyy;
    DatePartField *Edtmm;
    DatePartField *Edtdd;
    NumberField *EdtJi;
    NumberField *Edtkyori1;
    NumberField *Edtkyori2;
    NumberField *Edtryou;
    ComboField *CmBxgas;
    ComboField *CmBxkubun;
    NumberField *Edtkingaku;
    QLabel *Lblnenpi;
    TextField *Edtcomment;

protected:
    void FormShow() override;
    void SBtnTourokuClick() override;

private:
    void buildForm();
    bool GasListSet();
    void fillFrom(const Fueling &record);
    void clearFields();
    void Edtkyori1Exit();
    void Edtkyori2Exit(NumberField *sender);
    void roundField(NumberField *field);
    void NenpiCalc();
    void showEconomy(const QString &text);
    int hour() const;
    bool DataCheck();
    bool refuse(const QString &message, QWidget *focus);
    Fueling enteredRecord() const;

    DateFields *dates_;
    // The trip and litres texts the economy on display belongs to.
    std::optional<std::pair<QString, QString>> economyBasis_;
};

inline QPointer<FuelingDialog> FrmNenpiDataINT;

} // namespace fenlo
