#pragma once

#include "entry/registerbuttons.h"

#include <QWidget>

namespace fenlo {

class Logbook;
class TextField;

// The car name of the logbook, edited in a small window beside the others (not modal). The
// name may be left empty.
class CarNameWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CarNameWindow(Logbook &book, QWidget *parent = nullptr);

    bool edited = false;
    TextField *nameField;
    QPushButton *registerButton;
    QPushButton *cancelButton;

Q_SIGNALS:
    // The logbook got the name as registered; whoever shows it updates.
    void carNameChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void registerEntry();
    // Closes the window together with its frame in the MDI area.
    void cancel();

    Logbook &book_;
    RegisterButtons buttons_;
    bool shown_ = false;
};

} // namespace fenlo
