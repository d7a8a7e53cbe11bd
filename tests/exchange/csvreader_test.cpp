#include "data/error.h"
#include "exchange/csvreader.h"
#include "exchangefixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace fenlo;
using fenlo::test::sjis;

namespace {

std::vector<std::string> cells(std::initializer_list<const char *> list)
{
    return {list.begin(), list.end()};
}

std::string failure(std::string_view bytes)
{
    try {
        parseCsv(bytes);
    } catch (const FenloError &e) {
        return e.what();
    }
    return "no failure";
}

} // namespace

TEST(parseCsv, FindsTheDelimiterFromTheHeaderLine)
{
    for (const char delimiter : {',', ';', '\t'}) {
        std::string text = "date,litres\r\n2024-05-06,30.5\r\n";
        std::replace(text.begin(), text.end(), ',', delimiter);
        CsvTable table = parseCsv(text);
        EXPECT_EQ(table.delimiter, delimiter);
        EXPECT_EQ(table.header.cells, cells({"date", "litres"}));
        ASSERT_EQ(table.rows.size(), 1u);
        EXPECT_EQ(table.rows[0].cells, cells({"2024-05-06", "30.5"}));
    }
    // A comma inside a quoted header does not count; the semicolons separate.
    EXPECT_EQ(parseCsv("\"date, local\";litres\n2024-05-06;30,5\n").delimiter, ';');
}

TEST(parseCsv, QuotingFollowsRfc4180AndLinesNameWhereARecordStarts)
{
    CsvTable table = parseCsv("a,b,c\n"
                              "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\n"
                              "plain \"quote\",,\n"
                              "\n"
                              "last,1,2");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].cells, cells({"x, y", "say \"hi\"", "two\r\nlines"}));
    EXPECT_EQ(table.rows[0].line, 2);
    EXPECT_EQ(table.rows[1].cells, cells({"plain \"quote\"", "", ""}));
    EXPECT_EQ(table.rows[1].line, 4);
    EXPECT_EQ(table.rows[2].line, 6); // after the blank line, which is left out
    EXPECT_EQ(table.rows[2].cells, cells({"last", "1", "2"}));
}

TEST(parseCsv, RecognisesUtf8WithOrWithoutMarkAndCp932KeepingItsBytes)
{
    const std::string utf8 = "日付,メーカー\n2024/05/06,エネオス\n";
    CsvTable plain = parseCsv(utf8);
    CsvTable marked = parseCsv("\xEF\xBB\xBF" + utf8);
    CsvTable shiftJis = parseCsv(sjis(utf8.c_str()));
    for (const CsvTable *table : {&plain, &marked, &shiftJis}) {
        EXPECT_EQ(table->utf8(table->header.cells[0]), "日付");
        EXPECT_EQ(table->cp932(table->rows[0].cells[1]), sjis("エネオス"));
    }
    EXPECT_EQ(plain.encoding, TextEncoding::Utf8);
    EXPECT_EQ(marked.encoding, TextEncoding::Utf8);
    EXPECT_EQ(shiftJis.encoding, TextEncoding::Cp932);
    EXPECT_EQ(shiftJis.rows[0].cells[1], sjis("エネオス"));
    // A character CP932 cannot hold is refused, never replaced.
    EXPECT_EQ(parseCsv("a\n\xF0\x9F\x98\x80\n").cp932("\xF0\x9F\x98\x80"), std::nullopt);
}

TEST(parseCsv, WhatIsNotACsvTextIsRefusedWithItsReason)
{
    EXPECT_EQ(failure(""), "ファイルが空です");
    EXPECT_EQ(failure("\xEF\xBB\xBF \r\n\r\n"), "ファイルが空です");
    EXPECT_EQ(failure(std::string_view("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)),
              "このファイルは CSV ファイルではありません");
    EXPECT_EQ(failure("date\n\xFF\xFE\xFD\n"), "このファイルは CSV ファイルではありません");
    EXPECT_EQ(failure("\xEF\xBB\xBF"
                      "date\n\x82\xA0\n"),
              "このファイルは CSV ファイルではありません");
    EXPECT_EQ(failure("date,litres\r\n"), "見出しの行の下に給油データの行がありません");
    EXPECT_EQ(failure("date,comment\n2024/1/2,\"open\n2024/1/3,x\n"),
              "2 行目: 引用符 (\") が閉じられていません");
}

TEST(readCsvFile, ReadsAFileAndReportsAMissingOne)
{
    fenlo::test::TempDir dir;
    fenlo::test::writeBytes(dir.file("a.csv"), "date;litres\n2024-01-02;3,5\n");
    EXPECT_EQ(readCsvFile(dir.file("a.csv")).rows.size(), 1u);
    EXPECT_THROW(readCsvFile(dir.file("missing.csv")), FenloError);
}
