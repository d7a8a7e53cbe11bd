// Load, save and sort of a full logbook, each beside the floor of the same I/O done bare.

#include "data/fnlfile.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "fulllogbook.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace fenlo;

namespace {

std::string benchFile(const char *name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

const std::string &fullFile()
{
    static const std::string path = [] {
        std::string p = benchFile("fenlo-bench-full.fnl");
        auto book = bench::fullLogbook();
        writeLogbookFile(*book, p);
        return p;
    }();
    return path;
}

void BM_Load(benchmark::State &state)
{
    auto book = std::make_unique<Logbook>();
    for (auto _ : state) {
        readLogbookFile(*book, fullFile());
        benchmark::DoNotOptimize(book->fuelings[1000].moment);
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

// Reading the same file and splitting it into lines: what any reader must at least do.
void BM_LoadFloor(benchmark::State &state)
{
    std::vector<std::string_view> lines;
    std::string bytes;
    for (auto _ : state) {
        int fd = ::open(fullFile().c_str(), O_RDONLY);
        bytes.resize(static_cast<size_t>(::lseek(fd, 0, SEEK_END)));
        ::pread(fd, bytes.data(), bytes.size(), 0);
        ::close(fd);
        lines.clear();
        std::string_view rest(bytes);
        for (size_t nl; (nl = rest.find('\n')) != std::string_view::npos;
             rest.remove_prefix(nl + 1))
            lines.push_back(rest.substr(0, nl));
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_LoadFloor)->Unit(benchmark::kMicrosecond);

void BM_SaveNoSync(benchmark::State &state)
{
    auto book = bench::fullLogbook();
    std::string path = benchFile("fenlo-bench-save.fnl");
    for (auto _ : state)
        writeLogbookFile(*book, path, {}, SafeFileWriter::Sync::None);
}
BENCHMARK(BM_SaveNoSync)->Unit(benchmark::kMicrosecond);

// Writing the same bytes to a file: the floor of any save.
void BM_SaveFloor(benchmark::State &state)
{
    auto book = bench::fullLogbook();
    const std::string bytes = serializeLogbook(*book);
    std::string path = benchFile("fenlo-bench-floor.fnl");
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::close(fd);
    }
}
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMicrosecond);

// The whole save as the program does it, waiting for the disk: the difference to the save
// without sync is the disk's time, not ours.
void BM_SaveWithSync(benchmark::State &state)
{
    auto book = bench::fullLogbook();
    std::string path = benchFile("fenlo-bench-sync.fnl");
    for (auto _ : state)
        writeLogbookFile(*book, path);
}
BENCHMARK(BM_SaveWithSync)->Unit(benchmark::kMicrosecond)->Iterations(50);

template <typename Sort> void reversedSort(benchmark::State &state, Sort sort)
{
    auto sorted = bench::fullLogbook();
    auto reversed = std::make_unique<Logbook>(*sorted);
    std::reverse(reversed->makers.begin(), reversed->makers.end());
    std::reverse(reversed->fuelings.begin(), reversed->fuelings.end());
    std::reverse(reversed->memos.begin(), reversed->memos.end());
    auto work = std::make_unique<Logbook>();
    for (auto _ : state) {
        state.PauseTiming();
        *work = *reversed;
        state.ResumeTiming();
        sort(*work);
    }
}

void BM_SortFuelings(benchmark::State &state)
{
    reversedSort(state, [](Logbook &b) { b.sortFuelings(); });
}
BENCHMARK(BM_SortFuelings)->Unit(benchmark::kMicrosecond);

void BM_SortMemos(benchmark::State &state)
{
    reversedSort(state, [](Logbook &b) { b.sortMemos(); });
}
BENCHMARK(BM_SortMemos)->Unit(benchmark::kMicrosecond);

void BM_SortMakers(benchmark::State &state)
{
    reversedSort(state, [](Logbook &b) { b.sortMakers(); });
}
BENCHMARK(BM_SortMakers)->Unit(benchmark::kMicrosecond);

} // namespace

// The export of a full logbook read back as a CSV file into an empty one: the reader, the
// recognised columns and the import of 1000 fuelings with their 20 makers.
void BM_CsvImport(benchmark::State &state)
{
    const std::string text = csvText(*bench::fullLogbook(), true);
    auto book = std::make_unique<Logbook>();
    for (auto _ : state) {
        book->clear();
        const CsvTable table = parseCsv(text);
        if (importCsv(*book, table, recogniseColumns(table), {}).added != Logbook::FuelingSlots)
            state.SkipWithError("not every fueling was imported");
    }
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
