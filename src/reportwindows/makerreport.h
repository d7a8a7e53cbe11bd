#pragma once

// The report window of the fuel economy by maker.

// moc cannot parse the standard library's C++20 concepts, and needs none of these types.
#ifndef Q_MOC_RUN
#include "reports/bymaker.h"
#endif
#include "reportwindows/reportwindow.h"

namespace fenlo {

class ListGrid;
class ComboField;

// The fuel economy list by fuel maker: count, highest, lowest and average economy of every
// maker, in the chosen order, and the overall row.
class MakerReportWindow : public ReportWindow
{
    Q_OBJECT

public:
    explicit MakerReportWindow(Logbook &book, QWidget *parent = nullptr);

    // The maker rows of the last refresh in the order shown (its graph windows draw them).
    const bymaker::Report &report() const { return report_; }
    // The order the two order boxes choose.
    bymaker::Options options() const;
    ListGrid *grid() const { return grid_; }

    // "更新", and any change of the order: recounts the makers from the logbook.
    void refresh();

protected:
    void populate() override;

private:
    bymaker::Report report_;
    ComboField *orderBox_;
    ComboField *directionBox_;
    ListGrid *grid_;
};

} // namespace fenlo
