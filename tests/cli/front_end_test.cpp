// lumeno-cli as a user runs it: help, version, encodings, statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/gbk.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno {
namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs lumeno-cli with `args` (a shell-quoted text, UTF-8) and collects both
// streams.
CliRun Cli(const std::string& args) {
  testing::TempDir dir("lumeno-cli");
  const std::string out = dir.path() + "/out", err = dir.path() + "/err";
  const std::string cmd = "'" + testing::BinDir() + "/lumeno-cli' " + args + " > '" + out + "' 2> '" + err + "'";
  CliRun r;
  int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

std::string U8(const char* gbk) { return GbkToUtf8(gbk); }

TEST(CommandLine, HelpAndVersion) {
  CliRun help = Cli("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"lunar", "solar", "terms", "month", "strokes", "grids", "name", "talents", "bazi"})
    EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
  CliRun version = Cli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("lumeno-cli ", 0), 0u);
  EXPECT_EQ(Cli("grids --help").status, 0);
}

TEST(CommandLine, UsageErrorsGiveStatusTwo) {
  EXPECT_EQ(Cli("").status, 2);
  EXPECT_EQ(Cli("nosuchcommand").status, 2);
  EXPECT_EQ(Cli("--encoding latin1 strokes a").status, 2);
  CliRun bad = Cli("bazi --surname x --nosuchoption 1");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("nosuchoption"), std::string::npos);
  EXPECT_EQ(Cli("bazi --surname x --hour 24").status, 2);
}

TEST(CommandLine, Utf8ByDefaultAndGbkOnRequest) {
  CliRun utf8 = Cli("strokes '" + U8("张") + "'");
  EXPECT_EQ(utf8.status, 0);
  EXPECT_EQ(utf8.out, U8("张") + "\t11\n");
  // With --encoding gbk the argument is read as GBK and the bytes come out
  // unchanged.
  CliRun gbk = Cli("--encoding gbk strokes $(printf '\\325\\305')");
  EXPECT_EQ(gbk.status, 0);
  EXPECT_EQ(gbk.out, std::string("张") + "\t11\n");
}

TEST(CommandLine, MessagesGoToStandardErrorWithStatusOne) {
  CliRun r = Cli("name --surname '" + U8("张") + "' --year 1980 --month 1 --day 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, U8("名不能为空!") + "\n");
  CliRun bazi = Cli("bazi --sex " + U8("男") + " --year 1984 --month 2 --day 4");
  EXPECT_EQ(bazi.status, 1);
  EXPECT_EQ(bazi.err, U8("姓不能为空!") + "\n");
}

TEST(CommandLine, ReportsMatchThePane) {
  CliRun r = Cli("bazi --surname '" + U8("张") + "' --sex " + U8("男") +
              " --year 1984 --month 2 --day 4 --hour 12 --today 2026-01-01");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind(U8("姓氏：张\n年龄：42岁\n您出生公历：1984年02月04日12点0分\n"), 0), 0u);
  EXPECT_NE(r.out.find(U8("八字：甲子   丙寅   戊辰   戊午\n")), std::string::npos);
}

}  // namespace
}  // namespace lumeno
