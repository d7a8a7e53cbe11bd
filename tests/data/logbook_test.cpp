#include "data/logbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace fenlo;

namespace {

Fueling fueling(double date, const char *comment)
{
    Fueling r;
    r.moment = date;
    r.comment = comment;
    return r;
}

} // namespace

TEST(Logbook, ClearMakesEveryslotFree)
{
    Logbook book;
    book.carName = "car";
    book.modified = true;
    book.fileName = "/tmp/x.fnl";
    book.makers[3] = {5, "name"};
    book.fuelings[1000] = fueling(10, "c");
    book.memos[7] = {3, "memo"};
    book.clear();
    EXPECT_FALSE(book.modified);
    EXPECT_EQ(book.fileName, "");
    EXPECT_EQ(book.carName, "");
    EXPECT_TRUE(book.sameData(Logbook{}));
    EXPECT_EQ(book.makers[3].code, EmptyMakerCode);
    EXPECT_EQ(book.fuelings[1000].moment, EmptyDate);
    EXPECT_EQ(book.fuelings.usedCount(), 0);
}

TEST(Logbook, ExchangeSortOrdersEqualKeysAsTheOriginalProcedureDoes)
{
    Logbook book;
    book.fuelings[1] = fueling(3, "3");
    book.fuelings[2] = fueling(2, "2");
    book.fuelings[3] = fueling(2, "2'");
    book.fuelings[4] = fueling(1, "1");
    book.sortFuelings();
    EXPECT_EQ(book.fuelings[1].comment, "1");
    EXPECT_EQ(book.fuelings[2].comment, "2'");
    EXPECT_EQ(book.fuelings[3].comment, "2");
    EXPECT_EQ(book.fuelings[4].comment, "3");
    EXPECT_EQ(book.fuelings.usedCount(), 4);

    // The same procedure on memos and makers.
    book.memos[1] = {5, "b"};
    book.memos[2] = {5, "a"};
    book.memos[3] = {4, "c"};
    book.sortMemos();
    EXPECT_EQ(book.memos[1].text, "c");
    EXPECT_EQ(book.memos[2].text, "a");
    EXPECT_EQ(book.memos[3].text, "b");
}

TEST(Logbook, FreeSlotsSortLastSoUsedSlotsStayOneRun)
{
    Logbook book;
    book.makers[1] = {7, "seven"};
    book.makers[5] = {2, "two"};
    book.makers[20] = {99, "last"};
    book.sortMakers();
    EXPECT_EQ(book.makers[1].code, 2);
    EXPECT_EQ(book.makers[2].code, 7);
    EXPECT_EQ(book.makers[3].code, 99);
    EXPECT_EQ(book.makers.usedCount(), 3);

    // Deleting slot 3 of 5 and re-sorting closes the gap.
    for (int i = 1; i <= 5; ++i)
        book.fuelings[i] = fueling(100 + i, "");
    book.fuelings[3] = Fueling{};
    book.sortFuelings();
    EXPECT_EQ(book.fuelings.usedCount(), 4);
    EXPECT_EQ(book.fuelings[3].moment, 104);
    EXPECT_FALSE(book.fuelings[5].used());
}

TEST(Logbook, MakerLookupTreatsCode999AsFree)
{
    Logbook book;
    EXPECT_FALSE(book.hasMakers());
    book.makers[1] = {EmptyMakerCode, "ghost"};
    EXPECT_FALSE(book.hasMakers());
    EXPECT_EQ(book.makers.usedCount(), 0);
    book.makers[2] = {12, "twelve"};
    EXPECT_TRUE(book.hasMakers());
    ASSERT_NE(book.makerName(12), nullptr);
    EXPECT_EQ(*book.makerName(12), "twelve");
    EXPECT_EQ(book.makerName(13), nullptr);
}

TEST(Logbook, SortingOnKeysLeavesExactlyTheOrderOfTheRecordByRecordExchangeSort)
{
    // The straightforward procedure, exchanging whole records.
    auto reference = [](SlotTable<Fueling, Logbook::FuelingSlots> &table) {
        for (int i = 1; i < Logbook::FuelingSlots; ++i)
            for (int j = i + 1; j <= Logbook::FuelingSlots; ++j)
                if (table[i].moment > table[j].moment)
                    std::swap(table[i], table[j]);
    };
    std::mt19937 rng(7);
    for (int round = 0; round < 5; ++round) {
        Logbook book;
        int used = std::uniform_int_distribution<int>(0, 1000)(rng);
        for (int i = 1; i <= used; ++i) {
            // Few distinct dates, so equal keys are everywhere.
            book.fuelings[i].moment = std::uniform_int_distribution<int>(0, 30)(rng);
            book.fuelings[i].comment = std::to_string(i);
        }
        std::shuffle(book.fuelings.begin(), book.fuelings.end(), rng);
        auto expected = book.fuelings;
        reference(expected);
        book.sortFuelings();
        EXPECT_TRUE(book.fuelings == expected) << "round " << round;
    }
}
