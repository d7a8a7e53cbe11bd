#pragma once

#include "reports/bymaker.h"
#include "reportwindows/countpie.h"
#include "reportwindows/economybars.h"

namespace fenlo {

// The economy bars of the by-maker list, opening on the figure the list is ordered by.
class MakerEconomyGraph : public EconomyBarsGraph
{
public:
    MakerEconomyGraph(QWidget *caller, const bymaker::Report &report, bymaker::MakerOrder order);
    static void showFor(QWidget *caller, const bymaker::Report &report, bymaker::MakerOrder order);
};

// The fuelings counted per maker; each slice takes the colour of its row's place in the list.
class MakerCountGraph : public CountPieGraph
{
public:
    MakerCountGraph(QWidget *caller, const bymaker::Report &report);
    static void showFor(QWidget *caller, const bymaker::Report &report);
};

} // namespace fenlo
