#include "data/datetime.h"
#include "data/error.h"
#include "exchange/csvexport.h"
#include "exchangefixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::emptyBook;
using fenlo::test::sjis;
using fenlo::test::TempDir;

namespace {

const char *TitleLine = "\"日付\",\"時\",\"距離(トータル)(Km)\",\"距離(今回)(Km)\",\"給油量(L)\","
                        "\"メーカー\",\"区分\",\"金額\",\"燃費(Km/L)\",\"コメント\"\r\n";

Fueling fueling(int y, int m, int d, int hour, double trip, double litres, int maker, int category)
{
    Fueling r;
    r.moment = encodeDateTime(y, m, d, hour).value();
    r.trip = Currency::fromDouble(trip);
    r.litres = Currency::fromDouble(litres);
    r.makerCode = maker;
    r.category = category;
    return r;
}

std::unique_ptr<Logbook> twoMakerBook()
{
    auto book = emptyBook();
    book->makers[1] = Maker{1, sjis("エネオス")};
    book->makers[2] = Maker{5, "Shell"};
    return book;
}

} // namespace

TEST(csvText, AnEmptyLogbookWritesOnlyTheTitleLineOrNothing)
{
    auto book = emptyBook();
    EXPECT_EQ(csvText(*book, true), sjis(TitleLine));
    EXPECT_EQ(csvText(*book, false), "");
}

TEST(csvText, RecordsAreWrittenInSlotOrderWithTheFileNumberForms)
{
    auto book = twoMakerBook();
    // 8 o'clock on 2003/01/15, without odometer and amount.
    book->fuelings[1] = fueling(2003, 1, 15, 8, 412.3, 35.62, 1, CategoryRegular);
    book->fuelings[1].economy = Currency::fromDouble(11.5751);
    Fueling second = fueling(2003, 2, 1, 17, 380, 30, 5, CategoryDiesel);
    second.odometer = Currency::fromUnits(52340);
    second.amount = Currency::fromUnits(4560);
    second.economy = Currency::fromDouble(12.6667);
    second.comment = sjis("高速道路, 渋滞");
    book->fuelings[2] = second;

    EXPECT_EQ(csvText(*book, false),
              sjis("2003/01/15,08,0,412.3,35.62,\"エネオス\",\"レギュラー\",0,11.5751,\"\"\r\n"
                   "2003/02/01,17,52340,380,30,\"Shell\",\"軽油\",4560,12.6667,"
                   "\"高速道路, 渋滞\"\r\n"));
}

TEST(csvText, QuotesInsideTextsAreDoubled)
{
    auto book = emptyBook();
    book->makers[1] = Maker{1, sjis("\"出光\"")};
    book->fuelings[1] = fueling(2004, 5, 6, 10, 300, 25, 1, CategoryPremium);
    book->fuelings[1].comment = sjis("満タン \"セルフ\"");
    EXPECT_EQ(csvText(*book, false),
              sjis("2004/05/06,10,0,300,25,\"\"\"出光\"\"\",\"ハイオク\",0,0,"
                   "\"満タン \"\"セルフ\"\"\"\r\n"));
}

TEST(csvText, AnUnknownMakerOrCategoryKeepsItsColumnEmpty)
{
    auto book = twoMakerBook();
    book->fuelings[1] = fueling(2004, 5, 6, 23, 300, 25, 7, 0);
    EXPECT_EQ(csvText(*book, false), "2004/05/06,23,0,300,25,\"\",\"\",0,0,\"\"\r\n");
}

TEST(saveCsv, WritesTheExportBytesAndReplacesAnOlderFile)
{
    TempDir dir;
    auto book = twoMakerBook();
    book->fuelings[1] = fueling(2003, 1, 15, 8, 412.3, 35.62, 1, CategoryRegular);
    std::string path = dir.file("out.csv");
    fenlo::test::writeBytes(path, "an older, longer file that must disappear entirely\r\n");
    saveCsv(*book, true, path);
    EXPECT_EQ(fenlo::test::readBytes(path), csvText(*book, true));
}

TEST(saveCsv, AFolderThatDoesNotExistIsReported)
{
    TempDir dir;
    auto book = emptyBook();
    EXPECT_THROW(saveCsv(*book, true, dir.file("missing/out.csv")), FenloError);
}

// A spreadsheet must see every field in its own column, the Japanese text intact and the
// doubled quotes read back as one.
TEST(csvText, PythonsCsvReaderSeesTenColumnsAndTheOriginalTexts)
{
    TempDir dir;
    auto book = twoMakerBook();
    book->fuelings[1] = fueling(2003, 1, 15, 8, 412.3, 35.62, 1, CategoryRegular);
    book->fuelings[1].comment = sjis("「満タン」, \"セルフ\"");
    book->fuelings[2] = fueling(2003, 2, 1, 9, 380, 30, 5, CategoryPremium);
    std::string path = dir.file("out.csv");
    saveCsv(*book, true, path);

    auto result = fenlo::test::run(std::string("python3 ") + CSV_COLUMNS_SCRIPT + " " + path);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output,
              "[[\"日付\", \"時\", \"距離(トータル)(Km)\", \"距離(今回)(Km)\", \"給油量(L)\", "
              "\"メーカー\", \"区分\", \"金額\", \"燃費(Km/L)\", \"コメント\"], "
              "[\"2003/01/15\", \"08\", \"0\", \"412.3\", \"35.62\", \"エネオス\", "
              "\"レギュラー\", \"0\", \"0\", \"「満タン」, \\\"セルフ\\\"\"], "
              "[\"2003/02/01\", \"09\", \"0\", \"380\", \"30\", \"Shell\", \"ハイオク\", "
              "\"0\", \"0\", \"\"]]\n");
}
