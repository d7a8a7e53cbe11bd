#pragma once

#include "reports/monthly.h"
#include "reportwindows/pagedgraph.h"

namespace fenlo {

// The graph of the monthly list: the economy of twelve months a page, labelled with the month.
class MonthlyGraph : public PagedGraph
{
public:
    MonthlyGraph(QWidget *caller, const monthly::Report &report);
    static void showFor(QWidget *caller, const monthly::Report &report);
};

} // namespace fenlo
