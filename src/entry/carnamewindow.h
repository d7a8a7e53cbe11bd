#pragma once

#include "entry/registerbuttons.h"

#include <QPointer>
#include <QWidget>

namespace fenlo {

class TEditRR;

// The car name of the logbook, edited in a small window beside the others (not modal). The
// name may be left empty.
class TFrmShameiT : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmShameiT(QWidget *parent = nullptr);

    bool InputChanged = false;
    TEditRR *EdtShamei;
    QPushButton *BtnTouroku;
    QPushButton *BtnCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void SBtnTourokuClick();
    // Closes the window together with its frame in the MDI area.
    void SBtnCancelClick();

    RegisterButtons buttons_;
    bool shown_ = false;
};

inline QPointer<TFrmShameiT> FrmShameiT;

} // namespace fenlo
