#include "data/error.h"
#include "data/fnlfile.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "exchangefixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>
#include <set>

using namespace fenlo;
using fenlo::test::emptyBook;
using fenlo::test::sjis;

namespace {

CsvImportSummary importText(Logbook &book, const std::string &text,
                            const CsvImportOptions &options = {})
{
    CsvTable table = parseCsv(text);
    return importCsv(book, table, recogniseColumns(table), options);
}

std::string failure(Logbook &book, const std::string &text, const CsvImportOptions &options = {})
{
    try {
        importText(book, text, options);
    } catch (const FenloError &e) {
        return e.what();
    }
    return "no failure";
}

DateTime at(int y, int m, int d, int hour = 0)
{
    return encodeDateTime(y, m, d, hour).value();
}

Currency units(double value)
{
    return Currency::fromDouble(value);
}

} // namespace

TEST(recogniseColumns, EveryNameOfTheTableFindsItsField)
{
    const std::map<CsvField, std::vector<const char *>> names = {
        {CsvField::Date, {"日付", "給油日", "date", "fuelup_date"}},
        {CsvField::Hour, {"時", "時刻", "time", "hour"}},
        {CsvField::Odometer,
         {"距離(トータル)(Km)", "距離(ﾄｰﾀﾙ)", "odometer", "odo", "odo (km)", "mileage"}},
        {CsvField::Trip, {"距離(今回)(Km)", "距離(今回)", "trip", "distance"}},
        {CsvField::Litres,
         {"給油量(L)", "給油量", "litres", "liters", "quantity", "fuel (litres)", "fuelconsumed",
          "gallons"}},
        {CsvField::Amount, {"金額", "amount", "cost", "price", "total price"}},
        {CsvField::Maker,
         {"メーカー", "燃料メーカー", "スタンド", "station", "brand", "company", "maker"}},
        {CsvField::Category, {"区分", "燃料区分", "fuel", "fuel type", "fueltype"}},
        {CsvField::Full, {"満タン", "full", "isfilltofull"}},
        {CsvField::NotFull, {"partial_fuelup"}},
        {CsvField::Comment, {"コメント", "メモ", "note", "notes"}},
        {CsvField::Economy, {"燃費(Km/L)", "燃費"}},
    };
    for (const auto &[field, headers] : names) {
        for (const char *header : headers)
            EXPECT_EQ(fieldOfHeader(header), field) << header;
    }
    EXPECT_EQ(fieldOfHeader("  ODO (KM) "), CsvField::Odometer);
    EXPECT_EQ(fieldOfHeader("　給油量（Ｌ）"), CsvField::None); // full-width letters are not ours
    EXPECT_EQ(fieldOfHeader("　給油量（L）　"), CsvField::Litres);
    EXPECT_EQ(fieldOfHeader("weather"), CsvField::None);

    CsvTable table = parseCsv(sjis("日付,date,給油量,weather\n2024/1/2,x,3,y\n"));
    EXPECT_EQ(recogniseColumns(table), (std::vector<CsvField>{CsvField::Date, CsvField::None,
                                                              CsvField::Litres, CsvField::None}));
}

TEST(mapColumn, NamesAnyHeaderForAFieldAndRefusesWhatItCannotMap)
{
    CsvTable table = parseCsv("Datum,Liter,Betrag\n06.05.2024,30,4000\n");
    std::vector<CsvField> columns = recogniseColumns(table);
    mapColumn(columns, table, "date=Datum");
    mapColumn(columns, table, "litres=liter");
    mapColumn(columns, table, "amount=Liter"); // the field moves; litres keeps it no more
    EXPECT_EQ(columns, (std::vector<CsvField>{CsvField::Date, CsvField::Amount, CsvField::None}));
    mapColumn(columns, table, "litres=Liter");
    mapColumn(columns, table, "amount=Betrag");
    auto book = emptyBook();
    EXPECT_EQ(importCsv(*book, table, columns, {}).added, 1);
    EXPECT_EQ(book->fuelings[1].amount, Currency::fromUnits(4000));

    auto message = [&](const char *assignment) {
        try {
            mapColumn(columns, table, assignment);
        } catch (const FenloError &e) {
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(message("date=Tag"), "見出し「Tag」がファイルにありません");
    EXPECT_EQ(
        message("weather=Datum").rfind("項目「weather」はありません (使える項目: none, date", 0),
        0u);
    EXPECT_EQ(message("date").rfind("項目「date」はありません", 0), 0u);
}

TEST(importCsv, AddsRecordsInDateOrderWithMakersAndCategoriesByName)
{
    auto book = emptyBook();
    book->makers[1] = Maker{3, sjis("エネオス")};
    CsvImportSummary summary =
        importText(*book, "日付,時,距離(今回),給油量,メーカー,区分,金額,コメント\n"
                          "2024/05/20,18,420,35,出光,ハイオク,6000,\"高速, 渋滞\"\n"
                          "2024/05/06,8,350,30,エネオス,レギュラー,4800,\n"
                          "2024/06/01,,300,25,,LPG,,\"改行\nあり\"\n");
    EXPECT_EQ(summary.added, 3);
    EXPECT_EQ(summary.newMakers, 2);
    EXPECT_EQ(summary.unknownCategories, 1);
    EXPECT_TRUE(book->modified);
    const Fueling &first = book->fuelings[1];
    EXPECT_EQ(first.moment, at(2024, 5, 6, 8));
    EXPECT_EQ(first.makerCode, 3);
    EXPECT_EQ(first.economy, units(11.7)); // 350 ÷ 30, as the entry dialog shows it
    EXPECT_EQ(first.amount, Currency::fromUnits(4800));
    const Fueling &second = book->fuelings[2];
    EXPECT_EQ(second.category, CategoryPremium);
    EXPECT_EQ(second.comment, sjis("高速, 渋滞"));
    EXPECT_EQ(*book->makerName(second.makerCode), sjis("出光"));
    EXPECT_EQ(second.makerCode, 1); // the lowest free code
    const Fueling &third = book->fuelings[3];
    EXPECT_EQ(third.moment, at(2024, 6, 1, 0));
    EXPECT_EQ(third.category, CategoryRegular);
    EXPECT_EQ(third.comment, sjis("改行 あり")); // the logbook file holds a text on one line
    EXPECT_EQ(*book->makerName(third.makerCode), sjis("不明"));
    EXPECT_EQ(book->makers[1].code, 1); // sorted by code
}

TEST(importCsv, BothEncodingsAndAllDelimitersGiveTheSameLogbook)
{
    const std::string text = "日付,時刻,給油量(L),メーカー,コメント\n"
                             "2024/05/06,14:35,\"30.5\",エネオス,メモ\n";
    auto reference = emptyBook();
    importText(*reference, text);
    EXPECT_EQ(reference->fuelings[1].moment, at(2024, 5, 6, 14));
    EXPECT_EQ(reference->fuelings[1].comment, sjis("メモ"));
    std::vector<std::string> variants = {"\xEF\xBB\xBF" + text, sjis(text.c_str())};
    for (const char delimiter : {';', '\t'}) {
        std::string other = text;
        std::replace(other.begin(), other.end(), ',', delimiter);
        variants.push_back(other);
    }
    std::string comma = variants.back();
    std::replace(comma.begin(), comma.end(), '\t', ';');
    comma.replace(comma.find("30.5"), 4, "30,5"); // a decimal comma where ";" separates
    variants.push_back(comma);
    for (const std::string &variant : variants) {
        auto book = emptyBook();
        importText(*book, variant);
        EXPECT_TRUE(book->sameData(*reference)) << variant;
    }
}

TEST(importCsv, AnOdometerOnlyFileDerivesEachTripFromTheFuelingBefore)
{
    auto book = emptyBook();
    book->makers[1] = Maker{1, "A"};
    book->fuelings[1] =
        Fueling{at(2024, 4, 1), units(9800), units(300), units(25), 1, 1, {}, units(12), {}};
    importText(*book, "date,odometer,litres,brand\n"
                      "2024-05-01,10150.5,30,A\n"
                      "2024-04-15,10000,20,A\n"
                      "2024-05-20,9000,20,A\n"); // a lower reading: no trip
    EXPECT_EQ(book->fuelings[2].trip, units(200));
    EXPECT_EQ(book->fuelings[2].economy, units(10));
    EXPECT_EQ(book->fuelings[3].trip, units(150.5));
    EXPECT_EQ(book->fuelings[3].economy, units(5)); // 150.5 ÷ 30 = 5.0166… shown as 5.0
    EXPECT_EQ(book->fuelings[4].trip, Currency());
    EXPECT_EQ(book->fuelings[4].economy, Currency());
}

TEST(importCsv, MilesAndUsGallonsAreConvertedAndTheirEconomyIsWorkedOut)
{
    auto book = emptyBook();
    CsvImportOptions options;
    options.miles = options.gallons = true;
    importText(*book,
               "fuelup_date,odometer,trip,gallons,economy\n"
               "05/06/2024,1000,100,10,10\n",
               options);
    const Fueling &r = book->fuelings[1];
    EXPECT_EQ(r.odometer.raw(), 16093440);
    EXPECT_EQ(r.trip.raw(), 1609344);
    EXPECT_EQ(r.litres.raw(), 378541);
    EXPECT_EQ(r.economy, units(4.3)); // 160.9344 ÷ 37.8541, not the file's 10 miles a gallon
}

TEST(importCsv, APartialFillCountsTowardsTheNextFullOne)
{
    auto book = emptyBook();
    CsvImportSummary summary = importText(*book, "date,trip,litres,full\n"
                                                 "2024/01/01,400,40,yes\n"
                                                 "2024/01/10,200,10,no\n"
                                                 "2024/01/20,300,30,yes\n");
    EXPECT_EQ(summary.partialFills, 1);
    EXPECT_EQ(book->fuelings[2].economy, Currency());
    EXPECT_EQ(book->fuelings[2].trip, units(200));
    EXPECT_EQ(book->fuelings[3].economy, units(12.5)); // 500 km on 40 L, full to full
    EXPECT_EQ(book->fuelings[1].economy, units(10));

    auto inverted = emptyBook();
    importText(*inverted, "date,trip,litres,partial_fuelup\n"
                          "2024/01/10,200,10,1\n"
                          "2024/01/20,300,30,0\n");
    EXPECT_EQ(inverted->fuelings[1].economy, Currency());
    EXPECT_EQ(inverted->fuelings[2].economy, units(12.5));
}

TEST(importCsv, TheEconomyColumnIsTakenAsItStands)
{
    auto book = emptyBook();
    importText(*book, "date,trip,litres,燃費\n2024/01/01,400,40,11.5751\n2024/01/02,400,40,\n");
    EXPECT_EQ(book->fuelings[1].economy.raw(), 115751);
    EXPECT_EQ(book->fuelings[2].economy, units(10)); // an empty cell is worked out
}

TEST(importCsv, AMomentTheLogbookHoldsIsSkippedEvenAfterTheFileRoundedIt)
{
    fenlo::test::TempDir dir;
    auto saved = emptyBook();
    importText(*saved, "date,hour,litres\n2003/01/15,8,30\n");
    ASSERT_TRUE(writeLogbookFile(*saved, dir.file("a.fnl")));
    auto book = emptyBook();
    ASSERT_EQ(readLogbookFile(*book, dir.file("a.fnl")), LoadResult::Loaded);
    ASSERT_NE(book->fuelings[1].moment, at(2003, 1, 15, 8)); // 15 digits in the file

    CsvImportSummary summary = importText(*book, "date,hour,litres\n"
                                                 "2003/01/15,8,30\n"
                                                 "2003/01/15,9,31\n"
                                                 "2003/01/15 09:40,,32\n");
    EXPECT_EQ(summary.added, 1);
    EXPECT_EQ(summary.duplicates, 2);
    EXPECT_EQ(book->fuelings.usedCount(), 2);
    EXPECT_EQ(book->fuelings[2].litres, units(31)); // the first of the file's two keeps it
}

TEST(importCsv, TheTwentyFirstMakerAndTheThousandAndFirstFuelingAreRefused)
{
    auto book = emptyBook();
    std::string text = "date,litres,maker\n";
    for (int i = 1; i <= 22; ++i)
        text += "2024/01/" + std::to_string(i) + ",10,M" + std::to_string(i) + "\n";
    text += "2024/02/01,10,M22\n";
    CsvImportSummary summary = importText(*book, text);
    EXPECT_EQ(summary.added, 20);
    EXPECT_EQ(summary.overMakerLimit, 3);
    EXPECT_EQ(summary.refusedMakers, (std::vector<std::string>{"M21", "M22"}));
    EXPECT_EQ(book->makers.usedCount(), 20);
    EXPECT_NE(summaryText(summary).find("「M21」「M22」の 3 件を読み込みませんでした"),
              std::string::npos);

    auto full = emptyBook();
    std::string many = "date,hour,litres\n";
    for (int i = 0; i < 1001; ++i)
        many += formatDate(at(2024, 1, 1) + i / 24) + "," + std::to_string(i % 24) + ",10\n";
    summary = importText(*full, many);
    EXPECT_EQ(summary.added, 1000);
    EXPECT_EQ(summary.overFuelingLimit, 1);
    EXPECT_EQ(full->fuelings.usedCount(), 1000);
    EXPECT_EQ(full->fuelings[1000].moment, at(2024, 2, 11, 15)); // the latest one is refused
}

TEST(importCsv, AFailureNamesTheLineAndLeavesTheLogbookAlone)
{
    auto book = emptyBook();
    importText(*book, "date,litres\n2024/01/01,10\n");
    book->modified = false;
    auto before = std::make_unique<Logbook>(*book);
    const std::pair<const char *, const char *> cases[] = {
        {"date,litres\n2024/01/02,10\n2024/02/30,10\n", "3 行目: 日付「2024/02/30」を読めません"},
        {"date,litres\n2024/01/02,\n", "2 行目: 給油量がありません"},
        {"date,litres\n,5\n", "2 行目: 日付がありません"},
        {"date,litres,hour\n2024/01/02,5,25\n", "2 行目: 時刻「25」を読めません"},
        {"date,litres,trip\n2024/01/02,5,-3\n", "2 行目: 距離(今回)「-3」を読めません"},
        {"date,litres,full\n2024/01/02,5,maybe\n", "2 行目: 満タンかどうか「maybe」を読めません"},
        {"date,litres,note\n2024/01/02,5,\xF0\x9F\x98\x80\n",
         "2 行目: 「\xF0\x9F\x98\x80」には Shift_JIS で表せない文字があります"},
        {"litres,trip\n5,3\n",
         "日付の列が見つかりません。1 行目には「日付」などの見出しが必要です"},
        {"date,trip\n2024/01/02,3\n", "給油量の列が見つかりません"},
        {"date,litres\n13/01/2024,1\n01/13/2024,1\n",
         "日付の並び (日/月/年 か 月/日/年) が行によって違います"},
        {"fenlov3\n\n999\n", "日付の列が見つかりません。1 行目には「日付」などの見出しが必要です"},
    };
    for (const auto &[text, message] : cases) {
        EXPECT_EQ(failure(*book, text), message) << text;
        EXPECT_TRUE(book->sameData(*before));
        EXPECT_FALSE(book->modified);
    }
}

TEST(importCsv, TheDateOrderOptionDecidesAmbiguousDates)
{
    CsvImportOptions options;
    options.dateOrder = DateOrder::DayMonthYear;
    auto book = emptyBook();
    importText(*book, "date,litres\n05/06/2024,1\n", options);
    EXPECT_EQ(book->fuelings[1].moment, at(2024, 6, 5));
    auto american = emptyBook();
    importText(*american, "date,litres\n05/06/2024,1\n");
    EXPECT_EQ(american->fuelings[1].moment, at(2024, 5, 6));
}

TEST(summaryText, SaysEachFigureThatHappened)
{
    CsvImportSummary summary;
    summary.added = 12;
    EXPECT_EQ(summaryText(summary), "給油データを 12 件読み込みました。\n");
    summary.newMakers = 2;
    summary.duplicates = 1;
    summary.overFuelingLimit = 4;
    summary.partialFills = 3;
    summary.unknownCategories = 5;
    EXPECT_EQ(summaryText(summary),
              "給油データを 12 件読み込みました。\n"
              "燃料メーカーを 2 件登録しました。\n"
              "同じ年月日時のデータが既にあるため、1 件を読み込みませんでした。\n"
              "給油データは 1000 件までしか登録できないため、4 件を読み込みませんでした。\n"
              "満タンでない給油が 3 件ありました。その燃費は 0 とし、距離と給油量は次の満タンの"
              "燃費に含めました。\n"
              "燃料区分のわからない 5 件はレギュラーにしました。\n");
}

// The program's own export, imported into a new logbook, gives back the same fuelings; only the
// maker codes may differ, the names being what ties a fueling to its maker.
TEST(importCsv, TheProgramsOwnExportComesBackExactly)
{
    std::mt19937_64 rng(20261208);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::vector<std::string> texts = {
        "",           sjis("テスト"),        "a b,\"c\"",   "\x81\x60",
        sjis("ｶﾀｶﾅ"), std::string(100, 'x'), "\x87\x90;\t", sjis("満タン \"セルフ\"")};
    for (int round = 0; round < 25; ++round) {
        auto book = emptyBook();
        const int makers = pick(1, 20);
        std::vector<int> codes(99);
        std::iota(codes.begin(), codes.end(), 1);
        std::shuffle(codes.begin(), codes.end(), rng);
        for (int i = 1; i <= makers; ++i)
            book->makers[i] = {codes[static_cast<std::size_t>(i - 1)],
                               (i % 3 ? sjis("スタンド") : "Station ") + std::to_string(i)};
        book->sortMakers();
        const int records = pick(0, round == 0 ? 1000 : 300);
        std::set<long long> hours;
        for (int i = 1; i <= records;) {
            const long long hour = 24LL * 36000 + pick(0, 24 * 3000);
            if (!hours.insert(hour).second)
                continue;
            Fueling &r = book->fuelings[i++];
            r.moment = static_cast<double>(hour / 24) + static_cast<double>(hour % 24) / 24.0;
            r.odometer = Currency::fromRaw(pick(0, 3) ? 0 : pick(0, 99999999));
            r.trip = Currency::fromRaw(pick(0, 99999) * 1000);
            r.litres = Currency::fromRaw(pick(0, 99999) * 100);
            r.makerCode = book->makers[pick(1, makers)].code;
            r.category = pick(1, 3);
            r.amount = Currency::fromRaw(pick(0, 99999) * 10000);
            r.economy = Currency::fromRaw(pick(0, 400000));
            r.comment = texts[static_cast<std::size_t>(pick(0, 7))];
        }
        book->sortFuelings();

        auto imported = emptyBook();
        const CsvImportSummary summary = importText(*imported, csvText(*book, true));
        ASSERT_EQ(summary.added, records) << "round " << round;
        for (int slot = 1; slot <= Logbook::FuelingSlots; ++slot) {
            Fueling expected = book->fuelings[slot];
            Fueling actual = imported->fuelings[slot];
            if (expected.used()) {
                EXPECT_EQ(*imported->makerName(actual.makerCode),
                          *book->makerName(expected.makerCode));
                actual.makerCode = expected.makerCode;
            }
            ASSERT_EQ(actual, expected) << "round " << round << ", slot " << slot;
        }
        EXPECT_EQ(csvText(*imported, true), csvText(*book, true));
        if (records > 0) { // without its title line, too
            auto untitled = emptyBook();
            EXPECT_EQ(importText(*untitled, csvText(*book, false)).added, records);
            EXPECT_TRUE(untitled->sameData(*imported)) << "round " << round;
        }
    }
}
