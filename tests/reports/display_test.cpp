#include "reports/display.h"

#include "bookbuilder.h"
#include "reports/choices.h"
#include "reports/summary.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::BookBuilder;
using fenlo::test::line;
using Cells = std::vector<std::string>;

namespace {

std::vector<int> slotsOf(const std::vector<Measurement> &rows)
{
    std::vector<int> slots;
    for (const Measurement &r : rows)
        slots.push_back(r.slot);
    return slots;
}


} // namespace

TEST(Display, EqualKeysComeOutAsTheExchangeSortLeavesThem)
{
    BookBuilder b;
    b.fueling({.day = 1, .amount = 2})
        .fueling({.day = 2, .amount = 2})
        .fueling({.day = 3, .amount = 3});
    DisplayOptions o;
    o.order = DisplayOrder::Amount;
    o.descending = true;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{3, 2, 1}));
    o.descending = false;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{1, 2, 3}));
}

TEST(Display, EqualKeysAfterThirdRecordExchanges)
{
    // 3, 2, 2', 1 ascending by amount: the exchanges with 3 and 1 turn 2 and 2' round.
    BookBuilder b;
    b.fueling({.day = 1, .amount = 3})
        .fueling({.day = 2, .amount = 2})
        .fueling({.day = 3, .amount = 2})
        .fueling({.day = 4, .amount = 1});
    DisplayOptions o;
    o.order = DisplayOrder::Amount;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{4, 3, 2, 1}));
}

TEST(Display, OrdersByEachKeyBothWays)
{
    BookBuilder b;
    b.fueling({.day = 1, .trip = 300, .litres = 30, .economy = 10})
        .fueling({.day = 2, .trip = 100, .litres = 10, .economy = 12})
        .fueling({.day = 3, .trip = 200, .litres = 25, .economy = 8});
    DisplayOptions o;
    o.descending = true;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{3, 2, 1}));
    o.order = DisplayOrder::Distance;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{1, 3, 2}));
    o.order = DisplayOrder::Litres;
    o.descending = false;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{2, 3, 1}));
    o.order = DisplayOrder::Economy;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{3, 1, 2}));
}

TEST(Display, FiltersByPeriodMakerAndCategory)
{
    BookBuilder b;
    b.maker(1, "A").maker(2, "B");
    b.fueling({.month = 5, .day = 6, .hour = 23, .makerCode = 1, .category = 1})
        .fueling({.month = 5, .day = 7, .hour = 0, .makerCode = 1, .category = 1})
        .fueling({.month = 5, .day = 7, .hour = 23, .makerCode = 2, .category = 2})
        .fueling({.month = 5, .day = 8, .hour = 0, .makerCode = 1, .category = 2});
    PeriodFields day{"2003", "5", "7", "2003", "5", "7"};
    DisplayOptions o;
    o.period = checkPeriod(day).period;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{2, 3}));
    o.period.reset();
    o.maker = makerChoiceCode(makerChoiceItems(b.book())[0]);
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{1, 2, 4}));
    o.category = CategoryPremium;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Fuelings, o)), (std::vector{4}));
    o.maker = 7;
    EXPECT_TRUE(displayRows(b.book(), DisplayKind::Fuelings, o).empty());
}

TEST(Display, MakerChoicesCarryTheCodeInTwoPlaces)
{
    BookBuilder b;
    b.maker(7, "A").maker(42, "\x83\x47\x83\x6c\x83\x49\x83\x58"); // エネオス in CP932
    EXPECT_EQ(makerChoiceItems(b.book()), (Cells{" 7|A", "42|エネオス"}));
    EXPECT_EQ(makerChoiceCode(" 7|A"), 7);
    EXPECT_EQ(makerChoiceCode("42|x"), 42);
    EXPECT_EQ(makerChoiceCode("全て"), std::nullopt);
}

TEST(Display, GridCellsOfAFueling)
{
    BookBuilder b;
    b.maker(3, "\x83\x47\x83\x6c\x83\x49\x83\x58"); // エネオス in CP932
    b.fueling({.month = 5,
               .day = 7,
               .hour = 8,
               .trip = 412.25,
               .litres = 30.04,
               .economy = 13.72,
               .makerCode = 3,
               .category = 2,
               .amount = 3120.5,
               .odometer = 10234.5,
               .comment = "\x8d\x82\x91\xac"}) // 高速
        .fueling({.day = 8, .makerCode = 9, .category = 4});
    GridText grid = displayCells(b.book(), displayRows(b.book(), DisplayKind::Fuelings, {}));
    EXPECT_EQ(grid.titles(), (Cells{"No", "日付", "距離(ﾄｰﾀﾙ)", "距離(今回)", "給油量", "メーカー",
                                    "区分", "金額", "燃費", "コメント"}));
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(line(grid, 0),
              (Cells{"1", "2003/01/08(00)", "0.0", "0.0", "0.0", "", "", "0", "0.0", ""}));
    EXPECT_EQ(line(grid, 1), (Cells{"2", "2003/05/07(08)", "10234.5", "412.3", "30.0", "エネオス",
                                    "ﾊｲｵｸ", "3121", "13.7", "高速"}));
}

TEST(Display, PairsJoinAFuelingWithTheMeasurementOfTheNext)
{
    BookBuilder b;
    b.maker(1, "X").maker(2, "Y");
    b.fueling({.day = 1, .makerCode = 1, .amount = 3000, .comment = "A"})
        .fueling({.day = 10,
                  .trip = 300,
                  .litres = 20,
                  .economy = 15,
                  .makerCode = 2,
                  .category = 2,
                  .amount = 2500,
                  .odometer = 5300,
                  .comment = "B"});
    std::vector<Measurement> rows = displayRows(b.book(), DisplayKind::Pairs, {});
    GridText grid = displayCells(b.book(), rows);
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(line(grid, 0), (Cells{"1", "2003/01/01(00)", "5300.0", "300.0", "20.0", "X", "ﾚｷﾞｭﾗｰ",
                                    "3000", "15.0", "A"}));
    EXPECT_EQ(countCell(summaryOf(rows)), "1");
}

TEST(Display, PairsLeaveOutTheLastFuelingAndZeroTrips)
{
    BookBuilder single;
    single.fueling({.trip = 100});
    single.book().fuelings[2].trip = Currency::fromUnits(100); // stray figures in a free slot
    EXPECT_TRUE(displayRows(single.book(), DisplayKind::Pairs, {}).empty());

    BookBuilder b;
    b.fueling({.day = 1})
        .fueling({.day = 2, .trip = 100})
        .fueling({.day = 3, .trip = 0}) // ends no pair for day 2
        .fueling({.day = 4, .trip = 200});
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Pairs, {})), (std::vector{1, 3}));
}

TEST(Display, PairsAreFilteredByTheEarlierFueling)
{
    BookBuilder b;
    b.maker(1, "X").maker(2, "Y");
    b.fueling({.month = 12, .day = 31, .makerCode = 1})
        .fueling({.year = 2004, .month = 1, .day = 5, .trip = 300, .litres = 20, .makerCode = 2});
    PeriodFields december{"2003", "12", "1", "2003", "12", "31"};
    DisplayOptions o;
    o.period = checkPeriod(december).period;
    o.maker = 1;
    EXPECT_EQ(slotsOf(displayRows(b.book(), DisplayKind::Pairs, o)), (std::vector{1}));
    o.maker = 2;
    EXPECT_TRUE(displayRows(b.book(), DisplayKind::Pairs, o).empty());
}

TEST(Display, FullTableGivesAtMost999Pairs)
{
    BookBuilder b;
    for (int i = 0; i < 1000; ++i)
        b.fueling({.year = 2000 + i / 360,
                   .month = 1 + i / 30 % 12,
                   .day = 1 + i % 30,
                   .trip = 100.0 + i % 7,
                   .litres = 10,
                   .economy = 10.0 + i % 7});
    EXPECT_EQ(displayRows(b.book(), DisplayKind::Fuelings, {}).size(), 1000u);
    DisplayOptions o;
    o.order = DisplayOrder::Economy;
    o.descending = true;
    std::vector<Measurement> pairs = displayRows(b.book(), DisplayKind::Pairs, o);
    ASSERT_EQ(pairs.size(), 999u);
    EXPECT_EQ(pairs.front().economy, Currency::fromUnits(16));
    EXPECT_EQ(pairs.back().economy, Currency::fromUnits(10));
}
