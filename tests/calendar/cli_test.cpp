// The calendar subcommands of the built lumeno-cli, run as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/paths.h"

namespace {

struct CliRun {
  int status = -1;
  std::vector<std::string> lines;  // standard output (or standard error when asked)
};

std::string Cli() { return lumeno::testing::BinDir() + "/lumeno-cli"; }

CliRun RunCli(const std::string& args, bool stderrOnly = false) {
  const std::string command = "'" + Cli() + "' " + args + (stderrOnly ? " 2>&1 >/dev/null" : " 2>/dev/null");
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string out;
  char buffer[65536];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int rc = pclose(pipe);
  run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) run.lines.push_back(line);
  return run;
}

std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

class CalendarCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(Cli())) GTEST_SKIP() << "lumeno-cli is not built in " << lumeno::testing::BinDir();
  }
};

TEST_F(CalendarCli, LunarPrintsOneLinePerDate) {
  const CliRun r = RunCli("lunar 2000-01-01 2017-07-23 1900-01-30 2000-02-04");
  ASSERT_EQ(r.status, 0);
  const std::vector<std::string> want = {
      S(u8"2000-01-01\t1999\t11\t25\t0\t己卯(兔年)十一月廿五\t\t摩羯座"),
      S(u8"2017-07-23\t2017\t6\t1\t1\t丁酉(鸡年)闰六月初一\t大暑\t狮子座"),
      "1900-01-30\t0\t0\t0\t0\t\t\t",
      S(u8"2000-02-04\t1999\t12\t29\t0\t己卯(兔年)十二月廿九\t立春\t水瓶座"),
  };
  EXPECT_EQ(r.lines, want);
}

TEST_F(CalendarCli, LunarRangeCoversEveryDay) {
  const CliRun r = RunCli("lunar --from 2100-12-30 --to 2101-01-01");
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[1], S(u8"2100-12-31\t2100\t12\t1\t0\t庚申(猴年)十二月初一\t\t摩羯座"));
  EXPECT_EQ(r.lines[2], "2101-01-01\t0\t0\t0\t0\t\t\t");
  EXPECT_EQ(RunCli("lunar --from 2000-01-01 --to 2000-12-31").lines.size(), 366u);
}

TEST_F(CalendarCli, SolarConvertsOrRefuses) {
  struct Case {
    const char* args;
    int status;
    const char* out;  // nullptr: nothing on standard output
  };
  // A lunar date that does not exist (day 0, a year outside the table, a
  // leap month the year lacks) is refused with status 2, not answered with
  // 0001-01-01.
  const Case cases[] = {
      {"solar 2017 6 1 --leap", 0, "2017-07-23"}, {"solar 2017 6 1", 0, "2017-06-24"},
      {"solar 2000 1 0", 2, nullptr},             {"solar 1900 1 1", 2, nullptr},
      {"solar 2017 5 1 --leap", 2, nullptr},      {"solar 2099 12 30", 0, "2100-02-08"},
  };
  for (const Case& c : cases) {
    const CliRun r = RunCli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.lines, c.out ? std::vector<std::string>{c.out} : std::vector<std::string>{}) << c.args;
  }
}

TEST_F(CalendarCli, TermsListsTheYear) {
  const CliRun r = RunCli("terms 2000");
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 24u);
  EXPECT_EQ(r.lines[0], S(u8"0\t小寒\t2000-01-06 07:21:37"));
  EXPECT_EQ(r.lines[2], S(u8"2\t立春\t2000-02-04 19:08:37"));
  EXPECT_EQ(r.lines[23], S(u8"23\t冬至\t2000-12-21 19:59:37"));
}

TEST_F(CalendarCli, MonthGivesTheMonthView) {
  const CliRun r = RunCli("month 2000-02");
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 29u);
  EXPECT_EQ(r.lines[3], S(u8"2000-02-04\t1229\t腊月\t廿九\t除夕\t\t立春\t卯兔\t水瓶座\t除夕\torange"));
  EXPECT_EQ(r.lines[13], S(u8"2000-02-14\t110\t正月\t初十\t\t情人节\t\t辰龙\t水瓶座\t情人节\torange"));
  const CliRun range = RunCli("month --from 2050-12 --to 2051-01");
  ASSERT_EQ(range.status, 0);
  ASSERT_EQ(range.lines.size(), 62u);
  EXPECT_EQ(range.lines[31], "2051-01-01\t0\t\t\t\t\t\t\t\t\tdarkgreen");
}

TEST_F(CalendarCli, CalendarShowsTheWindowsGrid) {
  const CliRun r = RunCli("calendar 2000-02-05 2000-07-31");
  ASSERT_EQ(r.status, 0);
  // February 2000 starts on a Tuesday: 29 cells from the third; July 2000 on
  // a Saturday: 31 cells up to the last of the grid.
  ASSERT_EQ(r.lines.size(), 1u + 29u + 1u + 31u);
  EXPECT_EQ(r.lines[0], S(u8"2000-02\t辰龙\t水瓶座"));
  EXPECT_EQ(r.lines[1], S(u8"3\t0\t2\t1\t廿六\tdarkgreen"));
  EXPECT_EQ(r.lines[4], S(u8"6\t0\t5\t4\t除夕\torange"));
  EXPECT_EQ(r.lines[5], S(u8"7\t0\t6\t5\t春节\torange\t*"));
  EXPECT_EQ(r.lines[29], S(u8"31\t4\t2\t29\t廿五\tdarkgreen"));
  EXPECT_EQ(r.lines[30], S(u8"2000-07\t辰龙\t狮子座"));
  EXPECT_EQ(r.lines[31], S(u8"7\t0\t6\t1\t建党节\torange"));
  EXPECT_EQ(r.lines.back().rfind("37\t5\t1\t31\t", 0), 0u) << r.lines.back();
  EXPECT_EQ(r.lines.back().substr(r.lines.back().size() - 2), "\t*");
  EXPECT_EQ(RunCli("calendar 2051-01-01").lines.at(1), "1\t0\t0\t1\t\tdarkgreen\t*");
}

TEST_F(CalendarCli, BadArgumentsGiveStatusTwo) {
  const char* const bad[] = {
      "lunar",
      "lunar 2000-02-30",
      "lunar 2000/01/01",
      "lunar 2000-01-01 --to 2000-01-02",
      "lunar --from 2000-01-01",
      "lunar --from 2000-01-02 --to 2000-01-01",
      "solar 2000 1",
      "solar 2000 x 1",
      "solar 2000 1 1 --leap=1",
      "terms",
      "terms abc",
      "terms 10000",  // (one or two digits are a year 2000 + the number)
      "month 2000-13",
      "month 2000",
      "month --from 2001-01 --to 2000-12",
      "calendar",
      "calendar 2000-02",
  };
  for (const char* args : bad) {
    const CliRun r = RunCli(args, true);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_FALSE(r.lines.empty()) << args << " gave no message";
  }
}

}  // namespace
