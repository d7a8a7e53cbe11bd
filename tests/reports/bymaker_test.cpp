#include "reports/bymaker.h"

#include "bookbuilder.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::BookBuilder;
using fenlo::test::line;
using Cells = std::vector<std::string>;

namespace {

std::vector<std::int32_t> codesOf(const bymaker::Report &r)
{
    std::vector<std::int32_t> codes;
    for (const bymaker::MakerRow &m : r.makers)
        codes.push_back(m.code);
    return codes;
}

// Each fueling is judged by the trip after it: X 15; Y 12 and 10 (440 km / 40 L); Z 12.
BookBuilder threeMakers()
{
    BookBuilder b;
    b.maker(1, "X").maker(2, "Y").maker(3, "Z").maker(4, "W");
    b.fueling({.day = 1, .makerCode = 1})
        .fueling({.day = 2, .trip = 300, .litres = 20, .economy = 15, .makerCode = 2})
        .fueling({.day = 3, .trip = 240, .litres = 20, .economy = 12, .makerCode = 2})
        .fueling({.day = 4, .trip = 200, .litres = 20, .economy = 10, .makerCode = 3})
        .fueling({.day = 5, .trip = 360, .litres = 30, .economy = 12, .makerCode = 4});
    return b;
}

} // namespace

TEST(ByMaker, SingleFuelingHasNothingToJudge)
{
    BookBuilder b;
    b.maker(1, "X").fueling({.trip = 300, .litres = 20, .economy = 15});
    bymaker::Report r = bymaker::report(b.book(), {});
    EXPECT_TRUE(r.makers.empty());
    EXPECT_EQ(bymaker::cells(r).rowCount(), 0);
}

TEST(ByMaker, AFuelingIsJudgedByTheNextMeasurement)
{
    BookBuilder b;
    b.maker(1, "X").maker(2, "Y");
    b.fueling({.day = 1, .makerCode = 1})
        .fueling({.day = 10, .trip = 300, .litres = 20, .economy = 15, .makerCode = 2});
    GridText grid = bymaker::cells(bymaker::report(b.book(), {}));
    EXPECT_EQ(grid.titles(), (Cells{"燃料メーカー", "件数", "最高", "最低", "平均"}));
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(line(grid, 0), (Cells{"X", "1", "15.0", "15.0", "15.0"}));
    EXPECT_EQ(line(grid, 1), (Cells{"*** 全 体 ***", "1", "15.0", "15.0", "15.0"}));
}

TEST(ByMaker, OrdersByEachFigure)
{
    BookBuilder b = threeMakers();
    // Makers without pairs (W, the last fueling's) get no row.
    EXPECT_EQ(codesOf(bymaker::report(b.book(), {})), (std::vector<std::int32_t>{1, 3, 2}));
    using O = bymaker::MakerOrder;
    EXPECT_EQ(codesOf(bymaker::report(b.book(), {O::Count, false})),
              (std::vector<std::int32_t>{1, 3, 2}));
    EXPECT_EQ(codesOf(bymaker::report(b.book(), {O::Count, true})),
              (std::vector<std::int32_t>{2, 1, 3}));
    EXPECT_EQ(codesOf(bymaker::report(b.book(), {O::Lowest, false})),
              (std::vector<std::int32_t>{2, 3, 1}));
    // Y and Z are equal at 12: descending leaves them, ascending passes Z over X after Y.
    EXPECT_EQ(codesOf(bymaker::report(b.book(), {O::Highest, true})),
              (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(codesOf(bymaker::report(b.book(), {O::Highest, false})),
              (std::vector<std::int32_t>{2, 3, 1}));
}

TEST(ByMaker, OverallRowTakesTheExtremesAndTheDistanceOverLitres)
{
    GridText grid = bymaker::cells(bymaker::report(threeMakers().book(), {}));
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(line(grid, 2), (Cells{"Y", "2", "12.0", "10.0", "11.0"}));
    // 1100 km / 90 L = 12.22, not the mean of the maker averages.
    EXPECT_EQ(line(grid, 3), (Cells{"*** 全 体 ***", "4", "15.0", "10.0", "12.2"}));
}

TEST(ByMaker, EveryPairCountsAfterAFuelingWithoutTripDistance)
{
    BookBuilder b;
    b.maker(1, "X").maker(2, "Y");
    b.fueling({.day = 1, .makerCode = 1})
        .fueling({.day = 2, .trip = 300, .litres = 20, .economy = 15, .makerCode = 1})
        .fueling({.day = 3, .trip = 0, .makerCode = 2}) // no pair for day 2
        .fueling({.day = 4, .trip = 200, .litres = 20, .economy = 10, .makerCode = 2})
        .fueling({.day = 5, .trip = 330, .litres = 30, .economy = 11, .makerCode = 1});
    bymaker::Report r = bymaker::report(b.book(), {bymaker::MakerOrder::Count, true});
    ASSERT_EQ(r.makers.size(), 2u);
    EXPECT_EQ(r.makers[0].code, 2); // days 3 and 4, judged after the gap
    EXPECT_EQ(r.makers[0].count, 2);
    EXPECT_EQ(r.makers[1].count, 1);
    EXPECT_EQ(r.overall.count, 3);
}

TEST(ByMaker, ZeroLitresGiveAnAverageOfZero)
{
    BookBuilder b;
    b.maker(1, "X").maker(5, "unused");
    b.fueling({.day = 1, .makerCode = 1})
        .fueling({.day = 2, .trip = 300, .litres = 0, .economy = 0});
    GridText grid = bymaker::cells(bymaker::report(b.book(), {}));
    ASSERT_EQ(grid.rowCount(), 2); // the maker without pairs gets no row
    EXPECT_EQ(line(grid, 0), (Cells{"X", "1", "0.0", "0.0", "0.0"}));
}
