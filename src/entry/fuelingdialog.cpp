#include "entry/fuelingdialog.h"

#include "ui/prompter.h"
#include "controls/combofield.h"
#include "controls/numberfield.h"
#include "controls/textfield.h"
#include "controls/datepartfield.h"
#include "controls/qtext.h"
#include "data/datetime.h"
#include "data/error.h"
#include "data/numformat.h"
#include "entry/datefields.h"
#include "ui/formfont.h"
#include "entry/fuelingfigures.h"
#include "entry/fuelinglistwindow.h"
#include "reports/choices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

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
        return parseCurrency(field->Text().trimmed().toStdString());
    } catch (const FenloError &) {
        return {};
    }
}

Currency requiredCurrency(const QString &text)
{
    return parseCurrency(text.toStdString());
}

// Dates read back from a file keep 15 significant digits, so two records of one date and hour
// can differ in their last binary digits; they are the same when they name the same
// millisecond.
bool sameMoment(DateTime a, DateTime b)
{
    return std::llround(a * 86400000.0) == std::llround(b * 86400000.0);
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
    f->setDecimal(true);
    f->setMaxSeisu(4);
    f->setMaxShousu(1);
    f->setMaxLength(6);
    f->setFixedWidth(70);
    return f;
}

} // namespace

FuelingDialog::FuelingDialog(QWidget *parent)
    : EntryDialog(parent),
      Edtyy(field<DatePartField>(this, "Edtyy", "年を西暦４桁で入力してください。")),
      Edtmm(field<DatePartField>(this, "Edtmm", "月を入力してください")),
      Edtdd(field<DatePartField>(this, "Edtdd", "日を入力してください")),
      EdtJi(field<NumberField>(this, "EdtJi", "給油した時間を入力してください")),
      Edtkyori1(decimalField(this, "Edtkyori1", "距離を入力してください")),
      Edtkyori2(decimalField(this, "Edtkyori2", "距離を入力してください")),
      Edtryou(decimalField(this, "Edtryou", "給油量を入力してください")),
      CmBxgas(field<ComboField>(this, "CmBxgas", "メーカーを選択してください")),
      CmBxkubun(field<ComboField>(this, "CmBxkubun", "燃料区分を選択してください")),
      Edtkingaku(field<NumberField>(this, "Edtkingaku", "金額を入力してください")),
      Lblnenpi(new QLabel(this)),
      Edtcomment(field<TextField>(this, "Edtcomment", "コメントを入力してください")),
      dates_(new DateFields(Edtyy, Edtmm, Edtdd, this))
{
    setObjectName(QStringLiteral("FrmNenpiDataINT"));
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    setFixedSize(458, 335);

    Edtyy->setYMDsw(DatePart::Year);
    Edtyy->setMaxLength(4);
    Edtmm->setYMDsw(DatePart::Month);
    Edtmm->setMaxLength(2);
    Edtdd->setYMDsw(DatePart::Day);
    Edtdd->setYMDmm(Edtmm);
    Edtdd->setMaxLength(2);
    EdtJi->setMaxLength(2);
    Edtkingaku->setMaxLength(5);
    Edtcomment->setMaxLength(100);
    Edtcomment->setAttribute(Qt::WA_InputMethodEnabled, true);
    // A long free text: no highlight while it is typed.
    Edtcomment->setFcsColor(FocusColors::plain().fcsColor);
    CmBxgas->setFixedWidth(176);
    CmBxkubun->addItems(
        {QStringLiteral("レギュラー"), QStringLiteral("ハイオク"), QStringLiteral("軽油")});
    Lblnenpi->setObjectName(QStringLiteral("Lblnenpi"));
    Lblnenpi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lblnenpi->setFrameShape(QFrame::Panel);
    Lblnenpi->setFrameShadow(QFrame::Sunken);
    Lblnenpi->setAutoFillBackground(true);
    Lblnenpi->setBackgroundRole(QPalette::ToolTipBase);
    Lblnenpi->setFixedWidth(70);

    for (FieldLineEdit *f : std::initializer_list<FieldLineEdit *>{
             Edtyy, Edtmm, Edtdd, EdtJi, Edtkyori1, Edtkyori2, Edtryou, Edtkingaku, Edtcomment})
        connect(f, &FieldLineEdit::changed, this, [this] { markChanged(); });
    for (ComboField *c : {CmBxgas, CmBxkubun})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { markChanged(); });
    connect(Edtkyori1, &NumberField::exited, this,
            [this] { Prompter::guarded([this] { Edtkyori1Exit(); }); });
    for (NumberField *f : {Edtkyori2, Edtryou})
        connect(f, &NumberField::exited, this,
                [this, f] { Prompter::guarded([this, f] { Edtkyori2Exit(f); }); });

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
    for (NumberField *f : {static_cast<NumberField *>(Edtmm), static_cast<NumberField *>(Edtdd), EdtJi})
        f->setFixedWidth(28);
    Edtyy->setFixedWidth(44);
    Edtkingaku->setFixedWidth(70);
    row(0, "日付", {Edtyy, text("年"), Edtmm, text("月"), Edtdd, text("日"), EdtJi, text("時")});
    row(1, "距離(ﾄｰﾀﾙ)", {Edtkyori1, text("km")});
    grid->addWidget(text("＜ﾄﾘｯﾌﾟﾒｰﾀｰの無い車の場合に利用してください。"), 2, 1);
    row(3, "距離(今回)", {Edtkyori2, text("km")});
    row(4, "給油量", {Edtryou, text("L")});
    row(5, "メーカー", {CmBxgas});
    row(6, "燃料区分", {CmBxkubun});
    row(7, "金額", {Edtkingaku});
    row(8, "燃費", {Lblnenpi, text("km/L")});
    row(9, "コメント", {Edtcomment});
    Edtcomment->setFixedWidth(330);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 12, 16, 12);
    outer->addLayout(grid);
    outer->addStretch();
    outer->addWidget(buttonPanel());

    QWidget *order[] = {Edtyy,   Edtmm,     Edtdd,      EdtJi,      Edtkyori1,  Edtkyori2, Edtryou,
                        CmBxgas, CmBxkubun, Edtkingaku, Edtcomment, BtnTouroku, BtnCancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FuelingDialog::FormShow()
{
    placeBeside(FrmNenpiDataIN, 120);
    GasListSet();
    if (isAddMode())
        clearFields();
    else
        fillFrom(book().fuelings[DataNo]);
    Edtyy->setFocus(Qt::OtherFocusReason);
}

bool FuelingDialog::GasListSet()
{
    CmBxgas->clear();
    for (const std::string &item : makerChoiceItems(book()))
        CmBxgas->addItem(QString::fromStdString(item));
    return CmBxgas->count() > 0;
}

void FuelingDialog::fillFrom(const Fueling &record)
{
    dates_->show(record.moment);
    EdtJi->setText(QString::fromStdString(formatHour(record.moment)));
    Edtkyori1->setText(general(record.odometer));
    Edtkyori2->setText(general(record.trip));
    Edtryou->setText(general(record.litres));
    Edtkingaku->setText(general(record.amount));
    showEconomy(general(record.economy));
    Edtcomment->setText(toQ(record.comment));
    int selected = -1;
    for (int i = 0; i < CmBxgas->count(); ++i)
        if (makerChoiceCode(CmBxgas->itemText(i).toStdString()) == record.makerCode)
            selected = i; // with duplicate codes the last one wins
    CmBxgas->setCurrentIndex(selected);
    CmBxkubun->setCurrentIndex(record.category - 1);
}

void FuelingDialog::clearFields()
{
    dates_->clear();
    for (NumberField *f : {EdtJi, Edtkyori1, Edtkyori2, Edtryou, Edtkingaku})
        f->clear();
    Edtcomment->clear();
    CmBxgas->setCurrentIndex(CmBxgas->count() > 0 ? 0 : -1);
    CmBxkubun->setCurrentIndex(0);
}

void FuelingDialog::roundField(NumberField *field)
{
    if (field->Text().isEmpty())
        return;
    field->setText(QString::fromStdString(roundedToOneDecimal(field->Text().toStdString())));
}

void FuelingDialog::Edtkyori1Exit()
{
    roundField(Edtkyori1);
    if (DataNo == 0)
        return;
    // The previous record in date order: the last stored one when adding.
    const int previous = isAddMode() ? DataNo : DataNo - 1;
    if (previous < 1)
        return;
    const Currency previousKyori1 = book().fuelings[previous].odometer;
    if (previousKyori1.raw() == 0 || Edtkyori1->Text().isEmpty() || !Edtkyori2->Text().isEmpty())
        return;
    // A smaller odometer gives a negative trip, which the trip field does not accept and so
    // leaves empty.
    Edtkyori2->setText(general(requiredCurrency(Edtkyori1->Text()) - previousKyori1));
}

void FuelingDialog::Edtkyori2Exit(NumberField *sender)
{
    roundField(sender);
    NenpiCalc();
}

void FuelingDialog::NenpiCalc()
{
    const QString distance = Edtkyori2->Text().trimmed();
    const QString litres = Edtryou->Text().trimmed();
    if (distance.isEmpty() || litres.isEmpty())
        return;
    showEconomy(
        QString::fromStdString(economyText(requiredCurrency(distance), requiredCurrency(litres))));
}

void FuelingDialog::showEconomy(const QString &text)
{
    Lblnenpi->setText(text);
    economyBasis_ = {Edtkyori2->Text().trimmed(), Edtryou->Text().trimmed()};
}

int FuelingDialog::hour() const
{
    bool ok = false;
    const int h = EdtJi->Text().toInt(&ok);
    return ok ? h : 0;
}

bool FuelingDialog::refuse(const QString &message, QWidget *focus)
{
    Prompter::warning(message);
    focus->setFocus(Qt::OtherFocusReason);
    return false;
}

bool FuelingDialog::DataCheck()
{
    if (Edtyy->Text().isEmpty())
        return refuse(QStringLiteral("年が入力されていません"), Edtyy);
    if (Edtmm->Text().isEmpty())
        return refuse(QStringLiteral("月が入力されていません"), Edtyy);
    if (Edtdd->Text().isEmpty())
        return refuse(QStringLiteral("日が入力されていません"), Edtyy);
    if (Edtkyori2->Text().isEmpty())
        return refuse(QStringLiteral("距離（今回）が入力されていません"), Edtkyori2);
    if (Edtryou->Text().isEmpty())
        return refuse(QStringLiteral("給油量が入力されていません"), Edtryou);
    const std::optional<DateTime> moment = dates_->dateTime(hour());
    if (!moment)
        return refuse(QStringLiteral("日付の指定が違います"), Edtyy);
    if (isAddMode()) {
        for (const Fueling &r : book().fuelings)
            if (r.used() && sameMoment(r.moment, *moment)) {
                Prompter::warning(QStringLiteral("既に同じ年月日時で入力されています"));
                return false;
            }
    }
    // Only a stored maker code that is no longer registered leaves the list without a choice.
    if (!makerChoiceCode(CmBxgas->currentText().toStdString()))
        return refuse(QStringLiteral("メーカーを選択してください"), CmBxgas);
    return true;
}

// Every value converted before anything is written, so a value that does not convert leaves
// the slot as it was.
Fueling FuelingDialog::enteredRecord() const
{
    Fueling r;
    r.moment = *dates_->dateTime(hour());
    r.odometer = optionalCurrency(Edtkyori1);
    r.trip = requiredCurrency(Edtkyori2->Text());
    r.litres = requiredCurrency(Edtryou->Text());
    r.amount = optionalCurrency(Edtkingaku);
    r.economy = requiredCurrency(Lblnenpi->text());
    r.makerCode = *makerChoiceCode(CmBxgas->currentText().toStdString());
    r.category = CmBxkubun->currentIndex() + 1;
    r.comment = storedText(Edtcomment->text());
    return r;
}

void FuelingDialog::SBtnTourokuClick()
{
    // Leaving the field being edited completes it (rounding, the year, the economy) first.
    Edtyy->setFocus(Qt::OtherFocusReason);
    dates_->completeYear(); // the year field itself may have had the focus, and is not left
    if (!DataCheck())
        return;
    // The economy on display may belong to other figures, when the trip was derived from the
    // odometer after the litres were entered; the stored economy must match the stored trip.
    if (economyBasis_ != std::pair{Edtkyori2->Text().trimmed(), Edtryou->Text().trimmed()})
        NenpiCalc();
    const Fueling record = enteredRecord();
    book().fuelings[isAddMode() ? DataNo + 1 : DataNo] = record;
    if (InputChanged)
        book().modified = true;
    finishRegistration();
}

} // namespace fenlo
