#include "data/fnlfile.h"

#include "bookbuilder.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace fenlo;
using fenlo::test::BookBuilder;
using fenlo::test::TempDir;

namespace {

struct CliRun
{
    int status = -1;
    std::string out;
};

// Runs fenlo-cli with the arguments (no shell quoting needed for the ones used here).
CliRun cli(const std::string &arguments)
{
    CliRun run;
    const std::string command = std::string(FENLO_CLI) + " " + arguments + " 2>/dev/null";
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class ReportCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BookBuilder b;
        b.maker(1, "X").maker(2, "Y");
        b.fueling(
             {.month = 12, .day = 30, .hour = 9, .makerCode = 1, .amount = 3000, .comment = "a"})
            .fueling({.month = 12,
                      .day = 31,
                      .hour = 18,
                      .trip = 300,
                      .litres = 20,
                      .economy = 15,
                      .makerCode = 2,
                      .category = 2,
                      .amount = 2500,
                      .odometer = 1300})
            .fueling({.year = 2004,
                      .month = 1,
                      .day = 8,
                      .trip = 280,
                      .litres = 25,
                      .economy = 11.2,
                      .makerCode = 1,
                      .amount = 2800,
                      .odometer = 1580});
        path_ = dir_.file("car.fnl");
        ASSERT_TRUE(writeLogbookFile(b.book(), path_));
    }

    CliRun report(const std::string &arguments) { return cli("report " + arguments); }

    TempDir dir_;
    std::string path_;
};

} // namespace

TEST_F(ReportCli, ListPrintsTheGridThenThePanel)
{
    CliRun r = report("list " + path_ + " --from 2003/12/31 --to 2003/12/1 --order amount --desc");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "No\t日付\t距離(ﾄｰﾀﾙ)\t距離(今回)\t給油量\tメーカー\t区分\t金額\t燃費\tコメント\n"
              "1\t2003/12/30(09)\t0.0\t0.0\t0.0\tX\tﾚｷﾞｭﾗｰ\t3000\t0.0\ta\n"
              "2\t2003/12/31(18)\t1300.0\t300.0\t20.0\tY\tﾊｲｵｸ\t2500\t15.0\t\n"
              "\n"
              "\t距離(km)\t給油量(L)\t金額\t燃費(km/L)\n"
              "合計\t300.0\t20.0\t5500\t15.0\n"
              "最高\t300.0\t20.0\t3000\t15.0\n"
              "最低\t0.0\t0.0\t2500\t0.0\n"
              "平均\t150.0\t10.0\t2750\t7.5\n"
              "件数\t2\n");
}

TEST_F(ReportCli, PairsFollowTheMakerFilter)
{
    CliRun r = report("pairs " + path_ + " --maker 1");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "No\t日付\t距離(ﾄｰﾀﾙ)\t距離(今回)\t給油量\tメーカー\t区分\t金額\t燃費\tコメント\n"
              "1\t2003/12/30(09)\t1300.0\t300.0\t20.0\tX\tﾚｷﾞｭﾗｰ\t3000\t15.0\ta\n"
              "\n"
              "\t距離(km)\t給油量(L)\t金額\t燃費(km/L)\n"
              "合計\t300.0\t20.0\t3000\t15.0\n"
              "最高\t300.0\t20.0\t3000\t15.0\n"
              "最低\t300.0\t20.0\t3000\t15.0\n"
              "平均\t300.0\t20.0\t3000\t15.0\n"
              "件数\t1\n");
}

TEST_F(ReportCli, MonthlyMakersAndCategories)
{
    CliRun monthly = report("monthly " + path_);
    EXPECT_EQ(monthly.status, 0);
    EXPECT_EQ(monthly.out, "年月\t件数\t合計距離\t合計給油量\t合計金額\t平均燃費\n"
                           "2003年12月\t2\t300.0\t20.0\t5500\t15.0\n"
                           "2004年01月\t1\t280.0\t25.0\t2800\t11.2\n"
                           "合計(平均)\t3\t580.0\t45.0\t8300\t12.9\n");

    CliRun makers = report("makers " + path_ + " --order average --asc");
    EXPECT_EQ(makers.status, 0);
    EXPECT_EQ(makers.out, "燃料メーカー\t件数\t最高\t最低\t平均\n"
                          "Y\t1\t11.2\t11.2\t11.2\n"
                          "X\t1\t15.0\t15.0\t15.0\n"
                          "*** 全 体 ***\t2\t15.0\t11.2\t12.9\n");
    EXPECT_EQ(report("makers " + path_).out.find("X\t1"),
              std::string("燃料メーカー\t件数\t最高\t最低\t平均\n").size());

    CliRun categories = report("categories " + path_);
    EXPECT_EQ(categories.status, 0);
    EXPECT_EQ(categories.out, "区分\t件数\t最高\t最低\t平均\n"
                              "レギュラー\t1\t15.0\t15.0\t15.0\n"
                              "ハイオク\t1\t11.2\t11.2\t11.2\n"
                              "*** 全 体 ***\t2\t15.0\t11.2\t12.9\n");
}

TEST_F(ReportCli, RefusesWhatTheWindowsCannotChoose)
{
    EXPECT_EQ(report("list " + path_ + " --from 2003/12").status, 1); // day missing
    EXPECT_EQ(report("list " + path_ + " --from 2003/2/29 --to 2003/3/1").status, 1);
    EXPECT_EQ(report("list " + path_ + " --maker 5").status, 2);
    EXPECT_EQ(report("list " + path_ + " --kubun 4").status, 2);
    EXPECT_EQ(report("list " + path_ + " --order count").status, 2);
    EXPECT_EQ(report("makers " + path_ + " --order amount").status, 2);
    EXPECT_EQ(report("monthly " + path_ + " --desc").status, 2);
    EXPECT_EQ(report("summary " + path_).status, 2);
    EXPECT_EQ(report("list " + dir_.file("missing.fnl")).status, 1);
}
