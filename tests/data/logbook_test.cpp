#include "data/logbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace fenlo;

namespace {

Fueling fueling(double date, const char *comment)
{
    Fueling r;
    r.nichiji = date;
    r.comment = comment;
    return r;
}

} // namespace

TEST(Logbook, ClearMakesEveryslotFree)
{
    Logbook book;
    book.Shamei = "car";
    book.DataChanged = true;
    book.DataFileName = "/tmp/x.fnl";
    book.MgasTable[3] = {5, "name"};
    book.NenpiTable[1000] = fueling(10, "c");
    book.MemoTable[7] = {3, "memo"};
    book.DataClear();
    EXPECT_FALSE(book.DataChanged);
    EXPECT_EQ(book.DataFileName, "");
    EXPECT_EQ(book.Shamei, "");
    EXPECT_TRUE(book.sameData(Logbook{}));
    EXPECT_EQ(book.MgasTable[3].cd, EmptyGasCode);
    EXPECT_EQ(book.NenpiTable[1000].nichiji, EmptyDate);
    EXPECT_EQ(book.NenpiTable.usedCount(), 0);
}

TEST(Logbook, ExchangeSortOrdersEqualKeysAsTheOriginalProcedureDoes)
{
    Logbook book;
    book.NenpiTable[1] = fueling(3, "3");
    book.NenpiTable[2] = fueling(2, "2");
    book.NenpiTable[3] = fueling(2, "2'");
    book.NenpiTable[4] = fueling(1, "1");
    book.SortNenpi();
    EXPECT_EQ(book.NenpiTable[1].comment, "1");
    EXPECT_EQ(book.NenpiTable[2].comment, "2'");
    EXPECT_EQ(book.NenpiTable[3].comment, "2");
    EXPECT_EQ(book.NenpiTable[4].comment, "3");
    EXPECT_EQ(book.NenpiTable.usedCount(), 4);

    // The same procedure on memos and makers.
    book.MemoTable[1] = {5, "b"};
    book.MemoTable[2] = {5, "a"};
    book.MemoTable[3] = {4, "c"};
    book.SortMemo();
    EXPECT_EQ(book.MemoTable[1].text, "c");
    EXPECT_EQ(book.MemoTable[2].text, "a");
    EXPECT_EQ(book.MemoTable[3].text, "b");
}

TEST(Logbook, FreeSlotsSortLastSoUsedSlotsStayOneRun)
{
    Logbook book;
    book.MgasTable[1] = {7, "seven"};
    book.MgasTable[5] = {2, "two"};
    book.MgasTable[20] = {99, "last"};
    book.SortGas();
    EXPECT_EQ(book.MgasTable[1].cd, 2);
    EXPECT_EQ(book.MgasTable[2].cd, 7);
    EXPECT_EQ(book.MgasTable[3].cd, 99);
    EXPECT_EQ(book.MgasTable.usedCount(), 3);

    // Deleting slot 3 of 5 and re-sorting closes the gap.
    for (int i = 1; i <= 5; ++i)
        book.NenpiTable[i] = fueling(100 + i, "");
    book.NenpiTable[3] = Fueling{};
    book.SortNenpi();
    EXPECT_EQ(book.NenpiTable.usedCount(), 4);
    EXPECT_EQ(book.NenpiTable[3].nichiji, 104);
    EXPECT_FALSE(book.NenpiTable[5].used());
}

TEST(Logbook, MakerLookupTreatsCode999AsFree)
{
    Logbook book;
    EXPECT_FALSE(book.hasGas());
    book.MgasTable[1] = {EmptyGasCode, "ghost"};
    EXPECT_FALSE(book.hasGas());
    EXPECT_EQ(book.MgasTable.usedCount(), 0);
    book.MgasTable[2] = {12, "twelve"};
    EXPECT_TRUE(book.hasGas());
    ASSERT_NE(book.gasName(12), nullptr);
    EXPECT_EQ(*book.gasName(12), "twelve");
    EXPECT_EQ(book.gasName(13), nullptr);
}

TEST(Logbook, SortingOnKeysLeavesExactlyTheOrderOfTheRecordByRecordExchangeSort)
{
    // The straightforward procedure, exchanging whole records.
    auto reference = [](SlotTable<Fueling, Logbook::NenpiSlots> &table) {
        for (int i = 1; i < Logbook::NenpiSlots; ++i)
            for (int j = i + 1; j <= Logbook::NenpiSlots; ++j)
                if (table[i].nichiji > table[j].nichiji)
                    std::swap(table[i], table[j]);
    };
    std::mt19937 rng(7);
    for (int round = 0; round < 5; ++round) {
        Logbook book;
        int used = std::uniform_int_distribution<int>(0, 1000)(rng);
        for (int i = 1; i <= used; ++i) {
            // Few distinct dates, so equal keys are everywhere.
            book.NenpiTable[i].nichiji = std::uniform_int_distribution<int>(0, 30)(rng);
            book.NenpiTable[i].comment = std::to_string(i);
        }
        std::shuffle(book.NenpiTable.begin(), book.NenpiTable.end(), rng);
        auto expected = book.NenpiTable;
        reference(expected);
        book.SortNenpi();
        EXPECT_TRUE(book.NenpiTable == expected) << "round " << round;
    }
}
