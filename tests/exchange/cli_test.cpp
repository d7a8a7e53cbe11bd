#include "data/datetime.h"
#include "data/fnlfile.h"
#include "data/messages.h"
#include "exchange/csvexport.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"
#include "exchangefixture.h"
#include "support/tempdir.h"

#include "data/logbooklock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace fenlo;
using fenlo::test::emptyBook;
using fenlo::test::readBytes;
using fenlo::test::run;
using fenlo::test::sjis;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;

namespace {

std::string cli(const std::string &arguments)
{
    return std::string(FENLO_CLI) + " " + arguments + " 2>&1";
}

class CliExchange : public ::testing::Test
{
protected:
    TempDir dir;
};

} // namespace

TEST_F(CliExchange, CsvWritesTheBytesOfTheExportWithOrWithoutTitle)
{
    auto book = emptyBook();
    book->carName = sjis("カローラ");
    book->makers[1] = Maker{1, sjis("エネオス")};
    book->fuelings[1].moment = encodeDateTime(2003, 1, 15, 8).value();
    book->fuelings[1].trip = Currency::fromDouble(412.3);
    book->fuelings[1].makerCode = 1;
    book->fuelings[1].category = CategoryRegular;
    book->fuelings[1].comment = sjis("満タン");
    std::string fnl = dir.file("car.fnl");
    ASSERT_TRUE(writeLogbookFile(*book, fnl));

    auto titled = run(cli("csv " + fnl + " " + dir.file("a.csv")));
    EXPECT_EQ(titled.status, 0) << titled.output;
    EXPECT_EQ(readBytes(dir.file("a.csv")), csvText(*book, true));

    auto bare = run(cli("csv " + fnl + " --no-title " + dir.file("b.csv")));
    EXPECT_EQ(bare.status, 0) << bare.output;
    EXPECT_EQ(readBytes(dir.file("b.csv")), csvText(*book, false));
}

TEST_F(CliExchange, CsvReportsAMissingLogbookAndWritesNothing)
{
    auto result = run(cli("csv " + dir.file("none.fnl") + " " + dir.file("a.csv")));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, std::string(msg::FileNotFound) + "\n");
    EXPECT_FALSE(fileExists(dir.file("a.csv")));

    EXPECT_EQ(run(cli("csv " + dir.file("none.fnl"))).status, 2); // usage
}

TEST_F(CliExchange, ImportLegacyWritesTheImportedLogbook)
{
    writeBytes(dir.file("gas.dat"), "Esso\r\n");
    writeBytes(dir.file("syamei.dat"), sjis("カローラ\r\n"));
    writeBytes(dir.file("nenpi.dat"),
               "2001\r\n2\r\n5\r\n412.3\r\n35.62\r\n1\r\n1\r\n4560\r\n11.57\r\n");
    std::string out = dir.file("out.fnl");
    auto result = run(cli("import-legacy " + dir.file("nenpi.dat") + " " + out));
    ASSERT_EQ(result.status, 0) << result.output;

    auto expected = emptyBook();
    ASSERT_EQ(importLegacy(*expected, dir.file("nenpi.dat")), ImportResult::Imported);
    auto written = emptyBook();
    ASSERT_EQ(readLogbookFile(*written, out), LoadResult::Loaded);
    EXPECT_TRUE(written->sameData(*expected));
    EXPECT_EQ(written->fuelings.usedCount(), 1);
}

TEST_F(CliExchange, ImportLegacyReportsAWrongPathOrABrokenNumberAndWritesNothing)
{
    std::string out = dir.file("out.fnl");
    auto wrong = run(cli("import-legacy " + dir.file("nenpi.dat") + " " + out));
    EXPECT_NE(wrong.status, 0);
    EXPECT_EQ(wrong.output, std::string(msg::LegacyWrongPath) + "\n");

    writeBytes(dir.file("nenpi.dat"), "2001\r\n2\r\n5\r\nabc\r\n");
    auto broken = run(cli("import-legacy " + dir.file("nenpi.dat") + " " + out));
    EXPECT_NE(broken.status, 0);
    EXPECT_EQ(broken.output, std::string(msg::NotNumber) + "\n");
    EXPECT_FALSE(fileExists(out));
}

TEST_F(CliExchange, ConvertWritesRecordsOutOfOrderInTheProgramsSortOrder)
{
    // A file written by hand: fuelings and memos not in date order, makers not in code order.
    auto book = emptyBook();
    book->makers[1] = Maker{9, "nine"};
    book->makers[2] = Maker{2, "two"};
    for (int i = 1; i <= 3; ++i) {
        book->fuelings[i].moment = 40010 - i;
        book->fuelings[i].comment = std::to_string(i);
    }
    book->memos[1] = {40005, "later"};
    book->memos[2] = {40001, "earlier"};
    std::string in = dir.file("unsorted.fnl");
    writeBytes(in, serializeLogbook(*book));

    auto result = run(cli("convert " + in + " " + dir.file("sorted.fnl")));
    ASSERT_EQ(result.status, 0) << result.output;
    auto sorted = emptyBook();
    MemorySource bytes(readBytes(dir.file("sorted.fnl")));
    ASSERT_EQ(parseLogbook(*sorted, bytes), LoadResult::Loaded);
    EXPECT_EQ(sorted->makers[1].code, 2);
    EXPECT_EQ(sorted->fuelings[1].comment, "3");
    EXPECT_EQ(sorted->fuelings[3].comment, "1");
    EXPECT_EQ(sorted->memos[1].text, "earlier");
    // What was written is already in order: written again it stays byte for byte.
    EXPECT_EQ(serializeLogbook(*sorted), readBytes(dir.file("sorted.fnl")));
}

TEST_F(CliExchange, InfoPrintsTheFiguresOfALogbook)
{
    auto result = run(cli(std::string("info ") + FENLO_SAMPLE));
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("給油データ: 103\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("最後の給油: 2025/12/22\n"), std::string::npos) << result.output;
}

TEST_F(CliExchange, CommandsThatWriteALogbookRefuseOneAnotherProgramHasOpen)
{
    std::string out = dir.file("open.fnl");
    writeBytes(out, "the file another program has open");
    std::optional<LogbookLock> held = LogbookLock::acquire(out);
    ASSERT_TRUE(held);

    auto converted = run(cli("convert " + std::string(FENLO_SAMPLE) + " " + out));
    EXPECT_EQ(converted.status, 1);
    EXPECT_EQ(converted.output, "このファイルは他のふぇんろで開かれています: " + out + "\n");
    writeBytes(dir.file("nenpi.dat"), "2001\r\n1\r\n5\r\n300\r\n25\r\n1\r\n1\r\n3000\r\n12\r\n");
    auto imported = run(cli("import-legacy " + dir.file("nenpi.dat") + " " + out));
    EXPECT_EQ(imported.status, 1);
    EXPECT_EQ(readBytes(out), "the file another program has open");

    held.reset();
    EXPECT_EQ(run(cli("convert " + std::string(FENLO_SAMPLE) + " " + out)).status, 0);
}

namespace {

// Runs `fenlo-cli convert from to`, killing it after `delay` unless it ended first (none: lets
// it end); true when the kill came first.
bool convertKilledAfter(const std::string &from, const std::string &to,
                        std::optional<std::chrono::microseconds> delay)
{
    pid_t child = ::fork();
    if (child == 0) {
        ::execl(FENLO_CLI, FENLO_CLI, "convert", from.c_str(), to.c_str(), nullptr);
        ::_exit(127);
    }
    if (delay) {
        std::this_thread::sleep_for(*delay);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status);
}

} // namespace

TEST_F(CliExchange, ASaveKilledAtAnyMomentLeavesOneWholeFileAndNothingVisibleBesideIt)
{
    // Two different logbooks take turns being written over one file.
    auto small = emptyBook();
    small->carName = "small";
    small->fuelings[1].moment = 40000;
    TempDir inputs;
    const std::vector<std::string> sources{FENLO_SAMPLE, inputs.file("small.fnl")};
    ASSERT_TRUE(writeLogbookFile(*small, sources[1]));
    std::vector<std::string> whole;
    for (const std::string &source : sources) {
        std::string expected = inputs.file("expected.fnl");
        ASSERT_EQ(run(cli("convert " + source + " " + expected)).status, 0);
        whole.push_back(readBytes(expected));
    }
    const std::string target = dir.file("car.fnl");
    ASSERT_EQ(run(cli("convert " + sources[0] + " " + target)).status, 0);

    auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        convertKilledAfter(sources[i % 2], target, std::nullopt);
    const auto oneRun = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - started) /
                        5;

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> moment(0, oneRun.count() * 6 / 5);
    int kills = 0, torn = 0, visibleStrays = 0, hiddenStrays = 0;
    for (int i = 0; i < 200; ++i) {
        kills +=
            convertKilledAfter(sources[i % 2], target, std::chrono::microseconds(moment(random)));
        std::string bytes = readBytes(target);
        torn += std::find(whole.begin(), whole.end(), bytes) == whole.end();
        for (const auto &entry : std::filesystem::directory_iterator(dir.path())) {
            std::string name = entry.path().filename().string();
            if (name != "car.fnl")
                ++(name.starts_with('.') ? hiddenStrays : visibleStrays);
        }
    }
    std::cout << "kills: " << kills << " of 200 runs (one run " << oneRun.count()
              << " us), torn: " << torn << ", visible strays: " << visibleStrays
              << ", hidden strays seen: " << hiddenStrays << '\n';
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(visibleStrays, 0);
    EXPECT_GT(kills, 60) << "many runs must be killed part-way for the loop to mean anything";

    ASSERT_EQ(run(cli("convert " + sources[0] + " " + target)).status, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the next save removes what the killed ones left";
}
