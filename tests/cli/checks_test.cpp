// lumeno-cli's checks: arguments refused as the windows refuse them, one
// meaning for a two-digit year, messages on standard error, a failed write,
// missing or damaged databases, odd program folders and a missing GBK
// converter.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/gbk.h"
#include "support/run_cli.h"

namespace lumeno {
namespace {

using testing::CliRun;
namespace fs = std::filesystem;

CliRun Cli(const std::string& args) { return testing::RunCliProgram(args); }
std::string U8(const char* gbk) { return GbkToUtf8(gbk); }
std::string Quoted(const char* gbk) { return "'" + GbkToUtf8(gbk) + "'"; }

const std::string kName = "name --surname " + Quoted("张") + " --given " + Quoted("三") + " ";

TEST(ArgumentChecks, RefusedWithStatusTwoAndTheReason) {
  struct Case {
    std::string args;
    const char* reason;  // part of the message on standard error
  };
  const std::vector<Case> cases = {
      {"name --surname abc --given " + Quoted("三") + " --year 1980 --month 1 --day 1", "--surname takes one or two"},
      {"name --surname " + Quoted("欧阳张") + " --given " + Quoted("三") + " --year 1980 --month 1 --day 1",
       "--surname takes one or two"},
      {kName.substr(0, kName.find("--given")) + "--given " + Quoted("三a") + " --year 1980 --month 1 --day 1",
       "--given takes one or two"},
      // A character GBK lacks arrives as '?': no double-byte character.
      {"name --surname " + Quoted("张") + " --given '\xF0\x9F\x98\x80' --year 1980 --month 1 --day 1",
       "--given takes one or two"},
      {"grids " + Quoted("张") + " abc", "--given takes one or two"},
      {kName + "--year 1980 --month 1 --day 1 --hour 24", "--hour takes 0 to 23"},
      {kName + "--year 1980 --month 1 --day 1 --hour -1", "--hour takes 0 to 23"},
      {kName + "--year 1980 --month 1 --day 1 --hour " + Quoted("子 1"), "--hour takes 0 to 23"},
      {kName + "--year 1980 --month 1 --day 1 --hour noon", "--hour takes 0 to 23"},
      {kName + "--year 1980 --month 1 --day 1 --minute 60", "--minute takes 0 to 59"},
      {kName + "--year 1980 --month 1 --day 1 --minute x", "--minute takes 0 to 59"},
      {kName + "--year 1980 --month 1 --day 1 --sex x", "--sex takes"},
      {kName + "--year 1980 --month 2 --day 30", "the date 1980-2-30 does not exist"},
      {kName + "--year 1980x --month 2 --day 3", "--year needs a year"},
      {kName + "--calendar lunar --year 1980 --month 13 --day 1", "a lunar --month is 1 to 12"},
      {kName + "--calendar lunar --year 1980 --month 0 --day 1", "a lunar --month is 1 to 12"},
      {kName + "--calendar lunar --year 1980 --month 1 --day 31", "a lunar --day is 1 to 30"},
      {kName + "--calendar lunar --year 1900 --month 1 --day 1", "the lunar date 1900-1-1 does not exist"},
      {"bazi --surname " + Quoted("张") + " --calendar lunar --year 2026 --month 2 --day 30 --hour 1",
       "the lunar date 2026-2-30 does not exist"},
      {"solar 2026 13 1", "a lunar month is 1 to 12"},
      {"solar 2026 1 31", "a lunar day is 1 to 30"},
      {"solar 2026 3 1 --leap", "the lunar date 2026-3-1 (leap month) does not exist"},
      {"solar 2100 1 1", "does not exist"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
  }
}

TEST(ArgumentChecks, WhatTheWindowsAcceptPasses) {
  for (const std::string& args :
       {kName + "--year 1980 --month 1 --day 1 --hour " + Quoted("丑 1") + " --minute 59",
        kName + "--year 1980 --month 1 --day 1 --hour 23",
        "name --surname " + Quoted("欧阳") + " --given " + Quoted("明华") + " --year 1980 --month 1 --day 1",
        kName + "--calendar lunar --year 2025 --month 11 --day 30", std::string("solar 2026 1 29"),
        std::string("solar 2025 6 1 --leap")}) {
    SCOPED_TRACE(args);
    CliRun r = Cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out, "");
  }
}

TEST(ArgumentChecks, ATwoDigitYearMeansTheSameInEveryCommand) {
  const std::pair<std::string, std::string> same[] = {
      {"lunar 26-12-09", "lunar 2026-12-09"},
      {"lunar --from 6-1-1 --to 06-01-03", "lunar --from 2006-1-1 --to 2006-01-03"},
      {"month 26-02", "month 2026-02"},
      {"terms 26", "terms 2026"},
      {"solar 26 1 1", "solar 2026 1 1"},
      {"almanac 26-12-10", "almanac 2026-12-10"},
      {"jiri " + Quoted("嫁娶") + " --from 26-12-10 --days 30", "jiri " + Quoted("嫁娶") + " --from 2026-12-10 --days 30"},
      {kName + "--year 26 --month 1 --day 1 --today 2030-01-01", kName + "--year 2026 --month 1 --day 1 --today 30-01-01"},
      {kName + "--calendar lunar --year 26 --month 1 --day 1 --today 2030-01-01",
       kName + "--calendar lunar --year 2026 --month 1 --day 1 --today 2030-01-01"},
      {"bazi --surname " + Quoted("张") + " --year 84 --month 2 --day 4 --hour 12 --today 2090-01-01",
       "bazi --surname " + Quoted("张") + " --year 2084 --month 2 --day 4 --hour 12 --today 2090-01-01"},
  };
  for (const auto& [shortYear, longYear] : same) {
    SCOPED_TRACE(shortYear);
    CliRun a = Cli(shortYear), b = Cli(longYear);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_NE(a.out, "");
    EXPECT_EQ(a.out, b.out);
  }
}

TEST(OutputEncoding, HelpAndUsageComeInTheOutputEncoding) {
  const std::string gbkWord = "男";  // GBK bytes
  CliRun help = Cli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find(U8("男|女")), std::string::npos);
  EXPECT_EQ(help.out.find(gbkWord), std::string::npos);
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk(help.out)), help.out);
  CliRun gbkHelp = Cli("--encoding gbk --help");
  EXPECT_NE(gbkHelp.out.find("男|女"), std::string::npos);
  CliRun usage = Cli("bazi --help");
  EXPECT_NE(usage.out.find(U8("男|女")), std::string::npos);
  CliRun refused = Cli("bazi --surname " + Quoted("张") + " --hour 30");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find(U8("男|女")), std::string::npos);
  EXPECT_NE(refused.err.find(U8("\"子 0\"")), std::string::npos);
  CliRun none = Cli("");
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find(U8("男|女")), std::string::npos);
}

TEST(OutputFailure, AFullDiskGivesStatusOne) {
  for (const std::string& args :
       {std::string("--help"), std::string("--version"), std::string("lunar 2026-12-09"),
        kName + "--year 1980 --month 1 --day 1", std::string("grids --help")}) {
    SCOPED_TRACE(args);
    CliRun r = testing::RunCliProgram(args, testing::BinDir() + "/lumeno-cli", "", "/dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("could not write to standard output"), std::string::npos) << r.err;
  }
}

// A copy of lumeno-cli in a folder of its own, with the databases a test
// puts beside it.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& subfolder = "bin") : dir_(base_.path() + "/" + subfolder) {
    fs::create_directories(dir_);
    fs::copy_file(testing::BinDir() + "/lumeno-cli", dir_ + "/lumeno-cli");
  }
  void CopyShipped(data::DatabaseFile file) {
    fs::copy_file(testing::BinDir() + "/" + data::FileName(file), dir_ + "/" + data::FileName(file));
  }
  void CopyAllShipped() {
    for (data::DatabaseFile f : data::kAllDatabaseFiles) CopyShipped(f);
  }
  CliRun Run(const std::string& args) { return testing::RunCliProgram(args, dir_ + "/lumeno-cli"); }
  const std::string& dir() const { return dir_; }

 private:
  testing::TempDir base_;
  std::string dir_;
};

TEST(DatabaseFiles, ACommandWhoseFileIsMissingOrDamagedFailsWithTheMessage) {
  ProgramFolder program;
  program.CopyAllShipped();
  fs::remove(program.dir() + "/Roruroz.dll");
  std::ofstream(program.dir() + "/Tgcode.dll", std::ios::trunc) << std::string(2048, 'z');
  struct Case {
    std::string args;
    int status;
    const char* inMessage;  // GBK; nullptr: the command runs
  };
  const std::vector<Case> cases = {
      {"strokes " + Quoted("张"), 1, "缺少 Roruroz.dll"},
      {kName + "--year 1980 --month 1 --day 1", 1, "缺少 Roruroz.dll（汉字笔画、五行与起名用字）"},
      {"char " + Quoted("张"), 1, "缺少 Roruroz.dll"},
      {"bazi --surname " + Quoted("张") + " --year 1984 --month 2 --day 4 --hour 12", 1,
       "Tgcode.dll 已损坏，不是数据库文件（八字命盘用表）"},
      {"lunar 2026-12-09", 0, nullptr},
      {"almanac 2026-12-10", 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    CliRun r = program.Run(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.inMessage) {
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find(U8(c.inMessage)), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("./lumeno.sh run"), std::string::npos);
      // The message names only the files the command reads.
      if (c.args.rfind("bazi", 0) == 0) {
        EXPECT_EQ(r.err.find("Roruroz.dll"), std::string::npos);
      }
    } else {
      EXPECT_EQ(r.err, "");
    }
  }
}

TEST(DatabaseFiles, ACancelledCommandSaysWhy) {
  ProgramFolder program;
  program.CopyAllShipped();
  // No stored score for 张三, so the score needs the three-talent grade,
  // which is no number: the report stops.
  testing::CreateFixtureDatabase(program.dir(), data::DatabaseFile::Roruroz,
                                 {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)"),
                                  GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('三', '三', 3)")});
  testing::CreateFixtureDatabase(program.dir(), data::DatabaseFile::VelFile,
                                 {GbkToUtf8("INSERT INTO sancai(title, djc, content) VALUES ('木火火', 'x', '')")});
  CliRun r = program.Run(kName + "--year 1980 --month 1 --day 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("lumeno-cli name: stopped: a look-up of the reference data failed"), std::string::npos)
      << r.err;
}

TEST(ProgramFolderPath, SemicolonAndBackslashInThePathWork) {
  ProgramFolder program("odd;folder\\name");
  program.CopyAllShipped();
  CliRun r = program.Run("grids " + Quoted("张") + " " + Quoted("三"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), U8("strokes\t张\t11\t三\t3"));
  EXPECT_NE(r.out.find("score\t"), std::string::npos);
}

TEST(GbkConverter, WithoutItTheProgramStopsAtStartWithAClearMessage) {
  EXPECT_TRUE(GbkConverterWorks());
  EXPECT_FALSE(GbkConverterWorks("NO-SUCH-CODE-PAGE"));
  // The same without the C library's converters: iconv_open fails.
  const std::string shim = testing::BinDir() + "/libno_gbk_converter.so";
  ASSERT_TRUE(fs::exists(shim));
  const std::string env = "LD_PRELOAD='" + shim + "' ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0";
  for (const std::string& args : {"strokes " + Quoted("张"), std::string("--help"), std::string("lunar 2026-12-09")}) {
    SCOPED_TRACE(args);
    CliRun r = testing::RunCliProgram(args, testing::BinDir() + "/lumeno-cli", env);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("no GBK (CP936) converter"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace lumeno
