#pragma once

#include "reports/bycategory.h"
#include "reportwindows/countpie.h"
#include "reportwindows/economybars.h"

namespace fenlo {

// The economy bars of the by-category list: "レギュラー" above "ハイオク", opening on the average.
class TFrmKbnirGN : public EconomyBarsGraph
{
public:
    TFrmKbnirGN(QWidget *caller, const bycategory::Report &report);
    static void showFor(QWidget *caller, const bycategory::Report &report);
};

// The fuelings counted per category: regular in red, premium in blue.
class TFrmKbnirGK : public CountPieGraph
{
public:
    TFrmKbnirGK(QWidget *caller, const bycategory::Report &report);
    static void showFor(QWidget *caller, const bycategory::Report &report);
};

} // namespace fenlo
