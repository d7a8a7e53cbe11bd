#include "data/datetime.h"
#include "data/numformat.h"

#include <gtest/gtest.h>

using namespace fenlo;

TEST(DateTime, EncodesDaysSince1899WithTheHourAsFraction)
{
    EXPECT_EQ(*encodeDateTime(1899, 12, 30), 0.0);
    EXPECT_EQ(*encodeDateTime(2003, 1, 15), 37636.0);
    EXPECT_EQ(*encodeDateTime(2003, 1, 15, 8), 37636.0 + 8.0 / 24.0);
    EXPECT_EQ(*encodeDateTime(2024, 2, 29), 45351.0);
}

TEST(DateTime, RefusesImpossibleDatesAndHours)
{
    EXPECT_FALSE(encodeDateTime(2023, 2, 29));
    EXPECT_FALSE(encodeDateTime(2023, 2, 30));
    EXPECT_FALSE(encodeDateTime(2023, 4, 31));
    EXPECT_FALSE(encodeDateTime(2023, 13, 1));
    EXPECT_FALSE(encodeDateTime(2023, 1, 1, 24));
    EXPECT_FALSE(encodeDateTime(0, 1, 1));
    EXPECT_FALSE(encodeDateTime(10000, 1, 1));
    EXPECT_TRUE(encodeDateTime(1900, 2, 28));
    EXPECT_FALSE(encodeDateTime(1900, 2, 29));
}

TEST(DateTime, DecodingRoundsToTheMillisecondSoStoredHoursSurvive)
{
    double stored = parseFloat(formatGeneral(37636.0 + 8.0 / 24.0));
    EXPECT_LT(stored, 37636.0 + 8.0 / 24.0);
    auto p = decodeDateTime(stored);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->year, 2003);
    EXPECT_EQ(p->month, 1);
    EXPECT_EQ(p->day, 15);
    EXPECT_EQ(p->hour, 8);
    EXPECT_EQ(p->minute, 0);
    EXPECT_EQ(formatDate(stored), "2003/01/15");
    EXPECT_EQ(formatHour(stored), "08");
    // Every hour of a day survives the 15-digit round trip.
    for (int h = 0; h < 24; ++h) {
        double v = parseFloat(formatGeneral(*encodeDateTime(2026, 12, 31, h)));
        EXPECT_EQ(decodeDateTime(v)->hour, h) << h;
        EXPECT_EQ(decodeDateTime(v)->day, 31) << h;
    }
}

TEST(DateTime, ValuesOutsideTheCalendarDecodeToNothing)
{
    EXPECT_FALSE(decodeDateTime(EmptyDate));
    EXPECT_EQ(formatDate(EmptyDate), "");
    EXPECT_EQ(formatDate(2958465.0), "9999/12/31");
    EXPECT_EQ(formatDate(-693593.0), "0001/01/01");
    EXPECT_FALSE(decodeDateTime(-693594.0));
    // Just before midnight rounds up to the next day rather than to hour 24.
    EXPECT_EQ(formatDate(37636.9999999999), "2003/01/16");
    EXPECT_EQ(formatHour(37636.9999999999), "00");
}
