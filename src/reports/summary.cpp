#include "reports/summary.h"

#include "data/numformat.h"
#include "reports/ratio.h"

namespace fenlo {
namespace {

constexpr double LowestStart = 99999999;

class SummaryAccumulator
{
public:
    template <typename Record> void add(const Record &r)
    {
        ++count_;
        const double distance = r.trip.toDouble();
        const double litres = r.litres.toDouble();
        const double economy = r.economy.toDouble();
        sum_.distance += distance;
        sum_.litres += litres;
        sum_.amount += r.amount;
        sum_.economy += economy;
        raise(highest_, distance, litres, r.amount, economy);
        lower(lowest_, distance, litres, r.amount, economy);
    }

    Summary result() const
    {
        Summary s;
        s.count = count_;
        if (count_ == 0)
            return s;
        s.highest = highest_;
        s.lowest = lowest_;
        s.total = sum_;
        s.total.economy = guardedRatio(sum_.distance, sum_.litres);
        s.average.distance = guardedRatio(sum_.distance, count_);
        s.average.litres = guardedRatio(sum_.litres, count_);
        s.average.amount = currencyMean(sum_.amount, count_);
        s.average.economy = guardedRatio(sum_.economy, count_);
        return s;
    }

private:
    static double guardedRatio(double a, double b) { return b == 0 ? 0 : a / b; }

    static void raise(SummaryLine &m, double distance, double litres, Currency amount,
                      double economy)
    {
        if (distance > m.distance)
            m.distance = distance;
        if (litres > m.litres)
            m.litres = litres;
        if (amount > m.amount)
            m.amount = amount;
        if (economy > m.economy)
            m.economy = economy;
    }

    static void lower(SummaryLine &m, double distance, double litres, Currency amount,
                      double economy)
    {
        if (distance < m.distance)
            m.distance = distance;
        if (litres < m.litres)
            m.litres = litres;
        if (amount < m.amount)
            m.amount = amount;
        if (economy < m.economy)
            m.economy = economy;
    }

    int count_ = 0;
    SummaryLine sum_;
    SummaryLine highest_;
    SummaryLine lowest_{LowestStart, LowestStart, Currency::fromUnits(99999999), LowestStart};
};

template <typename Records> Summary summarize(const Records &records)
{
    SummaryAccumulator acc;
    for (const auto &r : records)
        acc.add(r);
    return acc.result();
}

} // namespace

Summary summaryOf(std::span<const Measurement> rows)
{
    return summarize(rows);
}

Summary summaryOf(const Logbook &book)
{
    const int n = book.fuelings.usedCount();
    return summarize(std::span<const Fueling>(&book.fuelings[1], static_cast<std::size_t>(n)));
}

GridText summaryCells(const Summary &s)
{
    GridText grid({"", "距離(km)", "給油量(L)", "金額", "燃費(km/L)"});
    grid.reserveRows(4);
    const std::pair<const char *, const SummaryLine *> lines[] = {
        {"合計", &s.total}, {"最高", &s.highest}, {"最低", &s.lowest}, {"平均", &s.average}};
    for (const auto &[caption, line] : lines) {
        grid.add(caption);
        if (s.count == 0) {
            for (int i = 0; i < 4; ++i)
                grid.add("0");
            continue;
        }
        grid.add(formatMask(line->distance, "######0.0"));
        grid.add(formatMask(line->litres, "######0.0"));
        grid.add(formatMask(line->amount, "########0"));
        grid.add(formatMask(line->economy, "######0.0"));
    }
    return grid;
}

std::string countCell(const Summary &s)
{
    return std::to_string(s.count);
}

} // namespace fenlo
