#include "reports/monthly.h"

#include "bookbuilder.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::BookBuilder;
using fenlo::test::line;
using Cells = std::vector<std::string>;

TEST(Monthly, NoFuelingsGiveNoRowsAndNoTotal)
{
    BookBuilder b;
    monthly::Report r = monthly::tally(b.book());
    EXPECT_TRUE(r.months.empty());
    EXPECT_EQ(r.lastMonthNumber(), 1);
    GridText grid = monthly::cells(r);
    EXPECT_EQ(grid.titles(),
              (Cells{"年月", "件数", "合計距離", "合計給油量", "合計金額", "平均燃費"}));
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST(Monthly, GroupsByCalendarMonthAcrossTheYearEnd)
{
    BookBuilder b;
    b.fueling({.year = 2002,
               .month = 12,
               .day = 31,
               .hour = 23,
               .trip = 300,
               .litres = 25,
               .amount = 2500})
        .fueling({.year = 2003, .month = 1, .day = 1, .trip = 200, .litres = 20, .amount = 2000})
        .fueling({.year = 2003, .month = 1, .day = 20, .trip = 290, .litres = 20, .amount = 2100})
        .fueling({.year = 2003, .month = 3, .day = 2, .trip = 150, .litres = 0});
    monthly::Report r = monthly::tally(b.book());
    ASSERT_EQ(r.lastMonthNumber(), 3);
    GridText grid = monthly::cells(r);
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(line(grid, 0), (Cells{"2002年12月", "1", "300.0", "25.0", "2500", "12.0"}));
    EXPECT_EQ(line(grid, 1), (Cells{"2003年01月", "2", "490.0", "40.0", "4100", "12.3"})); // 12.25
    EXPECT_EQ(line(grid, 2), (Cells{"2003年03月", "1", "150.0", "0.0", "0", "0.0"}));
    // The overall economy is 940 / 65 (the litre-less month's distance counts), not a mean.
    EXPECT_EQ(line(grid, 3), (Cells{"合計(平均)", "4", "940.0", "65.0", "6600", "14.5"}));
    EXPECT_EQ(r.totals.economy, Currency::fromRaw(144615)); // 14.461538… rounded to 4 places
}

TEST(Monthly, ReadsAFullTableToTheLastSlot)
{
    BookBuilder b;
    for (int i = 0; i < 1000; ++i)
        b.fueling({.year = 1990 + i / 12, .month = 1 + i % 12, .day = 1, .trip = 10, .litres = 1});
    monthly::Report r = monthly::tally(b.book());
    EXPECT_EQ(r.lastMonthNumber(), 1000);
    EXPECT_EQ(r.months.back().month, "2073年04月");
    EXPECT_EQ(r.totals.count, 1000);
    EXPECT_EQ(monthly::cells(r).rowCount(), 1001);
}
