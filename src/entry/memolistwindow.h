#pragma once

#include "entry/listwindow.h"

namespace fenlo {

class StatusLine;

// The dated memos in date order, with add, change and delete.
class MemoListWindow : public ListWindow
{
    Q_OBJECT

public:
    explicit MemoListWindow(Logbook &book, QWidget *parent = nullptr);

    void showLogbook() override;

protected:
    void populate() override;
    void resizeEvent(QResizeEvent *event) override;
    void addEntry() override;
    void changeEntry() override;
    void deleteEntry() override;

private:
    void showRecords();
    // Opens the memo dialog in this mode for this slot number and waits until it is closed.
    void runDialog(const QString &mode, int entrySlot);

    StatusLine *statusLine_;
};

} // namespace fenlo
