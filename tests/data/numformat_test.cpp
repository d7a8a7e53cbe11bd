#include "data/currency.h"
#include "data/error.h"
#include "data/numformat.h"

#include <gtest/gtest.h>

using namespace fenlo;

namespace {

std::string messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const FenloError &e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(GeneralFormat, WritesFifteenSignificantDigitsWithoutTrailingZeros)
{
    EXPECT_EQ(formatGeneral(99999999.0), "99999999");
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(12.5), "12.5");
    EXPECT_EQ(formatGeneral(37636.0 + 8.0 / 24.0), "37636.3333333333");
    EXPECT_EQ(formatGeneral(-0.5), "-0.5");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(0.00001), "0.00001");
    EXPECT_EQ(formatGeneral(0.0000015), "1.5E-6");
    EXPECT_EQ(formatGeneral(1e15), "1E15");
    EXPECT_EQ(formatGeneral(999999999999999.0), "999999999999999");
}

TEST(GeneralFormat, WritesCurrencyExactly)
{
    EXPECT_EQ(formatGeneral(Currency::fromRaw(523400000)), "52340");
    EXPECT_EQ(formatGeneral(Currency::fromRaw(356200)), "35.62");
    EXPECT_EQ(formatGeneral(Currency::fromRaw(123456)), "12.3456");
    EXPECT_EQ(formatGeneral(Currency::fromRaw(-5)), "-0.0005");
    EXPECT_EQ(formatGeneral(Currency::fromRaw(0)), "0");
    // More than 15 significant digits are rounded like any real value.
    EXPECT_EQ(formatGeneral(Currency::fromRaw(1234567890123456789)), "123456789012346");
}

TEST(DisplayMask, RoundsHalvesAwayFromZeroOnDecimalDigits)
{
    EXPECT_EQ(formatMask(0.15, "0.0"), "0.2");
    EXPECT_EQ(formatMask(12.25, "######0.0"), "12.3");
    EXPECT_EQ(formatMask(-12.25, "######0.0"), "-12.3");
    EXPECT_EQ(formatMask(0.0, "###0.0"), "0.0");
    EXPECT_EQ(formatMask(350.0 / 30.0, "###0.0"), "11.7");
    EXPECT_EQ(formatMask(9.96, "#####0.0"), "10.0");
    EXPECT_EQ(formatMask(-0.04, "######0.0"), "0.0");
    EXPECT_EQ(formatMask(Currency::fromRaw(35005000), "########0"), "3501");
    EXPECT_EQ(formatMask(Currency::fromRaw(4999), "#####0"), "0");
}

TEST(DisplayMask, GroupsThousandsAndDropsOptionalDecimals)
{
    EXPECT_EQ(formatMask(1234567.0, "#,##0.#"), "1,234,567");
    EXPECT_EQ(formatMask(1234.56, "#,##0.#"), "1,234.6");
    EXPECT_EQ(formatMask(12.0, "#,##0.###"), "12");
    EXPECT_EQ(formatMask(12.3456, "#,##0.###"), "12.346");
    EXPECT_EQ(formatMask(-1234.0, "#,##0.#"), "-1,234");
    EXPECT_EQ(formatMask(999.96, "#,##0.#"), "1,000");
    EXPECT_EQ(formatMask(0.04, "#,##0.#"), "0");
}

TEST(TextToNumber, AcceptsTheRuntimeRealNumberText)
{
    EXPECT_DOUBLE_EQ(parseFloat("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(parseFloat("  -3 "), -3.0);
    EXPECT_DOUBLE_EQ(parseFloat("+1.5e3"), 1500.0);
    EXPECT_DOUBLE_EQ(parseFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseFloat("5."), 5.0);
    EXPECT_DOUBLE_EQ(parseFloat("1E-400"), 0.0);
    EXPECT_EQ(parseFloat("37636.3333333333"), 37636.3333333333);
}

TEST(TextToNumber, RefusesOtherTextWithTheRuntimeMessages)
{
    EXPECT_EQ(messageOf([] { parseFloat(""); }), "'' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseFloat("."); }), "'.' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseFloat("1,5"); }), "'1,5' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseFloat("1e"); }), "'1e' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseFloat("1e999"); }), "'1e999' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseCurrency("abc"); }), "'abc' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseCurrency("1e30"); }), "'1e30' は浮動小数点数ではありません");
    // CP932 text in the message is shown as Japanese, not as raw bytes.
    EXPECT_EQ(messageOf([] { parseFloat("\x8E\x9F"); }), "'次' は浮動小数点数ではありません");
    EXPECT_EQ(messageOf([] { parseInteger("12a"); }), "入力値が数値ではありません");
    EXPECT_EQ(messageOf([] { parseInteger("+-1"); }), "入力値が数値ではありません");
    EXPECT_EQ(messageOf([] { parseInteger("99999999999"); }), "入力値が数値ではありません");
    EXPECT_EQ(parseInteger("-42"), -42);
    EXPECT_EQ(parseInteger("+7"), 7);
}

TEST(TextToCurrency, RoundsTheFifthDecimalHalfToEven)
{
    EXPECT_EQ(parseCurrency("35.62").raw(), 356200);
    EXPECT_EQ(parseCurrency("0.00005").raw(), 0);
    EXPECT_EQ(parseCurrency("0.00015").raw(), 2);
    EXPECT_EQ(parseCurrency("0.000051").raw(), 1);
    EXPECT_EQ(parseCurrency("-0.00015").raw(), -2);
    EXPECT_EQ(parseCurrency("1.2e2").raw(), 1200000);
    EXPECT_EQ(parseCurrency("922337203685477.5807").raw(), INT64_MAX);
    EXPECT_EQ(parseCurrency("-922337203685477.5808").raw(), INT64_MIN);
    EXPECT_THROW(parseCurrency("922337203685477.5808"), FenloError);
    EXPECT_EQ(Currency::fromDouble(350.0 / 30.0).raw(), 116667);
}
