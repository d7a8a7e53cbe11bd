#pragma once

#include "reports/bycategory.h"
#include "reportwindows/countpie.h"
#include "reportwindows/economybars.h"

namespace fenlo {

// The economy bars of the by-category list: "レギュラー" above "ハイオク", opening on the average.
class CategoryEconomyGraph : public EconomyBarsGraph
{
public:
    CategoryEconomyGraph(QWidget *caller, const bycategory::Report &report);
    static void showFor(QWidget *caller, const bycategory::Report &report);
};

// The fuelings counted per category: regular in red, premium in blue.
class CategoryCountGraph : public CountPieGraph
{
public:
    CategoryCountGraph(QWidget *caller, const bycategory::Report &report);
    static void showFor(QWidget *caller, const bycategory::Report &report);
};

} // namespace fenlo
