#include "entry/entrydialog.h"

#include "controls/qtext.h"
#include "data/error.h"
#include "data/logbook.h"
#include "ui/childwindow.h"
#include "ui/prompter.h"
#include "ui/screenfit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace fenlo {

bool mayDiscardEdits(bool edited)
{
    return !edited || Prompter::confirm(QStringLiteral("データを登録せずに終了しますか？"));
}

std::string storedText(const QString &text)
{
    std::optional<std::string> bytes = fromQ(text);
    if (!bytes)
        throw FenloError("この文字は登録できません: " + text.toStdString());
    return *bytes;
}

EntryDialog::EntryDialog(Logbook &book, QWidget *beside, QWidget *parent)
    : QDialog(parent), book_(book), beside_(beside),
      buttons_(
          this, {QStringLiteral("登録(&T)"), QStringLiteral("キャンセル(&C)")},
          [this] { Prompter::guarded([this] { registerEntry(); }); }, [this] { cancel(); })
{
    registerButton = buttons_.registerButton;
    cancelButton = buttons_.cancelButton;
    setModal(true);
}

void EntryDialog::placeBeside(int offset)
{
    move(besideWindow(beside_, offset));
    keepOnAvailableScreen(*this);
}

void EntryDialog::finishRegistration()
{
    edited = false;
    accept();
}

void EntryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window system showing it again is not a new use of the dialog
    populate();
    edited = false;
}

void EntryDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cancelButton->click();
        return;
    }
    // Enter moves between fields in this program; it never registers by itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void EntryDialog::closeEvent(QCloseEvent *event)
{
    if (!mayDiscardEdits(edited)) {
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
