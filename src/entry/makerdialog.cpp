#include "entry/makerdialog.h"

#include "controls/numberfield.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "data/logbook.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace fenlo {

MakerDialog::MakerDialog(Logbook &book, QWidget *beside, QWidget *parent)
    : EntryDialog(book, beside, parent), codeLabel(new QLabel(QStringLiteral("ｺｰﾄﾞ"), this)),
      codeField(new NumberField(this)), nameField(new TextField(this))
{
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    codeLabel->setObjectName(QStringLiteral("LblCD"));
    codeField->setObjectName(QStringLiteral("EdtCD"));
    codeField->setMaxLength(2);
    codeField->setFixedWidth(30);
    nameField->setObjectName(QStringLiteral("EdtName"));
    nameField->setMaxLength(20);
    nameField->setFixedWidth(160);
    connect(codeField, &NumberField::changed, this, &MakerDialog::markChanged);
    connect(nameField, &TextField::changed, this, &MakerDialog::markChanged);

    auto *fields = new QGridLayout;
    fields->setContentsMargins(16, 14, 16, 0);
    fields->setVerticalSpacing(10);
    fields->addWidget(codeLabel, 0, 0);
    fields->addWidget(codeField, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("名称"), this), 1, 0);
    fields->addWidget(nameField, 1, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(buttonPanel());
    setTabOrder(codeField, nameField);
    setFixedSize(264, 132);
}

void MakerDialog::populate()
{
    placeBeside(120);
    const bool adding = isAddMode();
    codeLabel->setEnabled(adding);
    codeField->setEnabled(adding);
    if (adding) {
        codeField->clear();
        nameField->clear();
        codeField->setFocus();
        return;
    }
    const Maker &maker = book().makers[entrySlot];
    codeField->setText(QString::number(maker.code));
    nameField->setText(toQ(maker.name));
    nameField->setFocus();
}

int MakerDialog::code() const
{
    return codeField->valueText().toInt();
}

bool MakerDialog::checkEntries()
{
    auto refuse = [](const QString &text, QWidget *field) {
        Prompter::warning(text);
        field->setFocus();
        return false;
    };
    if (codeField->valueText().isEmpty())
        return refuse(QStringLiteral("コードが入力されていません"), codeField);
    // By value, so "00" is refused too when it is registered before the field was left.
    if (code() < 1)
        return refuse(QStringLiteral("コードは１～９９を指定してください"), codeField);
    if (nameField->text().isEmpty())
        return refuse(QStringLiteral("名称が入力されていません"), nameField);
    if (isAddMode()) {
        const auto &slots = book().makers;
        const int newCode = code();
        if (std::any_of(slots.begin(), slots.end(),
                        [newCode](const Maker &maker) { return maker.code == newCode; }))
            return refuse(QStringLiteral("既に同じコードが使用されています"), codeField);
    }
    return true;
}

void MakerDialog::registerEntry()
{
    if (!checkEntries())
        return;
    Logbook &logbook = book();
    if (isAddMode())
        logbook.makers[entrySlot + 1] = {code(), storedText(nameField->text())};
    else
        logbook.makers[entrySlot].name = storedText(nameField->text());
    if (edited)
        logbook.modified = true;
    finishRegistration();
}

} // namespace fenlo
