#include "entry/carnamewindow.h"

#include "app/mainwindow.h"
#include "ui/prompter.h"
#include "controls/textfield.h"
#include "controls/qtext.h"
#include "entry/entrydialog.h"
#include "ui/formfont.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

namespace fenlo {

CarNameWindow::CarNameWindow(QWidget *parent)
    : QWidget(parent), EdtShamei(new TextField(this)),
      buttons_(this, {QStringLiteral("登録"), QStringLiteral("キャンセル")},
               [this] { Prompter::guarded([this] { SBtnTourokuClick(); }); },
               [this] { SBtnCancelClick(); })
{
    BtnTouroku = buttons_.BtnTouroku;
    BtnCancel = buttons_.BtnCancel;
    setWindowTitle(QStringLiteral("車名登録"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(formFont(QStringLiteral("ＭＳ ゴシック"), 13));
    EdtShamei->setObjectName(QStringLiteral("EdtShamei"));
    EdtShamei->setMaxLength(30);
    connect(EdtShamei, &TextField::changed, this, [this] { InputChanged = true; });

    auto *field = new QHBoxLayout;
    field->setContentsMargins(16, 24, 16, 0);
    field->addWidget(new QLabel(QStringLiteral("車名"), this));
    field->addWidget(EdtShamei, 1);
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
    EdtShamei->setText(toQ(FrmFenloMenu->book().carName));
    EdtShamei->setFocus();
    EdtShamei->selectAll(); // typing replaces the name
    InputChanged = false;
}

void CarNameWindow::SBtnTourokuClick()
{
    Logbook &book = FrmFenloMenu->book();
    book.carName = storedText(EdtShamei->text());
    FrmFenloMenu->showShamei();
    if (InputChanged)
        book.modified = true;
    InputChanged = false;
    SBtnCancelClick();
}

void CarNameWindow::SBtnCancelClick()
{
    MainWindow::closeChild(this);
}

void CarNameWindow::closeEvent(QCloseEvent *event)
{
    if (mayDiscardEdits(InputChanged))
        event->accept();
    else
        event->ignore();
}

void CarNameWindow::contextMenuEvent(QContextMenuEvent *event)
{
    buttons_.popup->exec(event->globalPos());
}

} // namespace fenlo
