// lumeno-cli names, run as a user would, beside the naming fixture database
// (a copy of the built executable in a folder of its own, since the program
// reads the databases beside itself).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "core/gbk.h"
#include "naming/combination.h"
#include "naming_fixture.h"
#include "support/paths.h"
#include "support/run_cli.h"

namespace lumeno::naming {
namespace {

struct CliRun {
  int status = -1;
  std::vector<std::string> out;  // standard output, UTF-8
  std::string err;
};

class NamesCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string built = lumeno::testing::BinDir() + "/lumeno-cli";
    if (!std::filesystem::exists(built)) return;
    dir_ = new lumeno::testing::TempDir("lumeno-names-cli");
    lumeno::testing::CreateFixtureDatabase(dir_->path(), data::DatabaseFile::Roruroz, testing::NamingRows());
    std::filesystem::copy_file(built, dir_->path() + "/lumeno-cli");
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (!dir_) GTEST_SKIP() << "lumeno-cli is not built in " << lumeno::testing::BinDir();
  }

  // Arguments are UTF-8 (the program's default), joined as a shell line.
  static CliRun Run(const std::string& args) {
    const lumeno::testing::CliRun r = lumeno::testing::RunCliProgram("names " + args, dir_->path() + "/lumeno-cli");
    return {r.status, lumeno::testing::Lines(r.out), r.err};
  }
  static std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

  static lumeno::testing::TempDir* dir_;
};

lumeno::testing::TempDir* NamesCli::dir_ = nullptr;

TEST_F(NamesCli, CombinationLists) {
  struct Case {
    std::string args;
    std::vector<std::string> want;
  } cases[] = {
      {S(u8"--surname 张 --list-combinations"),
       {"11|10-6(85\xE5\x88\x86)", "11|10-9(83\xE5\x88\x86)", "11|4-12(81\xE5\x88\x86)", "11|10-12(78\xE5\x88\x86)"}},
      {S(u8"--surname 张 --list-combinations --no-min-score --limit 5"),
       {"11|10-6(85\xE5\x88\x86)", "11|10-9(83\xE5\x88\x86)", "11|4-12(81\xE5\x88\x86)", "11|10-12(78\xE5\x88\x86)",
        "11|5-5(65\xE5\x88\x86)"}},
      {S(u8"--surname 张 --list-combinations --min-score 80 --limit 2"),
       {"11|10-6(85\xE5\x88\x86)", "11|10-9(83\xE5\x88\x86)"}},
      {S(u8"--surname 张 --form 单字名 --list-combinations"), {"11|10(88\xE5\x88\x86)", "11|6(72\xE5\x88\x86)"}},
      {S(u8"--surname 欧阳 --sex 女 --list-combinations"), {"8-6|10-6(90\xE5\x88\x86)", "8-6|6-6(75\xE5\x88\x86)"}},
      {S(u8"--surname 张 --fixed 星 --position 3 --list-combinations"), {"11|10-9(83\xE5\x88\x86)"}},
  };
  for (const Case& c : cases) {
    const CliRun r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args;
    EXPECT_EQ(r.out, c.want) << c.args;
  }
}

TEST_F(NamesCli, NamesInTheOrderTheWindowReceivesThem) {
  CliRun r = Run(S(u8"--surname 张 --combination 1"));
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.out.size(), 20u);
  // Slices of nine in order: records 1, 3, 5 ... of the weight order.
  EXPECT_EQ(r.out[0], S(u8"张浩宇(85分)"));
  EXPECT_EQ(r.out[1], S(u8"张浩光(85分)"));
  EXPECT_EQ(r.out[9], S(u8"张浩安(85分)"));
  EXPECT_EQ(r.out[19], S(u8"张峰冰(85分)"));

  r = Run(S(u8"--surname 张 --auto --limit 3"));
  EXPECT_EQ(r.out, (std::vector<std::string>{S(u8"张晋宇(85分)"), S(u8"张朗安(85分)"), S(u8"张浩宇(85分)")}));

  r = Run(S(u8"--surname 张 --combination 1 --elements 水"));
  EXPECT_EQ(r.out, std::vector<std::string>{S(u8"张浩冰(85分)")});

  r = Run(S(u8"--surname 张 --fixed 星 --position 3 --auto"));
  EXPECT_EQ(r.out.size(), 5u);
  EXPECT_EQ(r.out[0], S(u8"张浩星(83分)"));

  // Only the high-score names: the 78-point names stay out at 80.
  r = Run(S(u8"--surname 张 --high --pick 80"));
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out.size(), 20u);
  for (const std::string& name : r.out) EXPECT_NE(name.find("(85"), std::string::npos) << name;
  EXPECT_EQ(Run(S(u8"--surname 张 --high")).out.size(), 25u);
}

TEST_F(NamesCli, BadArgumentsAndAFixedCharacterThatIsNoCharacter) {
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"", 2},
      {S(u8"--surname abc"), 2},
      {S(u8"--surname 张 --sex m"), 2},
      {S(u8"--surname 张 --form 三字名"), 2},
      {S(u8"--surname 张 --position 3"), 2},
      {S(u8"--surname 张 --form 单字名 --fixed 星"), 2},
      {S(u8"--surname 张 --min-score 70 --no-min-score"), 2},
      {S(u8"--surname 张 --combination 5"), 2},
      {S(u8"--surname 张 --combination 1 --auto"), 2},
      {S(u8"--surname 张 --elements 金风"), 2},
      {S(u8"--surname 张 --high --no-pick"), 2},
      {S(u8"--surname 张 --fixed ，"), 1},
      {S(u8"--surname 张 --fixed \"'\""), 1},
  };
  for (const Case& c : cases) {
    const CliRun r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_TRUE(r.out.empty()) << c.args;
  }
  EXPECT_EQ(Run(S(u8"--surname 张 --fixed ，")).err, GbkToUtf8(kFixedCharacterMessage) + "\n");
}

}  // namespace
}  // namespace lumeno::naming
