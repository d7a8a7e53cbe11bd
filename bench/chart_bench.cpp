// Rendering each chart kind, as the graph windows configure it, into an 800 × 600 image.

#include "chart/chartmodel.h"
#include "chart/chartrenderer.h"
#include "chart/samplecharts.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace fenlo;
using namespace fenlo::test;

namespace {

void render(benchmark::State &state, ChartModel &chart)
{
    for (auto _ : state) {
        QImage image = renderChartImage(chart, QSize(800, 600));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ChartPaged(benchmark::State &state, PagedKind kind)
{
    ChartModel chart;
    setUpPagedChart(chart, kind, 20, sampleEconomy(20));
    render(state, chart);
}
BENCHMARK_CAPTURE(BM_ChartPaged, bars, PagedKind::Bar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartPaged, ribbon, PagedKind::Ribbon)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartPaged, area, PagedKind::Area)->Unit(benchmark::kMillisecond);

void BM_ChartHorizontalBars(benchmark::State &state)
{
    ChartModel chart;
    setUpMakerBars(chart, 20);
    render(state, chart);
}
BENCHMARK(BM_ChartHorizontalBars)->Unit(benchmark::kMillisecond);

void BM_ChartPie(benchmark::State &state)
{
    ChartModel chart;
    setUpMakerPie(chart, 20, 45);
    render(state, chart);
}
BENCHMARK(BM_ChartPie)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
