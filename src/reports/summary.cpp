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
        const double kyori = r.kyori2.toDouble();
        const double ryou = r.ryou.toDouble();
        const double nenpi = r.nenpi.toDouble();
        sum_.kyori += kyori;
        sum_.ryou += ryou;
        sum_.kingaku += r.kingaku;
        sum_.nenpi += nenpi;
        raise(highest_, kyori, ryou, r.kingaku, nenpi);
        lower(lowest_, kyori, ryou, r.kingaku, nenpi);
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
        s.total.nenpi = guardedRatio(sum_.kyori, sum_.ryou);
        s.average.kyori = guardedRatio(sum_.kyori, count_);
        s.average.ryou = guardedRatio(sum_.ryou, count_);
        s.average.kingaku = currencyMean(sum_.kingaku, count_);
        s.average.nenpi = guardedRatio(sum_.nenpi, count_);
        return s;
    }

private:
    static double guardedRatio(double a, double b) { return b == 0 ? 0 : a / b; }

    static void raise(SummaryLine &m, double kyori, double ryou, Currency kingaku, double nenpi)
    {
        if (kyori > m.kyori)
            m.kyori = kyori;
        if (ryou > m.ryou)
            m.ryou = ryou;
        if (kingaku > m.kingaku)
            m.kingaku = kingaku;
        if (nenpi > m.nenpi)
            m.nenpi = nenpi;
    }

    static void lower(SummaryLine &m, double kyori, double ryou, Currency kingaku, double nenpi)
    {
        if (kyori < m.kyori)
            m.kyori = kyori;
        if (ryou < m.ryou)
            m.ryou = ryou;
        if (kingaku < m.kingaku)
            m.kingaku = kingaku;
        if (nenpi < m.nenpi)
            m.nenpi = nenpi;
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

Summary GoukeiHyouji(std::span<const Measurement> rows)
{
    return summarize(rows);
}

Summary GoukeiHyouji(const Logbook &book)
{
    const int n = book.NenpiTable.usedCount();
    return summarize(std::span<const Fueling>(&book.NenpiTable[1], static_cast<std::size_t>(n)));
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
        grid.add(formatMask(line->kyori, "######0.0"));
        grid.add(formatMask(line->ryou, "######0.0"));
        grid.add(formatMask(line->kingaku, "########0"));
        grid.add(formatMask(line->nenpi, "######0.0"));
    }
    return grid;
}

std::string countCell(const Summary &s)
{
    return std::to_string(s.count);
}

} // namespace fenlo
