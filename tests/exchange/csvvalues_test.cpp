#include "exchange/csvvalues.h"

#include <gtest/gtest.h>

using namespace fenlo;

namespace {

std::optional<std::int64_t> raw(std::string_view text, bool decimalComma = false)
{
    std::optional<Currency> value = parseCsvNumber(text, decimalComma);
    return value ? std::optional<std::int64_t>(value->raw()) : std::nullopt;
}

std::string date(std::string_view text, DateOrder order = DateOrder::YearMonthDay)
{
    std::optional<CsvDate> d = parseCsvDate(text, order);
    if (!d)
        return "none";
    std::string out =
        std::to_string(d->year) + "-" + std::to_string(d->month) + "-" + std::to_string(d->day);
    return d->hour ? out + " " + std::to_string(*d->hour) : out;
}

std::optional<DateOrder> orderOf(std::initializer_list<const char *> texts)
{
    std::vector<DateShape> shapes;
    for (const char *text : texts)
        shapes.push_back(dateShape(text).value());
    return detectDateOrder(shapes);
}

} // namespace

TEST(parseCsvNumber, ReadsPointAndCommaDecimalsGroupingAndCurrencySigns)
{
    EXPECT_EQ(raw("35.62"), 356200);
    EXPECT_EQ(raw(" 412.3 "), 4123000);
    EXPECT_EQ(raw("0.00005"), 0); // halves to even at the fourth decimal
    EXPECT_EQ(raw("0.00015"), 2);
    EXPECT_EQ(raw("1,234.5"), 12345000);
    EXPECT_EQ(raw("¥4,560"), 45600000);
    EXPECT_EQ(raw("4560円"), 45600000);
    EXPECT_EQ(raw("35,62", true), 356200);
    EXPECT_EQ(raw("1.234,5", true), 12345000);
    EXPECT_EQ(raw("35.62", true), 356200); // a point alone stays a point, even there
    for (const char *bad : {"", "abc", "-5", "1,23", "12,34.5", "1.2.3", "--", "3 4", "1,234,5"})
        EXPECT_EQ(raw(bad), std::nullopt) << bad;
    EXPECT_EQ(raw("1.23,4", true), std::nullopt);
}

TEST(unitConversions, MilesAndUsGallonsBecomeKilometresAndLitres)
{
    EXPECT_EQ(milesToKilometres(Currency::fromUnits(100)).raw(), 1609344);
    EXPECT_EQ(milesToKilometres(Currency::fromRaw(1)).raw(), 2); // 1.609344 rounds up
    EXPECT_EQ(gallonsToLitres(Currency::fromUnits(10)).raw(), 378541);
    EXPECT_EQ(gallonsToLitres(Currency::fromUnits(1)).raw(), 37854);
}

TEST(parseCsvDate, EachWrittenFormGivesTheDayAndTheTime)
{
    EXPECT_EQ(date("2024/05/06"), "2024-5-6");
    EXPECT_EQ(date("2024-05-06"), "2024-5-6");
    EXPECT_EQ(date("2024.5.6"), "2024-5-6");
    EXPECT_EQ(date("2024年5月6日"), "2024-5-6");
    EXPECT_EQ(date("20240506"), "2024-5-6");
    EXPECT_EQ(date("06.05.2024", DateOrder::DayMonthYear), "2024-5-6");
    EXPECT_EQ(date("05/06/2024", DateOrder::MonthDayYear), "2024-5-6");
    EXPECT_EQ(date("06/05/2024", DateOrder::DayMonthYear), "2024-5-6");
    // Two-digit years as the entry dialog completes them.
    EXPECT_EQ(date("98/05/06"), "1998-5-6");
    EXPECT_EQ(date("06/05/24", DateOrder::DayMonthYear), "2024-5-6");
    EXPECT_EQ(date("2024-05-06 14:35"), "2024-5-6 14");
    EXPECT_EQ(date("2024-05-06T08:00:00Z"), "2024-5-6 8");
    EXPECT_EQ(date("05/06/2024 2:35 PM", DateOrder::MonthDayYear), "2024-5-6 14");
    for (const char *bad : {"2023/02/29", "2024/13/01", "2024/05", "x", "2024/05/06 25:00",
                            "2024/05-06", "2024/05/06abc", "05.06.2024/"})
        EXPECT_EQ(date(bad, DateOrder::DayMonthYear), "none") << bad;
}

TEST(detectDateOrder, TheFilesDatesTellDayFromMonth)
{
    EXPECT_EQ(orderOf({"05/06/2024", "13/06/2024"}), DateOrder::DayMonthYear);
    EXPECT_EQ(orderOf({"05/06/2024", "05/13/2024"}), DateOrder::MonthDayYear);
    EXPECT_EQ(orderOf({"05/06/2024"}), DateOrder::MonthDayYear);
    EXPECT_EQ(orderOf({"05.06.2024"}), DateOrder::DayMonthYear);
    EXPECT_EQ(orderOf({"2024/05/06", "24/05/06"}), DateOrder::YearMonthDay);
    EXPECT_EQ(orderOf({"13/06/2024", "05/13/2024"}), std::nullopt);
}

TEST(parseCsvHour, ReadsTheClockAsOtherProgramsWriteIt)
{
    EXPECT_EQ(parseCsvHour("08"), 8);
    EXPECT_EQ(parseCsvHour("14:35"), 14);
    EXPECT_EQ(parseCsvHour("14:35:59.250"), 14);
    EXPECT_EQ(parseCsvHour("12:10 AM"), 0);
    EXPECT_EQ(parseCsvHour("12 pm"), 12);
    EXPECT_EQ(parseCsvHour("午後3時"), 15);
    EXPECT_EQ(parseCsvHour("14時35分"), 14);
    for (const char *bad : {"24", "13 pm", "1435", "14:3", "noon", "", "0 am"})
        EXPECT_EQ(parseCsvHour(bad), std::nullopt) << bad;
}

TEST(parseCsvFlag, YesAndNoInTheirUsualWords)
{
    for (const char *yes : {"true", "TRUE", "yes", "1", "○", "〇", "はい", "満タン"})
        EXPECT_EQ(parseCsvFlag(yes), true) << yes;
    for (const char *no : {"false", "No", "0", "×", "いいえ"})
        EXPECT_EQ(parseCsvFlag(no), false) << no;
    EXPECT_EQ(parseCsvFlag("maybe"), std::nullopt);
}

TEST(parseCsvCategory, NamesOfTheThreeFuels)
{
    for (const char *regular : {"レギュラー", "ﾚｷﾞｭﾗｰ", "Regular", "E10", "super", "1"})
        EXPECT_EQ(parseCsvCategory(regular), CategoryRegular) << regular;
    for (const char *premium : {"ハイオク", "ﾊｲｵｸ", "premium", "Super Plus", "2"})
        EXPECT_EQ(parseCsvCategory(premium), CategoryPremium) << premium;
    for (const char *diesel : {"軽油", "Diesel", "3"})
        EXPECT_EQ(parseCsvCategory(diesel), CategoryDiesel) << diesel;
    EXPECT_EQ(parseCsvCategory("LPG"), std::nullopt);
}
