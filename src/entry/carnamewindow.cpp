#include "entry/carnamewindow.h"

#include "app/mainwindow.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "entry/entrydialog.h"
#include "ui/formfont.h"
#include "ui/prompter.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

namespace fenlo {

CarNameWindow::CarNameWindow(QWidget *parent)
    : QWidget(parent), nameField(new TextField(this)),
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
    nameField->setText(toQ(FrmFenloMenu->book().carName));
    nameField->setFocus();
    nameField->selectAll(); // typing replaces the name
    edited = false;
}

void CarNameWindow::registerEntry()
{
    Logbook &book = FrmFenloMenu->book();
    book.carName = storedText(nameField->text());
    FrmFenloMenu->showCarName();
    if (edited)
        book.modified = true;
    edited = false;
    cancel();
}

void CarNameWindow::cancel()
{
    MainWindow::closeChild(this);
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
