#pragma once

// What the graph of each report draws, whoever shows it: its caption and its chart, made from the
// rows the report lists for the user's choices.

#include "graphs/countpiechart.h"
#include "graphs/economybarschart.h"
#include "graphs/pagedchart.h"
#include "reports/bycategory.h"
#include "reports/bymaker.h"
#include "reports/monthly.h"
#include "reports/pairs.h"

#include <span>

namespace fenlo {

// Input data display 1: the economy of twenty listed fuelings a page, in blue, labelled with the
// row numbers; a row without an economy (such as a first fueling) has no point.
PagedGraphContent fuelingsGraphContent(std::span<const Measurement> rows);
// Input data display 2: twenty measurement pairs a page, in red.
PagedGraphContent pairsGraphContent(std::span<const Measurement> rows);
// The monthly list: twelve months a page, labelled with the month.
PagedGraphContent monthlyGraphContent(const monthly::Report &report);

// The by-maker list's economy bars, opening on the figure the list is ordered by.
EconomyBarsContent makerEconomyGraphContent(const bymaker::Report &report,
                                            bymaker::MakerOrder order);
// The fuelings counted per maker; each slice takes the colour of its row's place in the list.
CountPieContent makerCountGraphContent(const bymaker::Report &report);

// The by-category economy bars: "レギュラー" above "ハイオク", opening on the average.
EconomyBarsContent categoryEconomyGraphContent(const bycategory::Report &report);
// The fuelings counted per category: regular in red, premium in blue.
CountPieContent categoryCountGraphContent(const bycategory::Report &report);

} // namespace fenlo
