#pragma once

// What the two input data display windows share.

// moc cannot parse the standard library's C++20 concepts, and needs none of these types.
#ifndef Q_MOC_RUN
#include "reports/display.h"
#include "reports/summary.h"
#endif
#include "reportwindows/reportwindow.h"

#include <QColor>

#include <vector>

class QAbstractButton;

namespace fenlo {

class DateFields;
class ListGrid;
class SummaryPanel;
class ComboField;
class DatePartField;
class StatusLine;

// The input data displays: the fuelings (or the measurement pairs) in a chosen order, limited
// to a period, a maker and a category, with their summary. The window works on its own copy of
// the rows, taken when it is first shown and on "更新" or "全て", so the logbook stays untouched
// and later changes show only after the next refresh.
class DisplayWindow : public ReportWindow
{
    Q_OBJECT

public:
    // The listed rows in display order, and their summary, as of the last refresh.
    const std::vector<Measurement> &rows() const { return rows_; }
    const Summary &summary() const { return summary_; }

    ListGrid *grid() const { return grid_; }
    SummaryPanel *summaryPanel() const { return summaryPanel_; }
    StatusLine *statusLine() const { return statusLine_; }

    // "更新": checks the period and, when it holds, lists and sums the rows again.
    void refresh();
    // "全て": clears the period and both filters, keeps the order, and refreshes.
    void showAll();

protected:
    DisplayWindow(DisplayKind kind, const QString &caption, const QColor &evenRowColor,
                  Logbook &book, QWidget *parent = nullptr);

    void populate() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *buildToolPanel();
    QWidget *buildFilterPanel();
    DatePartField *makeDateField(const QString &name, int part, int x, QWidget *panel);
    void fillMakerList();
    // The choices of the controls; none when the period is not right (the user has been told).
    std::optional<DisplayOptions> options();
    void refresh(const DisplayOptions &options);
    void showComment();

    DisplayKind kind_;
    std::vector<Measurement> rows_;
    Summary summary_;

    QAbstractButton *graphButton_ = nullptr;
    QAbstractButton *endButton_ = nullptr;
    QAbstractButton *refreshButton_ = nullptr;
    QAbstractButton *allButton_ = nullptr;
    ComboField *orderBox_ = nullptr;
    ComboField *directionBox_ = nullptr;
    ComboField *makerBox = nullptr;
    ComboField *categoryBox = nullptr;
    std::array<DatePartField *, 6> periodFields_{};
    DateFields *start_ = nullptr;
    DateFields *end_ = nullptr;
    ListGrid *grid_ = nullptr;
    SummaryPanel *summaryPanel_ = nullptr;
    StatusLine *statusLine_ = nullptr;
};

} // namespace fenlo
