#include "entry/entrydialog.h"

#include "app/frame.h"
#include "app/prompter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

namespace fenlo {

bool mayDiscardEdits(bool inputChanged)
{
    return !inputChanged || Prompter::confirm(QStringLiteral("データを登録せずに終了しますか？"));
}

EntryDialog::EntryDialog(QWidget *parent)
    : QDialog(parent), BtnTouroku(new QPushButton(QStringLiteral("登録(&T)"), this)),
      BtnCancel(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this)), popup_(new QMenu(this))
{
    setModal(true);
    BtnTouroku->setObjectName(QStringLiteral("BtnTouroku"));
    BtnTouroku->setToolTip(QStringLiteral("変更したデータを登録します"));
    BtnTouroku->setAutoDefault(false);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setToolTip(QStringLiteral("登録せずにこのフォームを閉じます"));
    BtnCancel->setAutoDefault(false);
    auto registerValues = [this] { Prompter::guarded([this] { SBtnTourokuClick(); }); };
    connect(BtnTouroku, &QPushButton::clicked, this, registerValues);
    connect(BtnCancel, &QPushButton::clicked, this, [this] { SBtnCancelClick(); });
    popup_->addAction(QStringLiteral("登録(&T)"), this, registerValues);
    popup_->addSeparator();
    popup_->addAction(QStringLiteral("キャンセル(&C)"), this, [this] { SBtnCancelClick(); });
}

Logbook &EntryDialog::book() { return FrmFenloMenu->book(); }

void EntryDialog::placeBeside(QWidget *listWindow, int offset)
{
    QPoint origin = FrmFenloMenu ? FrmFenloMenu->pos() : QPoint();
    if (listWindow) {
        QWidget *outer = listWindow;
        if (auto *child = qobject_cast<QMdiSubWindow *>(listWindow->parentWidget()))
            outer = child;
        origin += outer->pos();
    }
    move(origin + QPoint(offset, offset));
}

void EntryDialog::finishRegistration()
{
    InputChanged = false;
    accept();
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

void EntryDialog::contextMenuEvent(QContextMenuEvent *event) { popup_->exec(event->globalPos()); }

} // namespace fenlo
