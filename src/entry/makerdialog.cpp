#include "entry/makerdialog.h"

#include "ui/prompter.h"
#include "controls/numberfield.h"
#include "controls/textfield.h"
#include "controls/qtext.h"
#include "data/logbook.h"
#include "ui/formfont.h"
#include "entry/makerlistwindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace fenlo {

MakerDialog::MakerDialog(QWidget *parent)
    : EntryDialog(parent), LblCD(new QLabel(QStringLiteral("ｺｰﾄﾞ"), this)),
      EdtCD(new NumberField(this)), EdtName(new TextField(this))
{
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    LblCD->setObjectName(QStringLiteral("LblCD"));
    EdtCD->setObjectName(QStringLiteral("EdtCD"));
    EdtCD->setMaxLength(2);
    EdtCD->setFixedWidth(30);
    EdtName->setObjectName(QStringLiteral("EdtName"));
    EdtName->setMaxLength(20);
    EdtName->setFixedWidth(160);
    connect(EdtCD, &NumberField::changed, this, &MakerDialog::markChanged);
    connect(EdtName, &TextField::changed, this, &MakerDialog::markChanged);

    auto *fields = new QGridLayout;
    fields->setContentsMargins(16, 14, 16, 0);
    fields->setVerticalSpacing(10);
    fields->addWidget(LblCD, 0, 0);
    fields->addWidget(EdtCD, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("名称"), this), 1, 0);
    fields->addWidget(EdtName, 1, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(buttonPanel());
    setTabOrder(EdtCD, EdtName);
    setFixedSize(264, 132);
}

void MakerDialog::FormShow()
{
    placeBeside(FrmGasIn, 120);
    const bool adding = isAddMode();
    LblCD->setEnabled(adding);
    EdtCD->setEnabled(adding);
    if (adding) {
        EdtCD->clear();
        EdtName->clear();
        EdtCD->setFocus();
        return;
    }
    const Maker &maker = book().makers[GasNo];
    EdtCD->setText(QString::number(maker.code));
    EdtName->setText(toQ(maker.name));
    EdtName->setFocus();
}

int MakerDialog::code() const { return EdtCD->Text().toInt(); }

bool MakerDialog::GasCheck()
{
    auto refuse = [](const QString &text, QWidget *field) {
        Prompter::warning(text);
        field->setFocus();
        return false;
    };
    if (EdtCD->Text().isEmpty())
        return refuse(QStringLiteral("コードが入力されていません"), EdtCD);
    // By value, so "00" is refused too when it is registered before the field was left.
    if (code() < 1)
        return refuse(QStringLiteral("コードは１～９９を指定してください"), EdtCD);
    if (EdtName->text().isEmpty())
        return refuse(QStringLiteral("名称が入力されていません"), EdtName);
    if (isAddMode()) {
        const auto &slots = book().makers;
        const int newCode = code();
        if (std::any_of(slots.begin(), slots.end(),
                        [newCode](const Maker &maker) { return maker.code == newCode; }))
            return refuse(QStringLiteral("既に同じコードが使用されています"), EdtCD);
    }
    return true;
}

void MakerDialog::SBtnTourokuClick()
{
    if (!GasCheck())
        return;
    Logbook &logbook = book();
    if (isAddMode())
        logbook.makers[GasNo + 1] = {code(), storedText(EdtName->text())};
    else
        logbook.makers[GasNo].name = storedText(EdtName->text());
    if (InputChanged)
        logbook.modified = true;
    finishRegistration();
}

} // namespace fenlo
