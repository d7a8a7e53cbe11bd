#pragma once

#include "entry/listwindow.h"

#include <QPointer>

namespace fenlo {

class StatusLine;

// The dated memos in date order, with add, change and delete.
class MemoListWindow : public ListWindow
{
    Q_OBJECT

public:
    explicit MemoListWindow(QWidget *parent = nullptr);

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *event) override;
    void SBtnTuikaClick() override;
    void SBtnHenkouClick() override;
    void SBtnDelClick() override;

private:
    void DataHyouji();
    // Opens the memo dialog in this mode for this slot number and waits until it is closed.
    void runDialog(const QString &mode, int dataNo);

    StatusLine *StatusBarT1;
};

inline QPointer<MemoListWindow> FrmMemo;

} // namespace fenlo
