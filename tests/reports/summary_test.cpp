#include "reports/summary.h"

#include "bookbuilder.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::BookBuilder;
using fenlo::test::line;

namespace {

using Cells = std::vector<std::string>;

} // namespace

TEST(Summary, TotalsExtremesAndAveragesOfTwoFuelings)
{
    BookBuilder b;
    b.fueling({.day = 1, .trip = 300, .litres = 25, .economy = 12.0, .amount = 3000})
        .fueling({.day = 2, .trip = 400, .litres = 35, .economy = 11.4, .amount = 4000});
    Summary s = summaryOf(b.book());
    GridText panel = summaryCells(s);
    EXPECT_EQ(panel.titles(), (Cells{"", "距離(km)", "給油量(L)", "金額", "燃費(km/L)"}));
    ASSERT_EQ(panel.rowCount(), 4);
    EXPECT_EQ(line(panel, 0), (Cells{"合計", "700.0", "60.0", "7000", "11.7"}));
    EXPECT_EQ(line(panel, 1), (Cells{"最高", "400.0", "35.0", "4000", "12.0"}));
    EXPECT_EQ(line(panel, 2), (Cells{"最低", "300.0", "25.0", "3000", "11.4"}));
    EXPECT_EQ(line(panel, 3), (Cells{"平均", "350.0", "30.0", "3500", "11.7"}));
    EXPECT_EQ(countCell(s), "2");
}

TEST(Summary, EmptyListShowsZeroWithoutDecimals)
{
    BookBuilder b;
    Summary s = summaryOf(b.book());
    GridText panel = summaryCells(s);
    for (int r = 0; r < 4; ++r) {
        for (int c = 1; c < 5; ++c)
            EXPECT_EQ(panel.cell(r, c), "0");
    }
    EXPECT_EQ(countCell(s), "0");
}

TEST(Summary, AverageAmountRoundsTheHalfYenUpOnDisplay)
{
    BookBuilder b;
    b.fueling({.day = 1, .amount = 500}).fueling({.day = 2, .amount = 501});
    Summary s = summaryOf(b.book());
    EXPECT_EQ(s.average.amount, Currency::fromRaw(5005000));
    EXPECT_EQ(summaryCells(s).cell(3, 3), "501");
}

TEST(Summary, ZeroLitresGuardOnlyTheirOwnDivision)
{
    BookBuilder b;
    b.fueling({.day = 1, .trip = 0, .litres = 0, .economy = 0})
        .fueling({.day = 2, .trip = 250, .litres = 0, .economy = 10});
    Summary s = summaryOf(b.book());
    EXPECT_EQ(s.total.economy, 0);      // no litres at all
    EXPECT_EQ(s.average.distance, 125); // the zero trip counts in the average
    EXPECT_EQ(s.lowest.distance, 0);    // and in the lowest
    EXPECT_EQ(s.average.economy, 5);
    EXPECT_EQ(summaryCells(s).cell(0, 4), "0.0");
}

TEST(Summary, StopsAtTheFirstFreeSlot)
{
    BookBuilder b;
    b.fueling({.trip = 100});
    b.book().fuelings[3].trip = Currency::fromUnits(999); // stray figures after a gap
    b.book().fuelings[3].moment = 40000;
    EXPECT_EQ(summaryOf(b.book()).count, 1);
}
