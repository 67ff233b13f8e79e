// The number readings: the mobile key, the built-in table's rows and their
// splitting, the QQ pairing sum and look-up, and the windows' checks with
// their messages, over small fixture databases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/info.h"
#include "fortune/numbers.h"
#include "support/fixture_db.h"

namespace lumeno::fortune {
namespace {

using lumeno::testing::CreateFixtureDatabase;

TEST(MobileKey, IsTheValueOfCharactersEightToElevenModEighty) {
  struct Case {
    const char* number;
    const char* key;
  } cases[] = {
      {"13800001234", "34"},  // 1234 = 15 * 80 + 34
      {"13800000000", "0"},   {"13800000080", "0"}, {"13800009920", "0"},
      {"13800000079", "79"},  {"13800009999", "79"},
      {"123456789", "9"},     // characters 8 and 9: 89 mod 80
      {"12345678", "8"},      {"1234567012", "12"},
      {"1234567", ""},        // no eighth character: no key
      {"1380000ab12", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(shoujiinfostr(c.number), c.key) << c.number;
}

TEST(NumberFortune, ReadsTheRowOfTheNumberModEightyOne) {
  struct Case {
    const char* number;
    int row;  // -1: outside the table
  } cases[] = {
      {"81", 0},  {"162", 0}, {"0", 0},  {"80", 80},  {"10000", 37},  // 10000 = 123 * 81 + 37
      {"999999999999999999", 0}, {"9223372036854775807", 25},        // the largest value
      {"-81", 0}, {"-5", -1}, {"-9223372036854775808", -1},
      {"", -1},   {"12a", -1}, {"9223372036854775808", -1},           // no 64-bit integer
  };
  for (const Case& c : cases) {
    const std::string expected = c.row < 0 ? kNumberOutsideTable : NumberFortuneRow(c.row);
    EXPECT_EQ(NumberFortune(c.number), expected) << c.number;
  }
  EXPECT_EQ(std::string(kNumberOutsideTable), "对不起,此号不在分解之类。");
  EXPECT_EQ(std::string(NumberLuck(37)), "凶带吉");
  EXPECT_EQ(NumberPersonalityType(37), 2);
}

TEST(NumberFortune, RowsJoinVerdictLuckAndPersonality) {
  for (int row : {0, 26, 80}) {
    const int type = NumberPersonalityType(row);
    EXPECT_EQ(NumberFortuneRow(row), std::string(NumberVerdict(row)) + "|" + NumberLuck(row) + "|主人性格类型：[" +
                                         PersonalityTypeName(type) + "]，其具体表现为：" + PersonalitySketch(type))
        << row;
  }
  EXPECT_EQ(std::string(NumberVerdict(0)), "大展鸿图，信用得固，名利双收，可获成功");
  EXPECT_EQ(std::string(NumberVerdict(80)), "最极之数，还本归元，能得繁荣，发达成功");
  EXPECT_EQ(std::string(PersonalityTypeName(2)), "独断独行/吸引人型");
  EXPECT_EQ(NumberFortuneRow(81), kNumberOutsideTable);
}

TEST(NumberFortune, SplitsAReadingAtItsFirstTwoBars) {
  struct Case {
    const char* reading;
    const char *status, *luck, *detail;
  } cases[] = {
      {"甲|乙|丙", "甲", "乙", "丙"},
      {"甲|乙|丙|丁", "甲", "乙", "丙|丁"},
      {"甲|乙", "甲", "", "乙"},
      {"对不起,此号不在分解之类。", "", "", "对不起,此号不在分解之类。"},
      {"||", "", "", ""},
  };
  for (const Case& c : cases) {
    const NumberResult r = SplitNumberReading("42", c.reading);
    EXPECT_EQ(r.number, "42");
    EXPECT_EQ(r.status, c.status) << GbkToUtf8(c.reading);
    EXPECT_EQ(r.luck, c.luck) << GbkToUtf8(c.reading);
    EXPECT_EQ(r.detail, c.detail) << GbkToUtf8(c.reading);
  }
}

class NumberWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(dir.path(), data::DatabaseFile::Dream,
                          {GbkToUtf8("INSERT INTO shouji(num, title, jx, content) VALUES "
                                     "('34', ' 顺风顺水 ', '吉 ', ' 第三十四条读法。 ')"),
                           GbkToUtf8("INSERT INTO shouji(num, title, jx, content) VALUES "
                                     "('0', '零号', '凶', '第零条读法。')")});
    CreateFixtureDatabase(dir.path(), data::DatabaseFile::VelBirth,
                          {GbkToUtf8("INSERT INTO QQpd(bihua, intro) VALUES (',3,12,', '三或十二')"),
                           GbkToUtf8("INSERT INTO QQpd(bihua, intro) VALUES (',0,45,', ' 零或四十五 ')"),
                           GbkToUtf8("INSERT INTO QQpd(bihua, intro) VALUES (',80,100,', '八十或一百')"),
                           GbkToUtf8("INSERT INTO QQpd(bihua, intro) VALUES (',45,', '第二个四十五')")});
  }
  lumeno::testing::TempDir dir{"lumeno-numbers"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
  data::RecordingInfoSink info;
  data::ScopedInfoSink scopedInfo{&info};
};

TEST_F(NumberWindowsTest, MobileReadsTheRowOfItsKey) {
  std::optional<NumberResult> r = MobileAnalysis(" 13912341234 ");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->number, "13912341234");
  EXPECT_EQ(r->status, "顺风顺水");
  EXPECT_EQ(r->luck, "吉");
  EXPECT_EQ(r->detail, "第三十四条读法。");
  r = MobileAnalysis("13900009920");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, "零号");
  // A key without a row: the number and three empty readings.
  r = MobileAnalysis("13900000001");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->number, "13900000001");
  EXPECT_EQ(r->status + r->luck + r->detail, "");
  EXPECT_TRUE(info.messages.empty());
}

TEST_F(NumberWindowsTest, MobileAsksForElevenDigits) {
  for (const char* bad : {"", "   ", "1234567", "139123412345", "1391234abcd", "139 1234 1234"}) {
    info.messages.clear();
    EXPECT_FALSE(MobileAnalysis(bad)) << bad;
    EXPECT_EQ(info.messages, std::vector<std::string>{"请输入11位手机号码！"}) << bad;
  }
}

TEST_F(NumberWindowsTest, MobileWithoutItsDatabaseChangesNothingSilently) {
  lumeno::testing::TempDir empty{"lumeno-nodb"};
  lumeno::testing::ScopedProgramDirectory elsewhere{empty.path()};
  EXPECT_FALSE(MobileAnalysis("13912341234"));
  EXPECT_TRUE(info.messages.empty());
}

TEST_F(NumberWindowsTest, QQAndAnyNumberCheckTheirInput) {
  struct Case {
    NumberWindow window;
    const char* input;
    const char* message;  // nullptr: a reading
  } cases[] = {
      {NumberWindow::QQ, "", "请输入你的QQ号码！"},
      {NumberWindow::Any, " ", "请输入你的号码！"},
      {NumberWindow::QQ, "12a45", "请输入正确的QQ号码！"},
      {NumberWindow::Any, "-5", "请输入正确的号码！"},
      {NumberWindow::Any, "9999999999999999999", "请输入正确的号码！"},  // more than the field's 18
      {NumberWindow::QQ, " 10000 ", nullptr},
      {NumberWindow::Any, "999999999999999999", nullptr},
  };
  for (const Case& c : cases) {
    info.messages.clear();
    const std::optional<NumberResult> r = NumberAnalysis(c.window, c.input);
    if (c.message) {
      EXPECT_FALSE(r) << c.input;
      EXPECT_EQ(info.messages, std::vector<std::string>{c.message}) << c.input;
    } else {
      ASSERT_TRUE(r) << c.input;
      EXPECT_TRUE(info.messages.empty());
      EXPECT_EQ(r->number, lumeno::Trim(c.input));
      EXPECT_EQ(r->status, NumberVerdict(std::stoll(r->number) % 81));
    }
  }
  const std::optional<NumberResult> r = NumberAnalysis(NumberWindow::QQ, "10000");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->luck, "凶带吉");
  EXPECT_EQ(r->detail.rfind("主人性格类型：[独断独行/吸引人型]，其具体表现为：", 0), 0u);
}

TEST_F(NumberWindowsTest, PairingLooksUpTheDigitSum) {
  struct Case {
    const char *mine, *others;
    int sum;
    const char* text;
  } cases[] = {
      {"12345", "00003", 18, ""},            // no row
      {"11100", "00000", 3, "三或十二"},     // 3 between commas, not 1 or 2 of 12
      {"11000", "00000", 2, ""},
      {"55555", "44444", 45, "零或四十五"},  // the first row that holds 45
      {"00000", "00000", 0, "零或四十五"},
      {"9999999999", "9999999999", 80, "八十或一百"},  // 180 becomes 80
      {"9999999999", "1111111111", 100, "八十或一百"}, // 100 stays
      {"9999999999", "1111111112", 1, ""},             // 101 becomes 1
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QQPairingSum(c.mine, c.others), c.sum) << c.mine << " " << c.others;
    EXPECT_EQ(QQPairingText(c.mine, c.others), c.text) << c.mine << " " << c.others;
  }
}

TEST_F(NumberWindowsTest, PairingChecksMineBeforeTheOthers) {
  struct Case {
    const char *mine, *others;
    const char* message;
    PairingField focus;
  } cases[] = {
      {"", "12345", "请输入自己的QQ号码！", PairingField::Mine},
      {"1234", "", "请输入正确的QQ号码！", PairingField::Mine},
      {"12345678901", "1", "请输入正确的QQ号码！", PairingField::Mine},
      {"12a45", "12345", "请输入正确的QQ号码！", PairingField::Mine},
      {" 12345 ", "  ", "请输入对方的QQ号码！", PairingField::Others},
      {"12345", "1234", "请输入正确的QQ号码！", PairingField::Others},
      {"1234567890", "12345678901", "请输入正确的QQ号码！", PairingField::Others},
  };
  for (const Case& c : cases) {
    info.messages.clear();
    const PairingOutcome r = PairingAnalysis(c.mine, c.others);
    EXPECT_EQ(r.focus, c.focus) << c.mine << "/" << c.others;
    EXPECT_EQ(info.messages, std::vector<std::string>{c.message}) << c.mine << "/" << c.others;
  }
  info.messages.clear();
  const PairingOutcome ok = PairingAnalysis(" 55555 ", "44444 ");
  EXPECT_EQ(ok.focus, PairingField::None);
  EXPECT_EQ(ok.text, "零或四十五");
  EXPECT_TRUE(info.messages.empty());
}

}  // namespace
}  // namespace lumeno::fortune
