#pragma once

// The report window of the fuel economy by month.

// moc cannot parse the standard library's C++20 concepts, and needs none of these types.
#ifndef Q_MOC_RUN
#include "reports/monthly.h"
#endif
#include "reportwindows/reportwindow.h"

namespace fenlo {

class ListGrid;
class StatusLine;

// The fuel economy list by month: count, distance, litres, amount and economy of every month
// with fuelings, and the total row.
class MonthlyReportWindow : public ReportWindow
{
    Q_OBJECT

public:
    explicit MonthlyReportWindow(Logbook &book, QWidget *parent = nullptr);

    // The month table of the last refresh (its graph window pages through it).
    const monthly::Report &report() const { return report_; }
    ListGrid *grid() const { return grid_; }

    // "更新": rebuilds the month table from the logbook.
    void refresh();

protected:
    void populate() override;

private:
    monthly::Report report_;
    ListGrid *grid_;
};

} // namespace fenlo
