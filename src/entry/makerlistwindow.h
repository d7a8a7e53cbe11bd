#pragma once

#include "entry/listwindow.h"

namespace fenlo {

// The fuel makers: all 20 slots of the maker table, row k showing slot k, with add, change
// and delete. A maker's code never changes, and a maker that a fueling names cannot go.
class MakerListWindow : public ListWindow
{
    Q_OBJECT

public:
    explicit MakerListWindow(Logbook &book, QWidget *parent = nullptr);

    void showLogbook() override;

protected:
    void populate() override;
    void addEntry() override;
    void changeEntry() override;
    void deleteEntry() override;

private:
    void showMakers();
    // Opens the maker dialog in this mode for this slot number and waits until it is closed.
    void runDialog(const QString &mode, int entrySlot);
    bool inUse(int code) const;
};

} // namespace fenlo
