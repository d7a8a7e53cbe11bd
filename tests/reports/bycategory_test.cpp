#include "reports/bycategory.h"

#include "bookbuilder.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::BookBuilder;
using fenlo::test::line;
using Cells = std::vector<std::string>;

TEST(ByCategory, DieselIsNotCounted)
{
    BookBuilder b;
    b.fueling({.day = 1, .category = 3})
        .fueling({.day = 2, .trip = 300, .litres = 20, .economy = 15});
    GridText grid = bycategory::cells(bycategory::report(b.book()));
    EXPECT_EQ(grid.titles(), (Cells{"区分", "件数", "最高", "最低", "平均"}));
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(line(grid, 0), (Cells{"レギュラー", "", "", "", ""}));
    EXPECT_EQ(line(grid, 1), (Cells{"ハイオク", "", "", "", ""}));
    EXPECT_EQ(line(grid, 2), (Cells{"*** 全 体 ***", "", "", "", ""}));
}

TEST(ByCategory, CountsByTheCategoryOfTheEarlierFueling)
{
    BookBuilder b;
    b.fueling({.day = 1, .category = 2})
        .fueling({.day = 2, .trip = 300, .litres = 20, .economy = 15, .category = 1})
        .fueling({.day = 3, .trip = 0, .category = 1}) // a gap: the scan goes on after it
        .fueling({.day = 4, .trip = 100, .litres = 10, .economy = 10, .category = 1})
        .fueling({.day = 5, .trip = 330, .litres = 30, .economy = 11, .category = 1});
    bycategory::Report r = bycategory::report(b.book());
    GridText grid = bycategory::cells(r);
    EXPECT_EQ(line(grid, 0), (Cells{"レギュラー", "2", "11.0", "10.0", "10.8"})); // 430 / 40
    EXPECT_EQ(line(grid, 1), (Cells{"ハイオク", "1", "15.0", "15.0", "15.0"}));
    // 730 / 60 = 12.17, not the mean of the two averages.
    EXPECT_EQ(line(grid, 2), (Cells{"*** 全 体 ***", "3", "15.0", "10.0", "12.2"}));
}
