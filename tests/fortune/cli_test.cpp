// The fortune commands of lumeno-cli, run as a user runs them: a copy of the
// program beside fixture databases, so the look-ups read known rows.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "fortune/boy_girl.h"
#include "fortune/numbers.h"
#include "support/fixture_db.h"
#include "support/paths.h"
#include "support/run_cli.h"

namespace lumeno::fortune {
namespace {

using lumeno::testing::CreateFixtureDatabase;

struct CliRun {
  int status = -1;
  std::vector<std::string> out, err;  // lines, UTF-8
};

// GBK literal to the UTF-8 the command line writes.
std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

class FortuneCli : public ::testing::Test {
 protected:
  // One folder for the whole suite: the program and its databases.
  static void SetUpTestSuite() {
    dir_ = new lumeno::testing::TempDir("lumeno-fortune-cli");
    const std::string& d = dir_->path();
    const std::filesystem::path cli = lumeno::testing::BinDir() + "/lumeno-cli";
    std::error_code ec;
    std::filesystem::create_hard_link(cli, d + "/lumeno-cli", ec);
    if (ec) std::filesystem::copy_file(cli, d + "/lumeno-cli");
    CreateFixtureDatabase(d, data::DatabaseFile::Dream,
                          {GbkToUtf8("INSERT INTO shouji(num, title, jx, content) VALUES "
                                     "('34', '顺风顺水', '吉', '三十四号的读法。')")});
    CreateFixtureDatabase(
        d, data::DatabaseFile::VelBirth,
        {GbkToUtf8("INSERT INTO QQpd(bihua, intro) VALUES (',45,', '四十五的配对读法。')"),
         GbkToUtf8("INSERT INTO Noter(Cid, Tite, content) VALUES ('a1', '姓名原理', '第一段。' || char(10) || "
                   "'第二段。')"),
         GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (1, '张', '张姓的来源。' || char(10) || '第二行。')"),
         GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (2, '李', '李姓的来源。')")});
    CreateFixtureDatabase(d, data::DatabaseFile::Roruroz,
                          {GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('张', '張', '火')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('三', '三', '金')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('丰', '豐', '水')")});
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  // Runs the copy with `args` (GBK literals, each quoted for the shell).
  static CliRun Run(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
      std::string quoted;
      for (char c : U(a)) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
      line += " '" + quoted + "'";
    }
    const lumeno::testing::CliRun r = lumeno::testing::RunCliProgram(line, dir_->path() + "/lumeno-cli");
    return {r.status, lumeno::testing::Lines(r.out), lumeno::testing::Lines(r.err)};
  }

  static lumeno::testing::TempDir* dir_;
};

lumeno::testing::TempDir* FortuneCli::dir_ = nullptr;

TEST_F(FortuneCli, NumberReadingsPrintTheWindowsLines) {
  CliRun r = Run({"mobile", "13912341234"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (std::vector<std::string>{U("手机号码是：\t13912341234"), U("状态：\t顺风顺水"), U("吉凶：\t吉"),
                                             U("具体表现：\t三十四号的读法。")}));
  r = Run({"qq", "10000"});
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.out.size(), 4u);
  EXPECT_EQ(r.out[0], U("qq号码是：\t10000"));
  EXPECT_EQ(r.out[1], U(std::string("状态：\t") + NumberVerdict(37)));
  EXPECT_EQ(r.out[2], U("吉凶：\t凶带吉"));
  r = Run({"number", "80"});
  ASSERT_EQ(r.out.size(), 4u);
  EXPECT_EQ(r.out[0], U("输入号码是：\t80"));
  EXPECT_EQ(r.out[1], U(std::string("状态：\t") + NumberVerdict(80)));
  r = Run({"pair", "55555", "44444"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::vector<std::string>{U("四十五的配对读法。")});
}

TEST_F(FortuneCli, BadInputGivesTheWindowsMessage) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"mobile", "1391234"}, "请输入11位手机号码！"},
      {{"qq", " "}, "请输入你的QQ号码！"},
      {{"qq", "12ab"}, "请输入正确的QQ号码！"},
      {{"number", ""}, "请输入你的号码！"},
      {{"pair", "1234", "12345"}, "请输入正确的QQ号码！"},
      {{"pair", "12345", ""}, "请输入对方的QQ号码！"},
      {{"nickname", " "}, "请输入你的网名！"},
  };
  for (const Case& c : cases) {
    const CliRun r = Run(c.args);
    EXPECT_EQ(r.status, 1) << c.args[0];
    EXPECT_TRUE(r.out.empty()) << c.args[0];
    EXPECT_EQ(r.err, std::vector<std::string>{U(c.message)}) << c.args[0];
  }
  EXPECT_EQ(Run({"initials", "x", "--options", "8"}).status, 2);
  EXPECT_EQ(Run({"pair", "12345"}).status, 2);
  EXPECT_EQ(Run({"divination", "7"}).status, 2);
  EXPECT_EQ(Run({"nannv", "--age", "30"}).status, 2);
}

TEST_F(FortuneCli, NicknameAndInitials) {
  CliRun r = Run({"nickname", "abc123"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (std::vector<std::string>{U("你的网名：\tABC123"), U("你的性格：\t可爱，较明显的自恋")}));
  r = Run({"initials", "a-b①ａΘ"});
  EXPECT_EQ(r.out, std::vector<std::string>{"AB1aTH"});
  r = Run({"initials", "a-b①ａΘ", "--options", "4", "--max", "3"});
  EXPECT_EQ(r.out, std::vector<std::string>{"A-B"});
}

TEST_F(FortuneCli, ElementSurnameAndArticle) {
  CliRun r = Run({"element", "张三丰豐張三"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::vector<std::string>{U("查看结果：\t火金水水火")});
  r = Run({"surname", "张"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (std::vector<std::string>{U("张姓的来源。"), U("第二行。")}));
  r = Run({"surname", "--list"});
  EXPECT_EQ(r.out, (std::vector<std::string>{U("李"), U("张")}));
  r = Run({"surname", "赵"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  r = Run({"article", "a1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (std::vector<std::string>{U("姓名原理"), U("第一段。"), U("第二段。")}));
  r = Run({"article", "b13"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, std::vector<std::string>{U("算命")});
}

TEST_F(FortuneCli, DivinationAndTheChart) {
  CliRun r = Run({"divination", "耳鸣测占卜"});
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.out.size(), 1u + 11u + 1u + 4u);
  EXPECT_EQ(r.out[0], U("耳鸣测吉凶"));
  EXPECT_EQ(r.out[13], U("说明："));
  EXPECT_EQ(Run({"divination", "6"}).out, r.out);

  r = Run({"nannv", "--age", "28", "--month", "5"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, (std::vector<std::string>{U("母亲虚岁：\t28"), U("怀孕月份：\t5月"),
                                             U(std::string("生男生女：\t") + BoyOrGirl(28, 5))}));
  r = Run({"nannv", "--age", "45", "--month", "5"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.size(), 1u);
  r = Run({"nannv"});
  EXPECT_EQ(r.status, 0);
  // The explanation, then each page: (heading,) header and twelve months.
  ASSERT_EQ(r.out.size(), 1u + 13u + 1u + 13u);
  EXPECT_EQ(r.out[1], U("月份\t18\t19\t20\t21\t22\t23\t24\t25\t26\t27\t28\t29\t30\t31"));
  EXPECT_EQ(r.out[14], U("续表：32-44岁"));
  std::string december = "12月";
  for (int age = 32; age <= 44; ++age) december += std::string("\t") + BoyOrGirl(age, 12);
  EXPECT_EQ(r.out[27], U(december));
}

}  // namespace
}  // namespace lumeno::fortune
