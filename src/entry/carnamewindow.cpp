#include "entry/carnamewindow.h"

#include "controls/qtext.h"
#include "controls/textfield.h"
#include "data/logbook.h"
#include "entry/entrydialog.h"
#include "ui/childwindow.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace fenlo {

CarNameWindow::CarNameWindow(Logbook &book, QWidget *parent)
    : QWidget(parent), nameField(new TextField(this)), book_(book),
      buttons_(
          this, {QStringLiteral("登録"), QStringLiteral("キャンセル")},
          [this] { Prompter::guarded([this] { registerEntry(); }); }, [this] { cancel(); })
{
    registerButton = buttons_.registerButton;
    cancelButton = buttons_.cancelButton;
    setWindowTitle(QStringLiteral("車名登録"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    nameField->setObjectName(QStringLiteral("EdtShamei"));
    nameField->setMaxLength(30);
    connect(nameField, &TextField::changed, this, [this] { edited = true; });

    auto *field = new QHBoxLayout;
    field->setContentsMargins(16, 24, 16, 0);
    field->addWidget(new QLabel(QStringLiteral("車名"), this));
    field->addWidget(nameField, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(field);
    layout->addStretch();
    layout->addWidget(buttons_.panel(this));
    setFixedSize(326, 120);
}

void CarNameWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Coming back from being minimised keeps what was typed.
    if (shown_)
        return;
    shown_ = true;
    nameField->setText(toQ(book_.carName));
    nameField->setFocus();
    nameField->selectAll(); // typing replaces the name
    edited = false;
}

void CarNameWindow::registerEntry()
{
    book_.carName = storedText(nameField->text());
    Q_EMIT carNameChanged();
    if (edited)
        book_.modified = true;
    edited = false;
    cancel();
}

void CarNameWindow::cancel()
{
    closeWithFrame(this);
}

void CarNameWindow::closeEvent(QCloseEvent *event)
{
    if (mayDiscardEdits(edited))
        event->accept();
    else
        event->ignore();
}

void CarNameWindow::contextMenuEvent(QContextMenuEvent *event)
{
    buttons_.popup->exec(event->globalPos());
}

} // namespace fenlo
