#include "entry/memodialog.h"

#include "controls/datepartfield.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "data/logbook.h"
#include "entry/datefields.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace fenlo {
namespace {

DatePartField *datePart(QWidget *parent, const char *name, DatePart part, int length,
                        const char *hint)
{
    auto *field = new DatePartField(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setPart(part);
    field->setMaxLength(length);
    field->setToolTip(QString::fromUtf8(hint));
    field->setFixedWidth(length == 4 ? 40 : 24);
    return field;
}

} // namespace

MemoDialog::MemoDialog(Logbook &book, QWidget *beside, QWidget *parent)
    : EntryDialog(book, beside, parent),
      yearField(datePart(this, "Edtyy", DatePart::Year, 4, "年を西暦４桁で入力してください。")),
      monthField(datePart(this, "Edtmm", DatePart::Month, 2, "月を入力してください")),
      dayField(datePart(this, "Edtdd", DatePart::Day, 2, "日を入力してください")),
      textField(new TextField(this)), date_(new DateFields(yearField, monthField, dayField, this))
{
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    dayField->setMonthField(monthField);
    textField->setObjectName(QStringLiteral("Memo1"));
    textField->setMaxLength(255);
    connect(yearField, &DatePartField::changed, this, &MemoDialog::markChanged);
    connect(monthField, &DatePartField::changed, this, &MemoDialog::markChanged);
    connect(dayField, &DatePartField::changed, this, &MemoDialog::markChanged);
    connect(textField, &TextField::changed, this, &MemoDialog::markChanged);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(QStringLiteral("日付"), this));
    dateRow->addSpacing(8);
    dateRow->addWidget(yearField);
    dateRow->addWidget(new QLabel(QStringLiteral("年"), this));
    dateRow->addWidget(monthField);
    dateRow->addWidget(new QLabel(QStringLiteral("月"), this));
    dateRow->addWidget(dayField);
    dateRow->addWidget(new QLabel(QStringLiteral("日"), this));
    dateRow->addStretch();
    auto *memoRow = new QHBoxLayout;
    memoRow->addWidget(new QLabel(QStringLiteral("メモ"), this));
    memoRow->addSpacing(8);
    memoRow->addWidget(textField, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *fields = new QVBoxLayout;
    fields->setContentsMargins(12, 8, 12, 0);
    fields->addLayout(dateRow);
    fields->addLayout(memoRow);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(buttonPanel());
    setTabOrder(yearField, monthField);
    setTabOrder(monthField, dayField);
    setTabOrder(dayField, textField);
    setFixedSize(514, 115);
}

void MemoDialog::populate()
{
    yearField->setFocus();
    placeBeside(10);
    if (isAddMode()) {
        date_->clear();
        textField->clear();
        return;
    }
    const Memo &memo = book().memos[entrySlot];
    date_->show(memo.date);
    textField->setText(toQ(memo.text));
}

bool MemoDialog::checkEntries()
{
    auto refuse = [](const QString &text, QWidget *field) {
        Prompter::warning(text);
        field->setFocus();
        return false;
    };
    if (yearField->text().isEmpty())
        return refuse(QStringLiteral("年が入力されていません"), yearField);
    if (monthField->text().isEmpty())
        return refuse(QStringLiteral("月が入力されていません"), yearField);
    if (dayField->text().isEmpty())
        return refuse(QStringLiteral("日が入力されていません"), yearField);
    if (textField->text().isEmpty())
        return refuse(QStringLiteral("メモが入力されていません"), textField);
    if (!date_->dateTime())
        return refuse(QStringLiteral("日付の指定が違います"), yearField);
    return true;
}

void MemoDialog::registerEntry()
{
    // Leaving the field that had the focus finishes its own checks first.
    yearField->setFocus();
    date_->completeYear();
    if (!checkEntries())
        return;
    Memo &memo = book().memos[isAddMode() ? entrySlot + 1 : entrySlot];
    memo = {*date_->dateTime(), storedText(textField->text())};
    if (edited)
        book().modified = true;
    finishRegistration();
}

} // namespace fenlo
