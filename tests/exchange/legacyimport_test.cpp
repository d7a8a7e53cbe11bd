#include "data/datetime.h"
#include "data/error.h"
#include "data/messages.h"
#include "exchange/exchangetexts.h"
#include "exchange/legacyimport.h"
#include "exchangefixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <random>

using namespace fenlo;
using fenlo::test::emptyBook;
using fenlo::test::sjis;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;

namespace {

// One record of "nenpi.dat": year, month, day, trip, litres, maker, category, yen, economy.
std::string record(const char *y, const char *m, const char *d,
                   const char *rest = "300\r\n25\r\n1\r\n1\r\n3000\r\n12\r\n")
{
    return std::string(y) + "\r\n" + m + "\r\n" + d + "\r\n" + rest;
}

// A logbook that is open while an import runs, to see that a failed import leaves it alone.
std::unique_ptr<Logbook> openBook()
{
    auto book = emptyBook();
    book->carName = "Civic";
    book->makers[1] = Maker{3, "Esso"};
    book->fuelings[1].moment = encodeDateTime(2010, 4, 1).value();
    book->memos[1] = Memo{encodeDateTime(2010, 4, 2).value(), "memo"};
    book->fileName = "/home/user/civic.fnl";
    return book;
}

class LegacyFolder : public ::testing::Test
{
protected:
    std::string economy() const { return dir.file("nenpi.dat"); }
    void write(const char *name, const std::string &bytes) { writeBytes(dir.file(name), bytes); }

    // Imports into a copy of openBook(); returns it for inspection.
    std::unique_ptr<Logbook> import()
    {
        auto book = openBook();
        EXPECT_EQ(importLegacy(*book, economy()), ImportResult::Imported);
        return book;
    }

    void expectFailureLeavesBookAlone(const char *message)
    {
        auto book = openBook();
        try {
            importLegacy(*book, economy());
            ADD_FAILURE() << "the import did not fail";
        } catch (const FenloError &e) {
            EXPECT_STREQ(e.what(), message);
        }
        auto untouched = openBook();
        EXPECT_TRUE(book->sameData(*untouched));
        EXPECT_EQ(book->fileName, untouched->fileName);
        EXPECT_FALSE(book->modified);
    }

    TempDir dir;
};

} // namespace

TEST_F(LegacyFolder, AFolderBecomesAnUntitledChangedLogbookInDateOrder)
{
    write("gas.dat", sjis("エネオス\r\nShell\r\n"));
    write("syamei.dat", sjis("カローラ\r\nignored\r\n"));
    write("nenpi.dat",
          record("2001", "03", "10") +
              record(" 2001", "2", "5 ", "412.3  trailing words\n35.62\n\n 2 x\n3\n4560\n11.57\n") +
              "\r\n" + record("2002", "1", "1"));
    auto book = import();

    EXPECT_EQ(book->carName, sjis("カローラ"));
    EXPECT_EQ(book->makers[1], (Maker{1, sjis("エネオス")}));
    EXPECT_EQ(book->makers[2], (Maker{2, "Shell"}));
    EXPECT_FALSE(book->makers[3].used());
    ASSERT_EQ(book->fuelings.usedCount(), 2); // the empty line ends the records
    const Fueling &first = book->fuelings[1];
    EXPECT_EQ(first.moment, encodeDateTime(2001, 2, 5).value());
    EXPECT_EQ(first.odometer, Currency());
    EXPECT_EQ(first.trip, Currency::fromRaw(4123000));
    EXPECT_EQ(first.litres, Currency::fromRaw(356200));
    EXPECT_EQ(first.makerCode, 2);
    EXPECT_EQ(first.category, 3);
    EXPECT_EQ(first.amount, Currency::fromUnits(4560));
    EXPECT_EQ(first.economy, Currency::fromRaw(115700));
    EXPECT_EQ(first.comment, "");
    EXPECT_EQ(book->fuelings[2].moment, encodeDateTime(2001, 3, 10).value());

    EXPECT_EQ(book->memos.usedCount(), 0);
    EXPECT_EQ(book->fileName, "");
    EXPECT_TRUE(book->modified);
}

TEST_F(LegacyFolder, AtMostTenMakersAreReadAndAnEmptyLineEndsThem)
{
    write("nenpi.dat", "");
    std::string twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += "maker" + std::to_string(i) + "\r\n";
    write("gas.dat", twelve);
    auto book = import();
    EXPECT_EQ(book->makers.usedCount(), 10);
    EXPECT_EQ(book->makers[10], (Maker{10, "maker10"}));

    write("gas.dat", "one\r\ntwo\r\n\r\nfour\r\n");
    book = import();
    EXPECT_EQ(book->makers.usedCount(), 2);
}

TEST_F(LegacyFolder, AtMostFiveHundredRecordsAreRead)
{
    std::string records;
    for (int i = 0; i < 520; ++i)
        records += record("2000", "1", "1");
    write("nenpi.dat", records);
    EXPECT_EQ(import()->fuelings.usedCount(), LegacyFuelingLimit);
}

TEST_F(LegacyFolder, AnImpossibleDateIsStoredAsDayZeroAndSortsFirst)
{
    write("nenpi.dat",
          record("2001", "01", "05") + record("2001", "02", "30") + record("2001", "x", "1"));
    auto book = import();
    EXPECT_EQ(book->fuelings[1].moment, 0.0);
    EXPECT_EQ(book->fuelings[2].moment, 0.0);
    EXPECT_EQ(book->fuelings[3].moment, encodeDateTime(2001, 1, 5).value());
}

TEST_F(LegacyFolder, MissingMakerAndCarNameFilesAreSkipped)
{
    write("nenpi.dat", record("2001", "1", "5"));
    auto book = import();
    EXPECT_EQ(book->carName, "");
    EXPECT_FALSE(book->hasMakers());
    EXPECT_EQ(book->fuelings.usedCount(), 1);
}

TEST_F(LegacyFolder, FilesCopiedInCapitalsAreFoundWhateverTheCaseOfThePath)
{
    write("NENPI.DAT", record("2001", "1", "5"));
    write("GAS.DAT", "Shell\r\n");
    write("Syamei.Dat", "Civic\r\n");
    for (const char *typed : {"nenpi.dat", "NENPI.DAT"}) {
        auto book = openBook();
        ASSERT_EQ(importLegacy(*book, dir.file(typed)), ImportResult::Imported) << typed;
        EXPECT_EQ(book->carName, "Civic");
        EXPECT_EQ(book->makers[1], (Maker{1, "Shell"}));
        EXPECT_EQ(book->fuelings.usedCount(), 1);
    }
    // The exact name wins over another spelling of it.
    write("gas.dat", "Esso\r\n");
    auto book = openBook();
    ASSERT_EQ(importLegacy(*book, dir.file("nenpi.dat")), ImportResult::Imported);
    EXPECT_EQ(book->makers[1], (Maker{1, "Esso"}));
}

TEST_F(LegacyFolder, NumbersFollowTheOldProgramsTypes)
{
    // Codes wrap around in 16 bits, yen are whole, reals round halves to even on their digits,
    // an exponent is allowed, and the end of the file reads as 0.
    write("nenpi.dat", record("2001", "1", "5", "1.5e2\n0.00005\n70000\n-65535\n-12\n0.00015\n") +
                           record("2001", "1", "6", "7.25\n"));
    auto book = import();
    const Fueling &r = book->fuelings[1];
    EXPECT_EQ(r.trip, Currency::fromUnits(150));
    EXPECT_EQ(r.litres, Currency::fromRaw(0));
    EXPECT_EQ(r.makerCode, 4464);
    EXPECT_EQ(r.category, 1);
    EXPECT_EQ(r.amount, Currency::fromUnits(-12));
    EXPECT_EQ(r.economy, Currency::fromRaw(2));
    const Fueling &cut = book->fuelings[2];
    EXPECT_EQ(cut.trip, Currency::fromRaw(72500));
    EXPECT_EQ(cut.litres, Currency());
    EXPECT_EQ(cut.makerCode, 0);
    EXPECT_EQ(cut.economy, Currency());
}

TEST_F(LegacyFolder, ABrokenNumberReportsItAndLeavesTheOpenLogbookAlone)
{
    write("gas.dat", "Esso\r\n");
    write("nenpi.dat",
          record("2001", "1", "5") + record("2001", "1", "6", "300\n2,5\n1\n1\n3000\n12\n"));
    expectFailureLeavesBookAlone(msg::NotNumber);

    write("nenpi.dat", record("2001", "1", "5", "300\n25\n1.5\n1\n3000\n12\n"));
    expectFailureLeavesBookAlone(msg::NotNumber);

    write("nenpi.dat", record("2001", "1", "5", "300\n25\n1\n1\n99999999999\n12\n"));
    expectFailureLeavesBookAlone(msg::NotNumber);

    // A real cut after 64 characters is still far too large for the logbook.
    write("nenpi.dat",
          record("2001", "1", "5", (std::string(100, '9') + "\n25\n1\n1\n3000\n12\n").c_str()));
    expectFailureLeavesBookAlone(msg::NotNumber);
}

TEST_F(LegacyFolder, AFileWithoutLineBreaksIsRefusedWithoutReadingItWhole)
{
    write("nenpi.dat", record("2001", "1", "5"));
    write("gas.dat", std::string(200 * 1024, 'A'));
    expectFailureLeavesBookAlone(msg::LegacyDamaged);
}

// Whatever bytes the files hold, the import either succeeds or reports a message.
TEST_F(LegacyFolder, ArbitraryBytesNeverBreakTheImport)
{
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789 .-+eE\t\r\n\n\n\x82\xa0\xff\"/";
    for (int round = 0; round < 300; ++round) {
        for (const char *name : {"nenpi.dat", "gas.dat", "syamei.dat"}) {
            std::string bytes(random() % 600, ' ');
            for (char &c : bytes)
                c = alphabet[random() % alphabet.size()];
            write(name, bytes);
        }
        auto book = openBook();
        try {
            importLegacy(*book, economy());
            EXPECT_LE(book->fuelings.usedCount(), LegacyFuelingLimit);
        } catch (const FenloError &) {
            EXPECT_TRUE(book->sameData(*openBook()));
        }
    }
}

TEST_F(LegacyFolder, AWrongPathChangesNothing)
{
    auto book = openBook();
    EXPECT_EQ(importLegacy(*book, dir.file("nenpi.dat")), ImportResult::WrongPath);
    EXPECT_EQ(importLegacy(*book, dir.path()), ImportResult::WrongPath); // a folder
    EXPECT_TRUE(book->sameData(*openBook()));
}

TEST(LegacyFiles, TheOtherFilesLieInTheFolderOfNenpiDat)
{
    LegacyFiles files = LegacyFiles::beside("/old/fenlo/nenpi.dat");
    EXPECT_EQ(files.fuelings, "/old/fenlo/nenpi.dat");
    EXPECT_EQ(files.makers, "/old/fenlo/gas.dat");
    EXPECT_EQ(files.carName, "/old/fenlo/syamei.dat");
    EXPECT_EQ(LegacyFiles::beside("/old/NENPI1.DAT").makers, "/old/gas.dat");
    EXPECT_EQ(LegacyFiles::beside("nenpi.dat").carName, "syamei.dat");
}

TEST(LegacyDate, TwoDigitYearsFallInTheFiftyYearWindowAndBadTextIsNoDate)
{
    EXPECT_EQ(legacyDate("98", "12", "31", 2025), encodeDateTime(1998, 12, 31));
    EXPECT_EQ(legacyDate("01", "1", "1", 2025), encodeDateTime(2001, 1, 1));
    EXPECT_EQ(legacyDate("75", "1", "1", 2025), encodeDateTime(1975, 1, 1));
    EXPECT_EQ(legacyDate("74", "1", "1", 2025), encodeDateTime(2074, 1, 1));
    EXPECT_EQ(legacyDate("0098", "1", "1", 2025), encodeDateTime(98, 1, 1));
    EXPECT_EQ(legacyDate("2000", "2", "29", 2025), encodeDateTime(2000, 2, 29));
    EXPECT_EQ(legacyDate("1900", "2", "29", 2025), std::nullopt);
    EXPECT_EQ(legacyDate("2001", "13", "1", 2025), std::nullopt);
    EXPECT_EQ(legacyDate("2001", "", "1", 2025), std::nullopt);
    EXPECT_EQ(legacyDate("2001", "-1", "1", 2025), std::nullopt);
    EXPECT_EQ(legacyDate("20001", "1", "1", 2025), std::nullopt);
}
