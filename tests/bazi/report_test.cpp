// The eight-character report line by line, on the shipped rule tables with
// fixture texts for the readings.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <optional>

#include "bazi/advice.h"
#include "bazi/chart.h"
#include "bazi/date_text_table.h"
#include "bazi/report.h"
#include "calendar/names.h"
#include "core/error.h"
#include "core/gbk.h"
#include "data/info.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno::bazi {
namespace {

// A folder holding a copy of the shipped Tgcode.dll with known advice texts,
// and a dream.dll with known bone weights and readings.
class ReportFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(testing::BinDir() + "/Tgcode.dll", dir_.path() + "/Tgcode.dll");
    Exec(dir_.path() + "/Tgcode.dll",
         {"DELETE FROM sjrs", "DELETE FROM qtbj",
          U("INSERT INTO sjrs VALUES ('土', '春', '春土虚浮，喜火来生'), ('金', '夏', '夏金柔弱，喜土与水')"),
          U("INSERT INTO qtbj VALUES ('戊', '寅', '先取丙火，次取甲木'), ('辛', '未', '先取壬水')")});
    testing::CreateFixtureDatabase(
        dir_.path(), data::DatabaseFile::Dream,
        {"INSERT INTO chenggu1 VALUES ('1984', 1.2), ('1990', 2.1), ('2002', 0.9)",
         "INSERT INTO chenggu2 VALUES ('1', 0.6), ('5', 1.5), ('12', 0.8)",
         "INSERT INTO chenggu3 VALUES ('3', 1.0), ('24', 0.5), ('29', 1.6)",
         "INSERT INTO chenggu4 VALUES ('12', 1.6), ('9', 0.9), ('0', 1.2)",
         U("INSERT INTO chenggu VALUES ('44', ' 诗四两四 ', '解四两四'), ('50', '诗五两', '解五两'), "
           "('45', '诗四两五', '解四两五')")});
  }

  static std::string U(const char* gbk) { return GbkToUtf8(gbk); }
  static void Exec(const std::string& path, const std::vector<std::string>& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    for (const std::string& s : sql) ASSERT_EQ(sqlite3_exec(db, s.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << s;
    sqlite3_close(db);
  }

  BaziOutcome Run(const BaziInputs& in) {
    testing::ScopedProgramDirectory program(dir_.path());
    data::ScopedInfoSink scoped(&messages_);
    return BaziReport(in, pane_, 2026);
  }

  static BaziInputs Man1984() {
    BaziInputs in;
    in.surname = " 张 ";
    in.sex = "男";
    in.year = "1984";
    in.month = "2";
    in.day = "4";
    in.hourItem = "午 12";
    in.minute = "0";
    return in;
  }

  testing::TempDir dir_;
  MemoryPane pane_;
  data::RecordingInfoSink messages_;
};

TEST_F(ReportFixture, ManBornOnTheFourthOfFebruary1984LineByLine) {
  ASSERT_EQ(Run(Man1984()), BaziOutcome::Written);
  const std::string sep = kBaziSeparator;
  std::vector<std::string> want = {
      "姓氏：张",
      "年龄：42岁",
      "您出生公历：1984年02月04日12点0分",
      "农历：甲子(鼠年)一月初三",
      "属相：鼠",
      "星座：" + calendar::ConstellationOf(EncodeDate(1984, 2, 4)),
      sep,
      "胎元：丁巳(沙中土)",
      "起运：10岁",
      "十神：七杀   偏印   日元   比肩",
      "八字：甲子   丙寅   戊辰   戊午",
      "遁藏：癸正财 甲七杀 乙正官 己劫财",
      "             丙偏印 戊比肩 丁正印 ",
      "             戊比肩 癸正财        ",
      "五行：木水   火木   土土   土火",
      "纳音：海中金 炉中火 大林木 天上火",
      "纳音：炉中火 炉中火 大林木 大林木 路旁土 路旁土 剑锋金 剑锋金 山头火 山头火 ",
      "十神：偏印   正印   比肩   劫财   食神   伤官   偏财   正财   七杀   正官   ",
      "大运：丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥",
      "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁",
      "始于：1984   1994   2004   2014   2024   2034   2044   2054   2064   2074",
      "",
      "流年：甲子   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午",
      "      乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未",
  };
  ASSERT_GE(pane_.lines.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(pane_.lines[i], want[i]) << "line " << i + 1;

  // With A = 10 every yearly and minor-luck row has a first column.
  EXPECT_EQ(pane_.lines[31], "      癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳   癸卯");
  EXPECT_EQ(pane_.lines[32], "");
  EXPECT_EQ(pane_.lines[33], "小运：戊午   戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子");
  EXPECT_EQ(pane_.lines[34], "      00岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
  EXPECT_EQ(pane_.lines[35], "      己未   己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑");
  EXPECT_EQ(pane_.lines[36], "      01岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁   91岁");

  std::vector<std::string> tail = {
      sep,
      "用神喜忌：日主天干土生于春季，春土虚浮，喜火来生。",
      "穷通宝鉴调候用神：戊土生于寅月，先取丙火，次取甲木",
      "八字五行个数：金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个",
      "喜用神：金，建议你名字五行带：金最佳。",
      sep,
      "袁天罡称骨算命：",
      "你的骨重为：4两4钱",
      "骨重诗评：诗四两四",
      "骨重解评：解四两四",
      sep,
      "性格简评：",
      "    " + std::string(DateTextTable(4)) + DateTextTable(204),
      sep,
      "",
      "<-----------------------以上内容只作参考----------------------------->",
  };
  ASSERT_EQ(pane_.lines.size(), 53 + tail.size());
  for (std::size_t i = 0; i < tail.size(); ++i) EXPECT_EQ(pane_.lines[53 + i], tail[i]) << "line " << 54 + i;
  EXPECT_TRUE(pane_.shown);
  EXPECT_EQ(pane_.scrolls, 1);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ReportFixture, StartAgeThreeGivesThreeRowsWithAFirstColumn) {
  BaziInputs in = Man1984();
  in.sex = "女";
  in.year = "1990";
  in.month = "7";
  in.day = "15";
  in.hourItem = "巳 9";
  ASSERT_EQ(Run(in), BaziOutcome::Written);
  EXPECT_EQ(pane_.lines[8], "起运：3岁");
  EXPECT_EQ(pane_.lines[19], "      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
  EXPECT_EQ(pane_.lines[20], "始于：1990   1993   2003   2013   2023   2033   2043   2053   2063   2073");
  EXPECT_EQ(pane_.lines[22].substr(0, 24), "流年：庚午   癸酉   癸未");
  EXPECT_EQ(pane_.lines[24].substr(0, 10), "      壬申");
  // Row 3 starts with thirteen blanks and the year L + A + 3.
  EXPECT_EQ(pane_.lines[25].substr(0, 17), "             丙子");
  // Born in 闰五月: no season line, the seasonal-adjustment line follows the separator.
  EXPECT_EQ(pane_.lines[53], kBaziSeparator);
  EXPECT_EQ(pane_.lines[54], "穷通宝鉴调候用神：辛金生于未月，先取壬水");
  EXPECT_EQ(pane_.lines[58], "袁天罡称骨算命：");
  // Year 1990 (2.1), leap fifth month (counted as 5: 1.5), day 23 (no row:
  // 0) and hour 9 (0.9) weigh 4.5.
  EXPECT_EQ(pane_.lines[59], "你的骨重为：4两5钱");
}

TEST_F(ReportFixture, StartAgeOneHasTheFixedAgeLine) {
  // Find a man born one to three days before a section term, forward.
  BaziInputs in = Man1984();
  in.year = "1984";
  in.month = "3";
  in.day = "4";  // 惊蛰 1984 fell on 5 March
  ASSERT_EQ(Run(in), BaziOutcome::Written);
  ASSERT_EQ(pane_.lines[8], "起运：1岁");
  EXPECT_EQ(pane_.lines[19], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(pane_.lines[20], "始于：1984   1985   1995   2005   2015   2025   2035   2045   2055   2065");
  EXPECT_EQ(pane_.lines[22].substr(0, 8), "流年：甲");
  EXPECT_EQ(pane_.lines[23].substr(0, 13), "             ");
}

TEST_F(ReportFixture, StartAgeElevenGivesEveryRowAFirstColumn) {
  // A man born on the day of a section term, counting forward to a term 31
  // or 32 days away, starts his luck at 11.
  std::optional<YearMonthDay> birth;
  for (DateValue d = EncodeDate(1990, 1, 1); d < EncodeDate(2010, 1, 1) && !birth; d += 1) {
    YearMonthDay ymd = DecodeDate(d);
    BirthMoment b = MakeBirthMoment({ymd.year, ymd.month, ymd.day, BirthDateProblem::None}, 0, "0", "男");
    auto p = ComputeFourPillars(ymd.year, ymd.month, ymd.day, 0);
    if (LuckDirection(true, p->year.stem) && LuckStartAge(b, true) == 11) birth = ymd;
  }
  ASSERT_TRUE(birth);
  BaziInputs in = Man1984();
  in.year = std::to_string(birth->year);
  in.month = std::to_string(birth->month);
  in.day = std::to_string(birth->day);
  in.hourItem = "子 0";
  ASSERT_EQ(Run(in), BaziOutcome::Written);
  EXPECT_EQ(pane_.lines[8], "起运：11岁");
  EXPECT_EQ(pane_.lines[19].substr(0, 15), "      1-10岁   ");
  // Ten yearly rows and ten minor-luck rows, each with its first column.
  for (int i = 0; i < 10; ++i) {
    EXPECT_NE(pane_.lines[22 + i].substr(0, 13), "             ") << i;
    EXPECT_NE(pane_.lines[33 + 2 * i].substr(0, 13), "             ") << i;
    EXPECT_EQ(pane_.lines[34 + 2 * i].substr(0, 10), "      " + AgeLabel(i)) << i;
  }
}

TEST_F(ReportFixture, InputChecksInOrderLeaveThePaneAlone) {
  pane_.lines = {"earlier"};
  struct Case {
    void (*blank)(BaziInputs&);
    const char* message;
    BaziOutcome outcome;
  } cases[] = {
      {[](BaziInputs& in) { in.surname = "  "; in.year = ""; }, "姓不能为空!", BaziOutcome::SurnameMissing},
      {[](BaziInputs& in) { in.year = " "; in.month = ""; }, "请选择出生年!", BaziOutcome::Refused},
      {[](BaziInputs& in) { in.month = ""; in.day = ""; }, "请选择出生月!", BaziOutcome::Refused},
      {[](BaziInputs& in) { in.day = ""; in.hourItem = ""; }, "请选择出生日!", BaziOutcome::Refused},
      {[](BaziInputs& in) { in.hourItem = ""; }, "请选择出生小时!", BaziOutcome::Refused},
      {[](BaziInputs& in) { in.calendarIndex = 1; in.month = "13"; }, nullptr, BaziOutcome::Refused},
      {[](BaziInputs& in) { in.year = "1900"; in.month = "1"; in.day = "30"; }, nullptr, BaziOutcome::Refused},
  };
  for (const Case& c : cases) {
    messages_.messages.clear();
    BaziInputs in = Man1984();
    c.blank(in);
    EXPECT_EQ(Run(in), c.outcome);
    ASSERT_EQ(messages_.messages.size(), 1u);
    if (c.message) {
      EXPECT_EQ(messages_.messages[0], c.message);
    }
    EXPECT_EQ(pane_.lines, std::vector<std::string>{"earlier"});
  }
}

TEST_F(ReportFixture, ImpossibleGregorianDateIsTheGeneralError) {
  BaziInputs in = Man1984();
  in.month = "2";
  in.day = "30";
  pane_.lines = {"earlier"};
  try {
    Run(in);
    FAIL() << "no error";
  } catch (const GeneralError& e) {
    EXPECT_STREQ(e.what(), "'1984-2-30' is not a valid date");
  }
  EXPECT_EQ(pane_.lines, std::vector<std::string>{"earlier"});
}

TEST_F(ReportFixture, ABirthStillToComeIsZeroYearsOld) {
  // Today's year is 2026 here: an expected baby is not of negative age.
  const struct {
    const char* year;
    const char* age;
  } cases[] = {{"2025", "年龄：1岁"}, {"2026", "年龄：0岁"}, {"2027", "年龄：0岁"}, {"2040", "年龄：0岁"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    BaziInputs in = Man1984();
    in.year = c.year;
    ASSERT_EQ(Run(in), BaziOutcome::Written);
    EXPECT_EQ(pane_.lines[1], c.age);
  }
}

TEST_F(ReportFixture, LunarInputIsConvertedFirst) {
  BaziInputs in = Man1984();
  in.calendarIndex = 1;
  in.year = "1984";
  in.month = "1";
  in.day = "3";
  ASSERT_EQ(Run(in), BaziOutcome::Written);
  EXPECT_EQ(pane_.lines[2], "您出生公历：1984年02月04日12点0分");
  EXPECT_EQ(pane_.lines[10], "八字：甲子   丙寅   戊辰   戊午");
}

TEST_F(ReportFixture, WinterSeasonWithTheTigerMonth) {
  BaziInputs in = Man1984();
  in.year = "2002";
  in.month = "2";
  in.day = "10";
  ASSERT_EQ(Run(in), BaziOutcome::Written);
  bool found = false;
  for (const std::string& line : pane_.lines) {
    if (line.rfind("用神喜忌：", 0) == 0) {
      found = true;
      EXPECT_NE(line.find("生于冬季，"), std::string::npos) << GbkToUtf8(line);
    }
    if (line.rfind("穷通宝鉴调候用神：", 0) == 0) {
      EXPECT_NE(line.find("生于寅月，"), std::string::npos);
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(ReportFixture, MissingBoneWeightFileStopsAfterItsHeading) {
  std::filesystem::remove(dir_.path() + "/dream.dll");
  ASSERT_EQ(Run(Man1984()), BaziOutcome::Stopped);
  EXPECT_EQ(pane_.lines.back(), "袁天罡称骨算命：");
  EXPECT_EQ(pane_.lines.size(), 60u);
  EXPECT_FALSE(pane_.shown);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ReportFixture, BoneWeightKeysAndLines) {
  EXPECT_EQ(BoneWeightKey(2.1 + 1.5 + 0.5 + 0.9), "50");
  EXPECT_EQ(BoneWeightKey(1.2 + 1.6 + 0.9 + 0.8), "45");
  EXPECT_EQ(BoneWeightKey(10.5), "");
  testing::ScopedProgramDirectory program(dir_.path());
  // 1990 (2.1), month 5 (1.5), day 24 (0.5), hour 9 (0.9): 5.0.
  EXPECT_EQ(BoneWeightReading(1990, 5, 24, 9, 0), "你的骨重为：5两");
  EXPECT_EQ(BoneWeightReading(1990, 5, 24, 9, 1), "骨重诗评：诗五两");
  EXPECT_EQ(BoneWeightReading(1990, 5, 24, 9, 2), "骨重解评：解五两");
  // Nothing for a key without a reading.
  EXPECT_EQ(BoneWeightReading(1777, 1, 1, 1, 0), "");
}

TEST(Sketch, TwentyNinthOfFebruaryJoinsBothSlots) {
  EXPECT_EQ(CharacterSketch(2, 29), std::string(DateTextTable(29)) + DateTextTable(229));
  EXPECT_EQ(SeasonOfLunarMonth("一月"), "春");
  EXPECT_EQ(SeasonOfLunarMonth("十二月"), "冬");
  EXPECT_EQ(SeasonOfLunarMonth("闰五月"), "");
  EXPECT_EQ(SeasonOfLunarMonth("五月"), "夏");
}

}  // namespace
}  // namespace lumeno::bazi
