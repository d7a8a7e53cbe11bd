#include "reports/period.h"

#include <gtest/gtest.h>

using namespace fenlo;

TEST(Period, ShortYearsAreCompletedIntoTheirCentury)
{
    EXPECT_EQ(completeYear(98), 1998);
    EXPECT_EQ(completeYear(90), 1990);
    EXPECT_EQ(completeYear(89), 2089);
    EXPECT_EQ(completeYear(3), 2003);
    EXPECT_EQ(completeYear(0), 2000);
    EXPECT_EQ(completeYear(100), 100);
    EXPECT_EQ(completeYearText("03"), "2003");
    EXPECT_EQ(completeYearText(""), "");
    EXPECT_EQ(completeYearText("2004"), "2004");
}

TEST(Period, EmptyFieldsMeanNoLimit)
{
    PeriodFields f{};
    PeriodCheck c = checkPeriod(f);
    EXPECT_TRUE(c.ok);
    EXPECT_FALSE(c.period);
}

TEST(Period, FirstMissingFieldIsReportedInTabOrder)
{
    PeriodFields onlyYear{"2003", "", "", "", "", ""};
    PeriodCheck c = checkPeriod(onlyYear);
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.message, MonthMissing);
    EXPECT_EQ(c.focus, PeriodField::StartMonth);

    PeriodFields noEndYear{"2003", "1", "1", "", "2", "3"};
    c = checkPeriod(noEndYear);
    EXPECT_EQ(c.message, YearMissing);
    EXPECT_EQ(c.focus, PeriodField::EndYear);

    PeriodFields noEndDay{"2003", "1", "1", "2003", "2", ""};
    c = checkPeriod(noEndDay);
    EXPECT_EQ(c.message, DayMissing);
    EXPECT_EQ(c.focus, PeriodField::EndDay);
}

TEST(Period, DaysThatDoNotExistAreRefused)
{
    PeriodFields badStart{"2003", "2", "29", "2003", "3", "1"};
    PeriodCheck c = checkPeriod(badStart);
    EXPECT_FALSE(c.ok);
    EXPECT_EQ(c.message, DateInvalid);
    EXPECT_EQ(c.focus, PeriodField::StartYear);

    PeriodFields badEnd{"2004", "2", "29", "2004", "13", "1"};
    c = checkPeriod(badEnd);
    EXPECT_EQ(c.message, DateInvalid);
    EXPECT_EQ(c.focus, PeriodField::EndYear);
}

TEST(Period, ReversedPeriodIsTurnedRound)
{
    PeriodFields f{"2003", "12", "31", "2003", "01", "1"};
    PeriodCheck c = checkPeriod(f);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(f, (PeriodFields{"2003", "01", "1", "2003", "12", "31"}));
    EXPECT_EQ(c.period->start, *encodeDateTime(2003, 1, 1));
    EXPECT_LT(c.period->end, *encodeDateTime(2004, 1, 1));
    EXPECT_GT(c.period->end, *encodeDateTime(2003, 12, 31, 23));
}

TEST(Period, OneDayRunsFromMidnightToItsLastSecond)
{
    PeriodFields f{"3", "5", "7", "03", "5", "7"};
    PeriodCheck c = checkPeriod(f);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(f[0], "2003"); // completed as if the field had been left
    EXPECT_EQ(f[3], "2003");
    EXPECT_EQ(c.period->start, *encodeDateTime(2003, 5, 7));
    EXPECT_DOUBLE_EQ(c.period->end, *encodeDateTime(2003, 5, 8) - 1.0 / 86400);
}
