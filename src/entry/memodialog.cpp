#include "entry/memodialog.h"

#include "ui/prompter.h"
#include "controls/datepartfield.h"
#include "controls/textfield.h"
#include "controls/qtext.h"
#include "data/logbook.h"
#include "entry/datefields.h"
#include "ui/formfont.h"
#include "entry/memolistwindow.h"

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
    field->setYMDsw(part);
    field->setMaxLength(length);
    field->setToolTip(QString::fromUtf8(hint));
    field->setFixedWidth(length == 4 ? 40 : 24);
    return field;
}

} // namespace

MemoDialog::MemoDialog(QWidget *parent)
    : EntryDialog(parent),
      Edtyy(datePart(this, "Edtyy", DatePart::Year, 4, "年を西暦４桁で入力してください。")),
      Edtmm(datePart(this, "Edtmm", DatePart::Month, 2, "月を入力してください")),
      Edtdd(datePart(this, "Edtdd", DatePart::Day, 2, "日を入力してください")),
      Memo1(new TextField(this)), date_(new DateFields(Edtyy, Edtmm, Edtdd, this))
{
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    Edtdd->setYMDmm(Edtmm);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaxLength(255);
    connect(Edtyy, &DatePartField::changed, this, &MemoDialog::markChanged);
    connect(Edtmm, &DatePartField::changed, this, &MemoDialog::markChanged);
    connect(Edtdd, &DatePartField::changed, this, &MemoDialog::markChanged);
    connect(Memo1, &TextField::changed, this, &MemoDialog::markChanged);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(QStringLiteral("日付"), this));
    dateRow->addSpacing(8);
    dateRow->addWidget(Edtyy);
    dateRow->addWidget(new QLabel(QStringLiteral("年"), this));
    dateRow->addWidget(Edtmm);
    dateRow->addWidget(new QLabel(QStringLiteral("月"), this));
    dateRow->addWidget(Edtdd);
    dateRow->addWidget(new QLabel(QStringLiteral("日"), this));
    dateRow->addStretch();
    auto *memoRow = new QHBoxLayout;
    memoRow->addWidget(new QLabel(QStringLiteral("メモ"), this));
    memoRow->addSpacing(8);
    memoRow->addWidget(Memo1, 1);
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
    setTabOrder(Edtyy, Edtmm);
    setTabOrder(Edtmm, Edtdd);
    setTabOrder(Edtdd, Memo1);
    setFixedSize(514, 115);
}

void MemoDialog::FormShow()
{
    Edtyy->setFocus();
    placeBeside(FrmMemo, 10);
    if (isAddMode()) {
        date_->clear();
        Memo1->clear();
        return;
    }
    const Memo &memo = book().memos[DataNo];
    date_->show(memo.date);
    Memo1->setText(toQ(memo.text));
}

bool MemoDialog::DataCheck()
{
    auto refuse = [](const QString &text, QWidget *field) {
        Prompter::warning(text);
        field->setFocus();
        return false;
    };
    if (Edtyy->text().isEmpty())
        return refuse(QStringLiteral("年が入力されていません"), Edtyy);
    if (Edtmm->text().isEmpty())
        return refuse(QStringLiteral("月が入力されていません"), Edtyy);
    if (Edtdd->text().isEmpty())
        return refuse(QStringLiteral("日が入力されていません"), Edtyy);
    if (Memo1->text().isEmpty())
        return refuse(QStringLiteral("メモが入力されていません"), Memo1);
    if (!date_->dateTime())
        return refuse(QStringLiteral("日付の指定が違います"), Edtyy);
    return true;
}

void MemoDialog::SBtnTourokuClick()
{
    // Leaving the field that had the focus finishes its own checks first.
    Edtyy->setFocus();
    date_->completeYear();
    if (!DataCheck())
        return;
    Memo &memo = book().memos[isAddMode() ? DataNo + 1 : DataNo];
    memo = {*date_->dateTime(), storedText(Memo1->text())};
    if (InputChanged)
        book().modified = true;
    finishRegistration();
}

} // namespace fenlo
