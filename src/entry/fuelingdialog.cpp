#include "entry/fuelingdialog.h"

#include "controls/combofield.h"
#include "controls/datepartfield.h"
#include "controls/numberfield.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "data/datetime.h"
#include "data/error.h"
#include "data/fuelingfigures.h"
#include "data/numformat.h"
#include "entry/datefields.h"
#include "reports/choices.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenlo {
namespace {

QString general(Currency value)
{
    return QString::fromStdString(formatGeneral(value));
}

// 0 for an empty field or one that holds no number.
Currency optionalCurrency(const NumberField *field)
{
    try {
        return parseCurrency(field->valueText().trimmed().toStdString());
    } catch (const FenloError &) {
        return {};
    }
}

Currency requiredCurrency(const QString &text)
{
    return parseCurrency(text.toStdString());
}

bool sameMoment(DateTime a, DateTime b)
{
    return momentKey(a) == momentKey(b);
}

template <class Field> Field *field(QWidget *parent, const char *name, const char *hint)
{
    auto *f = new Field(parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setToolTip(QString::fromUtf8(hint));
    return f;
}

NumberField *decimalField(QWidget *parent, const char *name, const char *hint)
{
    NumberField *f = field<NumberField>(parent, name, hint);
    f->setAllowsDecimals(true);
    f->setMaxIntegerDigits(4);
    f->setMaxFractionDigits(1);
    f->setMaxLength(6);
    f->setFixedWidth(70);
    return f;
}

} // namespace

FuelingDialog::FuelingDialog(Logbook &book, QWidget *beside, QWidget *parent)
    : EntryDialog(book, beside, parent),
      yearField(field<DatePartField>(this, "Edtyy", "年を西暦４桁で入力してください。")),
      monthField(field<DatePartField>(this, "Edtmm", "月を入力してください")),
      dayField(field<DatePartField>(this, "Edtdd", "日を入力してください")),
      hourField(field<NumberField>(this, "EdtJi", "給油した時間を入力してください")),
      odometerField(decimalField(this, "Edtkyori1", "距離を入力してください")),
      tripField(decimalField(this, "Edtkyori2", "距離を入力してください")),
      litresField(decimalField(this, "Edtryou", "給油量を入力してください")),
      makerBox(field<ComboField>(this, "CmBxgas", "メーカーを選択してください")),
      categoryBox(field<ComboField>(this, "CmBxkubun", "燃料区分を選択してください")),
      amountField(field<NumberField>(this, "Edtkingaku", "金額を入力してください")),
      economyLabel(new QLabel(this)),
      commentField(field<TextField>(this, "Edtcomment", "コメントを入力してください")),
      dates_(new DateFields(yearField, monthField, dayField, this))
{
    setObjectName(QStringLiteral("FrmNenpiDataINT"));
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    setFixedSize(458, 335);

    yearField->setPart(DatePart::Year);
    yearField->setMaxLength(4);
    monthField->setPart(DatePart::Month);
    monthField->setMaxLength(2);
    dayField->setPart(DatePart::Day);
    dayField->setMonthField(monthField);
    dayField->setMaxLength(2);
    hourField->setMaxLength(2);
    amountField->setMaxLength(5);
    commentField->setMaxLength(100);
    commentField->setAttribute(Qt::WA_InputMethodEnabled, true);
    // A long free text: no highlight while it is typed.
    commentField->setFocusedBackground(FocusColors::plain().focusedBackground);
    makerBox->setFixedWidth(176);
    categoryBox->addItems(
        {QStringLiteral("レギュラー"), QStringLiteral("ハイオク"), QStringLiteral("軽油")});
    economyLabel->setObjectName(QStringLiteral("Lblnenpi"));
    economyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    economyLabel->setFrameShape(QFrame::Panel);
    economyLabel->setFrameShadow(QFrame::Sunken);
    economyLabel->setAutoFillBackground(true);
    economyLabel->setBackgroundRole(QPalette::ToolTipBase);
    economyLabel->setFixedWidth(70);

    for (FieldLineEdit *f : std::initializer_list<FieldLineEdit *>{
             yearField, monthField, dayField, hourField, odometerField, tripField, litresField,
             amountField, commentField})
        connect(f, &FieldLineEdit::changed, this, [this] { markChanged(); });
    for (ComboField *c : {makerBox, categoryBox})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { markChanged(); });
    connect(odometerField, &NumberField::exited, this,
            [this] { Prompter::guarded([this] { odometerLeft(); }); });
    for (NumberField *f : {tripField, litresField})
        connect(f, &NumberField::exited, this,
                [this, f] { Prompter::guarded([this, f] { quantityLeft(f); }); });

    buildForm();
}

void FuelingDialog::buildForm()
{
    auto text = [this](const char *t) { return new QLabel(QString::fromUtf8(t), this); };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    auto row = [&](int r, const char *caption, std::initializer_list<QWidget *> parts) {
        grid->addWidget(text(caption), r, 0);
        auto *line = new QHBoxLayout;
        line->setSpacing(4);
        for (QWidget *w : parts)
            line->addWidget(w);
        line->addStretch();
        grid->addLayout(line, r, 1);
    };
    for (NumberField *f :
         {static_cast<NumberField *>(monthField), static_cast<NumberField *>(dayField), hourField})
        f->setFixedWidth(28);
    yearField->setFixedWidth(44);
    amountField->setFixedWidth(70);
    row(0, "日付",
        {yearField, text("年"), monthField, text("月"), dayField, text("日"), hourField,
         text("時")});
    row(1, "距離(ﾄｰﾀﾙ)", {odometerField, text("km")});
    grid->addWidget(text("＜ﾄﾘｯﾌﾟﾒｰﾀｰの無い車の場合に利用してください。"), 2, 1);
    row(3, "距離(今回)", {tripField, text("km")});
    row(4, "給油量", {litresField, text("L")});
    row(5, "メーカー", {makerBox});
    row(6, "燃料区分", {categoryBox});
    row(7, "金額", {amountField});
    row(8, "燃費", {economyLabel, text("km/L")});
    row(9, "コメント", {commentField});
    commentField->setFixedWidth(330);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->addLayout(grid);
    outer->addStretch();
    outer->addWidget(buttonPanel());

    QWidget *order[] = {yearField,    monthField,     dayField,    hourField,   odometerField,
                        tripField,    litresField,    makerBox,    categoryBox, amountField,
                        commentField, registerButton, cancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FuelingDialog::populate()
{
    placeBeside(120);
    fillMakerList();
    if (isAddMode())
        clearFields();
    else
        fillFrom(book().fuelings[entrySlot]);
    yearField->setFocus(Qt::OtherFocusReason);
}

bool FuelingDialog::fillMakerList()
{
    makerBox->clear();
    for (const std::string &item : makerChoiceItems(book()))
        makerBox->addItem(QString::fromStdString(item));
    return makerBox->count() > 0;
}

void FuelingDialog::fillFrom(const Fueling &record)
{
    dates_->show(record.moment);
    hourField->setText(QString::fromStdString(formatHour(record.moment)));
    odometerField->setText(general(record.odometer));
    tripField->setText(general(record.trip));
    litresField->setText(general(record.litres));
    amountField->setText(general(record.amount));
    showEconomy(general(record.economy));
    commentField->setText(toQ(record.comment));
    int selected = -1;
    for (int i = 0; i < makerBox->count(); ++i)
        if (makerChoiceCode(makerBox->itemText(i).toStdString()) == record.makerCode)
            selected = i; // with duplicate codes the last one wins
    makerBox->setCurrentIndex(selected);
    categoryBox->setCurrentIndex(record.category - 1);
}

void FuelingDialog::clearFields()
{
    dates_->clear();
    for (NumberField *f : {hourField, odometerField, tripField, litresField, amountField})
        f->clear();
    commentField->clear();
    makerBox->setCurrentIndex(makerBox->count() > 0 ? 0 : -1);
    categoryBox->setCurrentIndex(0);
}

void FuelingDialog::roundField(NumberField *field)
{
    if (field->valueText().isEmpty())
        return;
    field->setText(QString::fromStdString(roundedToOneDecimal(field->valueText().toStdString())));
}

void FuelingDialog::odometerLeft()
{
    roundField(odometerField);
    if (entrySlot == 0)
        return;
    // The previous record in date order: the last stored one when adding.
    const int previous = isAddMode() ? entrySlot : entrySlot - 1;
    if (previous < 1)
        return;
    const Currency previousOdometer = book().fuelings[previous].odometer;
    if (previousOdometer.raw() == 0 || odometerField->valueText().isEmpty() ||
        !tripField->valueText().isEmpty())
        return;
    // A smaller odometer gives a negative trip, which the trip field does not accept and so
    // leaves empty.
    tripField->setText(general(requiredCurrency(odometerField->valueText()) - previousOdometer));
}

void FuelingDialog::quantityLeft(NumberField *sender)
{
    roundField(sender);
    calculateEconomy();
}

void FuelingDialog::calculateEconomy()
{
    const QString distance = tripField->valueText().trimmed();
    const QString litres = litresField->valueText().trimmed();
    if (distance.isEmpty() || litres.isEmpty())
        return;
    showEconomy(
        QString::fromStdString(economyText(requiredCurrency(distance), requiredCurrency(litres))));
}

void FuelingDialog::showEconomy(const QString &text)
{
    economyLabel->setText(text);
    economyBasis_ = {tripField->valueText().trimmed(), litresField->valueText().trimmed()};
}

int FuelingDialog::hour() const
{
    bool ok = false;
    const int h = hourField->valueText().toInt(&ok);
    return ok ? h : 0;
}

bool FuelingDialog::refuse(const QString &message, QWidget *focus)
{
    Prompter::warning(message);
    focus->setFocus(Qt::OtherFocusReason);
    return false;
}

bool FuelingDialog::checkEntries()
{
    if (yearField->valueText().isEmpty())
        return refuse(QStringLiteral("年が入力されていません"), yearField);
    if (monthField->valueText().isEmpty())
        return refuse(QStringLiteral("月が入力されていません"), yearField);
    if (dayField->valueText().isEmpty())
        return refuse(QStringLiteral("日が入力されていません"), yearField);
    if (tripField->valueText().isEmpty())
        return refuse(QStringLiteral("距離（今回）が入力されていません"), tripField);
    if (litresField->valueText().isEmpty())
        return refuse(QStringLiteral("給油量が入力されていません"), litresField);
    const std::optional<DateTime> moment = dates_->dateTime(hour());
    if (!moment)
        return refuse(QStringLiteral("日付の指定が違います"), yearField);
    if (isAddMode()) {
        for (const Fueling &r : book().fuelings)
            if (r.used() && sameMoment(r.moment, *moment)) {
                Prompter::warning(QStringLiteral("既に同じ年月日時で入力されています"));
                return false;
            }
    }
    // Only a stored maker code that is no longer registered leaves the list without a choice.
    if (!makerChoiceCode(makerBox->currentText().toStdString()))
        return refuse(QStringLiteral("メーカーを選択してください"), makerBox);
    return true;
}

// Every value converted before anything is written, so a value that does not convert leaves
// the slot as it was.
Fueling FuelingDialog::enteredRecord() const
{
    Fueling r;
    r.moment = *dates_->dateTime(hour());
    r.odometer = optionalCurrency(odometerField);
    r.trip = requiredCurrency(tripField->valueText());
    r.litres = requiredCurrency(litresField->valueText());
    r.amount = optionalCurrency(amountField);
    r.economy = requiredCurrency(economyLabel->text());
    r.makerCode = *makerChoiceCode(makerBox->currentText().toStdString());
    r.category = categoryBox->currentIndex() + 1;
    r.comment = storedText(commentField->text());
    return r;
}

void FuelingDialog::registerEntry()
{
    // Leaving the field being edited completes it (rounding, the year, the economy) first.
    yearField->setFocus(Qt::OtherFocusReason);
    dates_->completeYear(); // the year field itself may have had the focus, and is not left
    if (!checkEntries())
        return;
    // The economy on display may belong to other figures, when the trip was derived from the
    // odometer after the litres were entered; the stored economy must match the stored trip.
    if (economyBasis_ !=
        std::pair{tripField->valueText().trimmed(), litresField->valueText().trimmed()})
        calculateEconomy();
    const Fueling record = enteredRecord();
    book().fuelings[isAddMode() ? entrySlot + 1 : entrySlot] = record;
    if (edited)
        book().modified = true;
    finishRegistration();
}

} // namespace fenlo
