#include "entry/entrydialog.h"

#include "app/mainwindow.h"
#include "ui/prompter.h"
#include "ui/screenfit.h"
#include "controls/qtext.h"
#include "data/error.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace fenlo {

bool mayDiscardEdits(bool inputChanged)
{
    return !inputChanged || Prompter::confirm(QStringLiteral("データを登録せずに終了しますか？"));
}

std::string storedText(const QString &text)
{
    std::optional<std::string> bytes = fromQ(text);
    if (!bytes)
        throw FenloError("この文字は登録できません: " + text.toStdString());
    return *bytes;
}

EntryDialog::EntryDialog(QWidget *parent)
    : QDialog(parent),
      buttons_(this, {QStringLiteral("登録(&T)"), QStringLiteral("キャンセル(&C)")},
               [this] { Prompter::guarded([this] { SBtnTourokuClick(); }); },
               [this] { SBtnCancelClick(); })
{
    BtnTouroku = buttons_.BtnTouroku;
    BtnCancel = buttons_.BtnCancel;
    setModal(true);
}

Logbook &EntryDialog::book() { return FrmFenloMenu->book(); }

void EntryDialog::placeBeside(QWidget *listWindow, int offset)
{
    move(MainWindow::besideChild(listWindow, offset));
    keepOnAvailableScreen(*this);
}

void EntryDialog::finishRegistration()
{
    InputChanged = false;
    accept();
}

void EntryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window system showing it again is not a new use of the dialog
    FormShow();
    InputChanged = false;
}

void EntryDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        BtnCancel->click();
        return;
    }
    // Enter moves between fields in this program; it never registers by itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void EntryDialog::closeEvent(QCloseEvent *event)
{
    if (!mayDiscardEdits(InputChanged)) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void EntryDialog::contextMenuEvent(QContextMenuEvent *event)
{
    buttons_.popup->exec(event->globalPos());
}

} // namespace fenlo
