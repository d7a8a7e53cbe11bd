#pragma once

// The report window of the fuel economy by category.

// moc cannot parse the standard library's C++20 concepts, and needs none of these types.
#ifndef Q_MOC_RUN
#include "reports/bycategory.h"
#endif
#include "reportwindows/reportwindow.h"

namespace fenlo {

class ListGrid;

// The fuel economy list by fuel category: the regular and premium rows and the overall row.
class CategoryReportWindow : public ReportWindow
{
    Q_OBJECT

public:
    explicit CategoryReportWindow(Logbook &book, QWidget *parent = nullptr);

    // The category rows of the last refresh (its graph windows draw them).
    const bycategory::Report &report() const { return report_; }
    ListGrid *grid() const { return grid_; }

    // "更新": recounts the categories from the logbook.
    void refresh();

protected:
    void populate() override;

private:
    bycategory::Report report_;
    ListGrid *grid_;
};

} // namespace fenlo
