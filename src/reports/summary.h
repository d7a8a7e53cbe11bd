#pragma once

// The summary panel's figures: totals, highest, lowest and averages over the rows of a list, and
// their text.

#include "data/currency.h"
#include "data/logbook.h"
#include "reports/cells.h"
#include "reports/pairs.h"

#include <span>
#include <string>

namespace fenlo {

// One line of the summary panel: distance, litres, amount, economy.
struct SummaryLine
{
    double distance = 0;
    double litres = 0;
    Currency amount;
    double economy = 0;
};

// The summary panel of a list: totals, highest, lowest and averages over its records. The
// distance is the trip distance; the total economy is total distance ÷ total litres (every
// kilometre weighs) while the average economy is the mean of the stored economies (every
// fueling weighs). Every division by zero gives 0.
struct Summary
{
    int count = 0;
    SummaryLine total;
    SummaryLine highest;
    SummaryLine lowest;
    SummaryLine average;
};

// Over the listed rows of a report (display 1 or 2).
Summary summaryOf(std::span<const Measurement> rows);
// Over the fueling list: the slots from 1 up to the first free one.
Summary summaryOf(const Logbook &book);

// The panel as shown: the caption line (an empty cell, "距離(km)", "給油量(L)", "金額",
// "燃費(km/L)") and the lines 合計, 最高, 最低, 平均, each its caption and four figures. With no
// record every figure reads "0".
GridText summaryCells(const Summary &summary);
// The count beside the panel ("件数").
std::string countCell(const Summary &summary);

} // namespace fenlo
