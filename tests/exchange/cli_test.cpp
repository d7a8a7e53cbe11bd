#include "data/datetime.h"
#include "data/fnlfile.h"
#include "data/messages.h"
#include "exchange/csvexport.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"
#include "exchangefixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

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
    book->Shamei = sjis("カローラ");
    book->MgasTable[1] = Tmgas{1, sjis("エネオス")};
    book->NenpiTable[1].nichiji = encodeDateTime(2003, 1, 15, 8).value();
    book->NenpiTable[1].kyori2 = Currency::fromDouble(412.3);
    book->NenpiTable[1].gas = 1;
    book->NenpiTable[1].kubun = KubunRegular;
    book->NenpiTable[1].comment = sjis("満タン");
    std::string fnl = dir.file("car.fnl");
    ASSERT_TRUE(DataSave(*book, fnl));

    auto titled = run(cli("csv " + fnl + " " + dir.file("a.csv")));
    EXPECT_EQ(titled.status, 0) << titled.output;
    EXPECT_EQ(readBytes(dir.file("a.csv")), CsvWrite(*book, true));

    auto bare = run(cli("csv " + fnl + " --no-title " + dir.file("b.csv")));
    EXPECT_EQ(bare.status, 0) << bare.output;
    EXPECT_EQ(readBytes(dir.file("b.csv")), CsvWrite(*book, false));
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
    ASSERT_EQ(DataLoad(*written, out), LoadResult::Loaded);
    EXPECT_TRUE(written->sameData(*expected));
    EXPECT_EQ(written->NenpiTable.usedCount(), 1);
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
    book->MgasTable[1] = Tmgas{9, "nine"};
    book->MgasTable[2] = Tmgas{2, "two"};
    for (int i = 1; i <= 3; ++i) {
        book->NenpiTable[i].nichiji = 40010 - i;
        book->NenpiTable[i].comment = std::to_string(i);
    }
    book->MemoTable[1] = {40005, "later"};
    book->MemoTable[2] = {40001, "earlier"};
    std::string in = dir.file("unsorted.fnl");
    writeBytes(in, serializeLogbook(*book));

    auto result = run(cli("convert " + in + " " + dir.file("sorted.fnl")));
    ASSERT_EQ(result.status, 0) << result.output;
    auto sorted = emptyBook();
    MemorySource bytes(readBytes(dir.file("sorted.fnl")));
    ASSERT_EQ(parseLogbook(*sorted, bytes), LoadResult::Loaded);
    EXPECT_EQ(sorted->MgasTable[1].cd, 2);
    EXPECT_EQ(sorted->NenpiTable[1].comment, "3");
    EXPECT_EQ(sorted->NenpiTable[3].comment, "1");
    EXPECT_EQ(sorted->MemoTable[1].text, "earlier");
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
