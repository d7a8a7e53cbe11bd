#pragma once

#include "entry/registerbuttons.h"

#include <QDialog>
#include <QPointer>

#include <string>

class QPushButton;

namespace fenlo {

class Logbook;

// What the fueling, maker and memo dialogs share: the mode told by the caption ("追加" adds,
// anything else changes), the edited flag, the buttons 登録 / ｷｬﾝｾﾙ and their pop-up
// menu, Escape as cancel, the question before closing with unregistered edits, and the place
// beside the list window that opened it.
class EntryDialog : public QDialog
{
    Q_OBJECT

public:
    bool isAddMode() const { return windowTitle() == QStringLiteral("追加"); }
    bool edited = false;

    QPushButton *registerButton;
    QPushButton *cancelButton;

protected:
    // `beside` is the window the dialog opens beside (see placeBeside).
    EntryDialog(Logbook &book, QWidget *beside, QWidget *parent);

    Logbook &book() const { return book_; }
    // top-left := the frame's top-left + the list window's top-left + offset.
    void placeBeside(int offset);
    // The row of the two buttons, for the bottom of the dialog's layout.
    QWidget *buttonPanel() { return buttons_.panel(this); }
    // The edited flag follows every change of these signals' senders.
    void markChanged() { edited = true; }
    // Fills the fields each time the dialog is shown; the edited flag is cleared afterwards,
    // so filling does not count as an edit.
    virtual void populate() {}
    // Stores the values; false keeps the dialog open.
    virtual void registerEntry() = 0;
    void cancel() { close(); }
    // Ends the dialog after a successful registration.
    void finishRegistration();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void reject() override { close(); }

private:
    Logbook &book_;
    QPointer<QWidget> beside_;
    RegisterButtons buttons_;
};

// The question of every editor before unregistered edits are dropped; true to drop them.
bool mayDiscardEdits(bool edited);

// The text of a field as the logbook stores it. The fields refuse characters the logbook
// cannot hold, so a failure here is an error of the program, reported rather than stored.
std::string storedText(const QString &text);

} // namespace fenlo
