// lumeno-cli almanac and jiri on the shipped database, run as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/paths.h"
#include "support/run_cli.h"

namespace {

struct CliRun {
  int status = -1;
  std::vector<std::string> out, err;
};

std::string Cli() { return lumeno::testing::BinDir() + "/lumeno-cli"; }

CliRun RunCli(const std::string& args) {
  const lumeno::testing::CliRun r = lumeno::testing::RunCliProgram(args);
  return {r.status, lumeno::testing::Lines(r.out), lumeno::testing::Lines(r.err)};
}

std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

class AlmanacCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(Cli())) GTEST_SKIP() << "lumeno-cli is not built in " << lumeno::testing::BinDir();
  }
};

TEST_F(AlmanacCli, AlmanacPrintsTheOverviewAndTheResultLines) {
  const CliRun r = RunCli("almanac 2012-5-1");
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.out.size(), 18u);
  EXPECT_EQ(r.out[0], S(u8"2012-5-1  农历四月十一 星期二 白虎黑道日 破日"));
  EXPECT_EQ(r.out[1], S(u8"岁次:壬辰年 甲辰月 壬戌日"));
  EXPECT_EQ(r.out[2], "");
  EXPECT_EQ(r.out[7], S(u8"冲:冲龙(丙辰)煞北"));
  EXPECT_EQ(r.out[17], S(u8"忌:嫁娶 开市"));
}

TEST_F(AlmanacCli, AlmanacFailuresSayWhyOnStandardError) {
  const struct {
    const char* args;
    int status;
    const char8_t* firstError;
  } kCases[] = {
      {"almanac 2013-02-29", 1, u8"请选择有效的日期!"},
      {"almanac 2012--01", 1, u8"请选择月!"},
      {"almanac 1800-01-01", 1, u8"没有1800-01-01的黄历：黄历收录1901-01-01至2100-12-31。"},
      {"almanac 20120501", 2, u8"lumeno-cli almanac: '20120501' is not a date (expected YYYY-MM-DD)"},
      {"almanac", 2, u8"lumeno-cli almanac: needs one date YYYY-MM-DD"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args);
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.out.empty());
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err[0], S(c.firstError));
  }
}

TEST_F(AlmanacCli, JiriPrintsOneLinePerGoodDay) {
  const CliRun r = RunCli(S(u8"jiri 嫁娶 --from 2026-01-01 --days 30"));
  ASSERT_EQ(r.status, 0);
  ASSERT_FALSE(r.out.empty());
  // The first good day for a wedding in January 2026: date, lunar date,
  // weekday, day pillar and path, one tab apart.
  EXPECT_EQ(r.out[0], S(u8"2026-01-05\t农历冬月十七\t星期一\t己卯日\t黄道"));
  std::string previous;
  for (const std::string& line : r.out) {
    const std::string day = line.substr(0, 10);
    EXPECT_GT(day, previous);
    EXPECT_GE(day, "2026-01-01");
    EXPECT_LE(day, "2026-01-30");
    previous = day;
  }
}

TEST_F(AlmanacCli, JiriRejectsWhatItCannotSearch) {
  for (const char8_t* args : {u8"jiri 结婚", u8"jiri", u8"jiri 嫁娶 --days 0", u8"jiri 嫁娶 --from 2101-01-01",
                              u8"jiri 嫁娶 --from tomorrow", u8"jiri --list 嫁娶"}) {
    SCOPED_TRACE(S(args));
    const CliRun r = RunCli(S(args));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
  }
  const CliRun list = RunCli("jiri --list");
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(std::find(list.out.begin(), list.out.end(), S(u8"入学")), list.out.end());
}

}  // namespace
