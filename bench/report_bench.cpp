// Every report's figures and grid text for a full logbook.

#include "fulllogbook.h"
#include "reports/bycategory.h"
#include "reports/bymaker.h"
#include "reports/display.h"
#include "reports/monthly.h"
#include "reports/summary.h"

#include <benchmark/benchmark.h>

using namespace fenlo;

namespace {

const Logbook &book()
{
    static const auto full = bench::fullLogbook();
    return *full;
}

void BM_Display(benchmark::State &state, DisplayKind kind, DisplayOrder order, bool descending)
{
    DisplayOptions options;
    options.order = order;
    options.descending = descending;
    for (auto _ : state) {
        std::vector<Measurement> rows = displayRows(book(), kind, options);
        GridText grid = displayCells(book(), rows);
        Summary summary = summaryOf(rows);
        GridText panel = summaryCells(summary);
        benchmark::DoNotOptimize(grid);
        benchmark::DoNotOptimize(panel);
    }
}

void registerDisplays()
{
    const std::pair<DisplayOrder, const char *> orders[] = {
        {DisplayOrder::Date, "date"},       {DisplayOrder::Distance, "distance"},
        {DisplayOrder::Litres, "litres"},   {DisplayOrder::Amount, "amount"},
        {DisplayOrder::Economy, "economy"},
    };
    for (auto [order, name] : orders) {
        for (bool descending : {false, true}) {
            std::string label = std::string("BM_Display1/") + name + (descending ? "/desc" : "/asc");
            benchmark::RegisterBenchmark(label.c_str(), BM_Display, DisplayKind::Fuelings, order,
                                         descending)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RegisterBenchmark("BM_Display2/date/asc", BM_Display, DisplayKind::Pairs,
                                 DisplayOrder::Date, false)
        ->Unit(benchmark::kMicrosecond);
}

void BM_Monthly(benchmark::State &state)
{
    for (auto _ : state) {
        monthly::Report report = monthly::tally(book());
        benchmark::DoNotOptimize(monthly::cells(report));
    }
}
BENCHMARK(BM_Monthly)->Unit(benchmark::kMicrosecond);

void BM_ByMaker(benchmark::State &state)
{
    for (auto _ : state) {
        bymaker::Report report = bymaker::report(book(), bymaker::Options{});
        benchmark::DoNotOptimize(bymaker::cells(report));
    }
}
BENCHMARK(BM_ByMaker)->Unit(benchmark::kMicrosecond);

void BM_ByCategory(benchmark::State &state)
{
    for (auto _ : state) {
        bycategory::Report report = bycategory::report(book());
        benchmark::DoNotOptimize(bycategory::cells(report));
    }
}
BENCHMARK(BM_ByCategory)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    registerDisplays();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
