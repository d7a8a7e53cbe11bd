#pragma once

#include "entry/entrydialog.h"

#include "data/logbook.h"

#include <optional>

class QLabel;

namespace fenlo {

class DateFields;
class ComboField;
class NumberField;
class TextField;
class DatePartField;

// The modal dialog that enters one fueling ("追加") or changes the one in slot entrySlot ("変更").
// It completes two-digit years, rounds distances and litres to one decimal, derives the trip
// from the odometer and shows the economy; registering validates and writes the slot.
class FuelingDialog : public EntryDialog
{
    Q_OBJECT

public:
    FuelingDialog(Logbook &book, QWidget *beside, QWidget *parent = nullptr);

    // Add mode: the number of used slots (the new record goes after them). Change mode: the
    // slot being changed.
    int entrySlot = 0;

    DatePartField *yearField;
    DatePartField *monthField;
    DatePartField *dayField;
    NumberField *hourField;
    NumberField *odometerField;
    NumberField *tripField;
    NumberField *litresField;
    ComboField *makerBox;
    ComboField *categoryBox;
    NumberField *amountField;
    QLabel *economyLabel;
    TextField *commentField;

protected:
    void populate() override;
    void registerEntry() override;

private:
    void buildForm();
    bool fillMakerList();
    void fillFrom(const Fueling &record);
    void clearFields();
    void odometerLeft();
    void quantityLeft(NumberField *sender);
    void roundField(NumberField *field);
    void calculateEconomy();
    void showEconomy(const QString &text);
    int hour() const;
    bool checkEntries();
    bool refuse(const QString &message, QWidget *focus);
    Fueling enteredRecord() const;

    DateFields *dates_;
    // The trip and litres texts the economy on display belongs to.
    std::optional<std::pair<QString, QString>> economyBasis_;
};

} // namespace fenlo
