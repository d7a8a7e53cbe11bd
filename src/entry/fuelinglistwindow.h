#pragma once

#include "entry/listwindow.h"

namespace fenlo {

class SummaryPanel;
class StatusLine;

// The fueling list "給油データ登録": every record in date order, the summary below, and the
// commands that add, change and delete records.
class FuelingListWindow : public ListWindow
{
    Q_OBJECT

public:
    explicit FuelingListWindow(Logbook &book, QWidget *parent = nullptr);

    void showLogbook() override;

    // The comment column takes whatever width the window has beyond its design width.
    static constexpr int DesignWidth = 780;
    static constexpr int CommentWidthOffset = 640;
    static constexpr int DesignHeight = 292; // below the caption
    static constexpr int MinimumHeight = 310;

    SummaryPanel *summaryPanel() const { return summaryPanel_; }
    StatusLine *statusLine() const { return statusLine_; }

protected:
    void addEntry() override;
    void changeEntry() override;
    void deleteEntry() override;
    void populate() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showRecords();
    void showSummary();
    void refresh();
    void showComment(int row);
    void moveCursor(int row);
    // Shows the entry dialog for slot `entrySlot` with the caption "追加" or "変更".
    void runDialog(const QString &caption, int entrySlot);
    void applySizeLimits();

    SummaryPanel *summaryPanel_;
    StatusLine *statusLine_;
};

} // namespace fenlo
