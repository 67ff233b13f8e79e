#include "numerology/name_report.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "data/info.h"
#include "fixture.h"

namespace lumeno::numerology {
namespace {

using testing::CreateFixtureDatabase;
using testing::ScopedProgramDirectory;
using testing::TempDir;

// Lines compared in UTF-8, so that a difference reads as text.
std::vector<std::string> Utf8Lines(const std::vector<std::string>& gbkLines) {
  std::vector<std::string> out;
  for (const std::string& line : gbkLines) out.push_back(GbkToUtf8(line));
  return out;
}
std::vector<std::string> Utf8Lines(const MemoryPane& pane) { return Utf8Lines(pane.lines); }

#define EXPECT_GBK_EQ(actual, expected) EXPECT_EQ(GbkToUtf8(actual), GbkToUtf8(expected))

// 张 11 and 三 3 give the grids 12, 4, 14, 14, 2 and the talents 木火火.
// Table 81 has rows for 4, 12 and 14 but none for 2.
class NameReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, testing::WordRows());
    WriteVelFile(true);
    query_.SetConnectionString(data::ConnectionStringFor(data::DatabaseFile::VelFile));
    input_ = {"张", "三", "男", "1980", "1", "1", "子 0", "0", 0};
  }

  void WriteVelFile(bool withTalentRecord) {
    std::vector<std::string> rows = {
        testing::Row81(4, "四数", "(凶)", "四的暗示"),
        testing::Row81(12, "十二数", "(凶) ", " 十二的暗示"),
        testing::Row81(14, "十四数", "(凶)", "十四的暗示"),
        testing::SancaiRow("木火火", 2, "木火相生的解读"),
    };
    if (withTalentRecord)
      rows.push_back(testing::Sancai2009Row(
          {"木火火", " 三才概要 ", "基础稳固", "(吉)", "成功顺利 ", "(大吉)", "人缘好", "(吉)", " 性格开朗"}));
    CreateFixtureDatabase(dir_.path(), data::DatabaseFile::VelFile, rows);
  }

  void Run(bool closingLine = false) {
    RunNameAnalysis(input_, state_, pane_, 2024, closingLine, query_);
  }

  TempDir dir_;
  ScopedProgramDirectory program_{dir_.path()};
  data::RecordingInfoSink messages_;
  data::ScopedInfoSink sink_{&messages_};
  data::Query query_;
  NameInputs input_;
  AnalysisState state_;
  MemoryPane pane_;
};

const char* const kSeparator = "<-----------------------名字分析内容分隔线----------------------------->";

std::vector<std::string> ExpectedZhangSan(bool withTalentSection) {
  std::vector<std::string> lines = {
      "张三,您今年:44岁",
      "您出生公历: 1980年01月01日0点0分",
      "农历:己未(羊年)十一月十四",
      "生肖:羊",
      "星座:摩羯座",
      "综合评分: 74分",
      kSeparator,
      "【天格12的解析】：天格数是先祖留传下来的，其数理对人影响不大。",
      "十二数(凶) ",
      "【人格14的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。",
      "十四数(凶)",
      "【地格4的解析】：地格数又称前运，影响人生（49岁）以前的命运。",
      "四数(凶)",
      "【总格14的解析】：总格又称后运，影响人生（50岁）以后的命运。 ",
      "十四数(凶)",
      "【外格2的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。",
      "  ",  // no row for 2: a blank for each column
  };
  if (withTalentSection) {
    std::vector<std::string> talent = {
        kSeparator,
        "【三才数理分析】：您的姓名三才配置为：木火火。它具有如下数理诱导力，据此会对人生产生一定的影响。",
        "三才概要",
        "【对基础运的影响】：基础稳固(吉)",
        "【对成功运的影响】：成功顺利(大吉)",
        "【对人际关系的影响】：人缘好(吉)",
        "【对性格的影响】：性格开朗",
    };
    lines.insert(lines.end(), talent.begin(), talent.end());
  }
  std::vector<std::string> tail = {
      kSeparator,
      "【天格12数理暗示】：",
      " 十二的暗示",
      "【人格14数理暗示】：",
      "十四的暗示",
      "【地格4数理暗示】：",
      "四的暗示",
      "【总格14数理暗示】：",
      "十四的暗示",
      "【外格2数理暗示】：",
      " ",
      kSeparator,
      "【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。",
      "【系统综合评分】: 74分",
      "",
  };
  lines.insert(lines.end(), tail.begin(), tail.end());
  return lines;
}

TEST_F(NameReportTest, FullReportLineByLine) {
  pane_.lines = {"old report"};
  Run();
  EXPECT_EQ(Utf8Lines(pane_), Utf8Lines(ExpectedZhangSan(true)));
  EXPECT_TRUE(pane_.shown);
  EXPECT_EQ(pane_.scrolls, 1);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(state_.surname, "张");
  EXPECT_EQ(state_.given, "三");
  EXPECT_EQ(state_.dateText, "1980-1-1");
  EXPECT_EQ(state_.hourText, "子 0");
  EXPECT_EQ(state_.lunarText, "己未(羊年)十一月十四");
  EXPECT_EQ(state_.zodiac, "羊");
  EXPECT_EQ(state_.constellation, "摩羯座");
}

TEST_F(NameReportTest, NameAnalysisWindowAddsItsClosingLine) {
  Run(true);
  std::vector<std::string> expected = ExpectedZhangSan(true);
  expected.push_back("<-----------------------以上分析内容只作参考----------------------------->");
  EXPECT_EQ(Utf8Lines(pane_), Utf8Lines(expected));
}

TEST_F(NameReportTest, NoTalentSectionWithoutItsRecord) {
  WriteVelFile(false);
  Run();
  EXPECT_EQ(Utf8Lines(pane_), Utf8Lines(ExpectedZhangSan(false)));
}

TEST_F(NameReportTest, InputsAreTrimmedAndTheMinuteShownAsTyped) {
  input_ = {" 张 ", "三\t", "女", " 1980", "1 ", " 1", " 子 0 ", "07", 0};
  Run();
  ASSERT_GE(pane_.lines.size(), 2u);
  EXPECT_GBK_EQ(pane_.lines[0], "张三,您今年:44岁");
  EXPECT_GBK_EQ(pane_.lines[1], "您出生公历: 1980年01月01日0点07分");
}

TEST_F(NameReportTest, ValidationStopsAtTheFirstEmptyInput) {
  struct Case {
    NameInputs input;
    const char* message;
    const char* keptGiven;  // what the state holds afterwards
    const char* keptYear;
  } cases[] = {
      {{"", "", "男", "1980", "1", "1", "子 0", "0", 0}, "姓不能为空!", "old", "old"},
      {{"  ", "三", "男", "1980", "1", "1", "子 0", "0", 0}, "姓不能为空!", "old", "old"},
      {{"张", " ", "男", "1980", "1", "1", "子 0", "0", 0}, "名不能为空!", "old", "old"},
      {{"张", "三", "男", "", "", "", "", "0", 0}, "请选择出生年!", "三", "old"},
      {{"张", "三", "男", "1980", "", "1", "子 0", "0", 0}, "请选择出生月!", "三", "1980"},
      {{"张", "三", "男", "1980", "1", "", "子 0", "0", 0}, "请选择出生日!", "三", "1980"},
      {{"张", "三", "男", "1980", "1", "1", " ", "0", 0}, "请选择出生小时!", "三", "1980"},
  };
  for (const Case& c : cases) {
    AnalysisState state{"old", "old", "old", "old", "old", "old", "old", "old", "old", "old"};
    MemoryPane pane;
    pane.lines = {"kept"};
    messages_.messages.clear();
    RunNameAnalysis(c.input, state, pane, 2024, false, query_);
    EXPECT_EQ(messages_.messages, std::vector<std::string>{c.message}) << GbkToUtf8(c.message);
    EXPECT_EQ(pane.lines, std::vector<std::string>{"kept"});
    EXPECT_FALSE(pane.shown);
    EXPECT_EQ(pane.scrolls, 0);
    EXPECT_EQ(state.given, c.keptGiven);
    EXPECT_EQ(state.year, c.keptYear);
    EXPECT_EQ(state.dateText, "old");
  }
}

TEST_F(NameReportTest, LunarInputIsConvertedFirst) {
  struct Case {
    const char *year, *month, *day;
    const char* line1;
    const char* line2;
    const char* line3;
    const char *stateMonth, *stateDay;
  } cases[] = {
      {"1980", "1", "5", "张三,您今年:44岁", "您出生公历: 1980年02月20日0点0分", "农历:庚申(猴年)一月初五", "02", "20"},
      // The lunar year 1979 ends in the Gregorian 1980: the age is counted
      // from 1980.
      {"1979", "12", "1", "张三,您今年:44岁", "您出生公历: 1980年01月18日0点0分", "农历:己未(羊年)十二月初一", "01", "18"},
  };
  for (const Case& c : cases) {
    input_.calendarIndex = 1;
    input_.year = c.year;
    input_.month = c.month;
    input_.day = c.day;
    Run();
    ASSERT_GE(pane_.lines.size(), 3u);
    EXPECT_GBK_EQ(pane_.lines[0], c.line1);
    EXPECT_GBK_EQ(pane_.lines[1], c.line2);
    EXPECT_GBK_EQ(pane_.lines[2], c.line3);
    EXPECT_EQ(state_.year, "1980");
    EXPECT_EQ(state_.month, c.stateMonth);
    EXPECT_EQ(state_.day, c.stateDay);
    EXPECT_EQ(state_.dateText, std::string("1980-") + c.stateMonth + "-" + c.stateDay);
  }
}

TEST_F(NameReportTest, DatesThatDoNotExistStopBeforeAnythingIsWritten) {
  struct Case {
    int calendar;
    const char *year, *month, *day;
    const char* message;
  } cases[] = {
      {0, "1980", "2", "30", "'1980-2-30' is not a valid date"},
      {0, "1980", "x", "1", "'1980-x-1' is not a valid date"},
      {1, "1980", "13", "1", "'1980-13-1' is not a valid date"},
      {1, "1979", "12", "30", "'1979-12-30' is not a valid date"},  // a month of 29 days
      {1, "2100", "1", "1", "'2100-1-1' is not a valid date"},      // past the convertible years
      {1, "1980", "x", "1", "'x' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    input_.calendarIndex = c.calendar;
    input_.year = c.year;
    input_.month = c.month;
    input_.day = c.day;
    MemoryPane pane;
    pane.lines = {"kept"};
    try {
      RunNameAnalysis(input_, state_, pane, 2024, false, query_);
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const GeneralError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(pane.lines, std::vector<std::string>{"kept"});
  }
}

TEST_F(NameReportTest, HourOfTheHourItem) {
  struct Case {
    const char* item;
    const char* hour;
  } cases[] = {{"子 0", "0"}, {"子 23", "23"}, {"亥 22", "22"}, {"丑 1", "1"}, {"子", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(HourOfItem(c.item), c.hour) << GbkToUtf8(c.item);
  }
  input_.hourItem = "子 23";
  Run();
  ASSERT_GE(pane_.lines.size(), 2u);
  EXPECT_GBK_EQ(pane_.lines[1], "您出生公历: 1980年01月01日23点0分");
}

TEST_F(NameReportTest, AgeIgnoresTheBirthdayWithinTheYear) {
  input_.year = "2024";
  input_.month = "12";
  input_.day = "31";
  Run();
  ASSERT_FALSE(pane_.lines.empty());
  EXPECT_GBK_EQ(pane_.lines[0], "张三,您今年:0岁");
}

TEST_F(NameReportTest, ABirthStillToComeIsZeroYearsOld) {
  // Today's year is 2024 here.
  for (const char* year : {"2025", "2030"}) {
    SCOPED_TRACE(year);
    input_.year = year;
    Run();
    ASSERT_FALSE(pane_.lines.empty());
    EXPECT_GBK_EQ(pane_.lines[0], "张三,您今年:0岁");
  }
}

TEST_F(NameReportTest, ADayBeforeTheLunarTableHasNoLunarText) {
  input_.year = "1900";
  input_.month = "1";
  input_.day = "30";
  Run();
  ASSERT_GE(pane_.lines.size(), 5u);
  EXPECT_GBK_EQ(pane_.lines[2], "农历:");
  EXPECT_GBK_EQ(pane_.lines[3], "生肖:");
  EXPECT_GBK_EQ(pane_.lines[4], "星座:水瓶座");
}

TEST_F(NameReportTest, FailingTextLookupLeavesTheLinesWritten) {
  std::remove((dir_.path() + "/VelFile.dll").c_str());
  EXPECT_THROW(Run(), CommandCancelled);
  // The score's talent look-up is the first to fail: lines 1-5 stay.
  ASSERT_EQ(pane_.lines.size(), 5u);
  EXPECT_GBK_EQ(pane_.lines[4], "星座:摩羯座");
  EXPECT_FALSE(pane_.shown);
  EXPECT_EQ(pane_.scrolls, 0);
}

TEST_F(NameReportTest, StoredCombinationScoreInBothScoreLines) {
  std::vector<std::string> rows = testing::WordRows();
  rows.push_back(testing::ZhRow(11, 0, 3, 0, 90));
  CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, rows);
  Run();
  const std::vector<std::string>& lines = pane_.lines;
  ASSERT_GE(lines.size(), 6u);
  EXPECT_GBK_EQ(lines[5], "综合评分: 90分");
  EXPECT_GBK_EQ(lines[lines.size() - 2], "【系统综合评分】: 90分");
  EXPECT_GBK_EQ(lines[lines.size() - 3],
            "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
}

TEST_F(NameReportTest, ThreeTalentsOnTheNamesOfTheLastAnalysis) {
  MemoryPane pane;
  pane.lines = {"kept"};
  RunThreeTalents(state_, pane, query_);  // no analysis yet
  EXPECT_EQ(pane.lines, std::vector<std::string>{"kept"});

  Run();
  input_.surname = "欧阳";  // later inputs do not matter, only the state
  RunThreeTalents(state_, pane, query_);
  EXPECT_EQ(Utf8Lines(pane),
            Utf8Lines({"张三,您的三才为木火火,经系统分析如下:", "", "", "    木火相生的解读"}));
  EXPECT_FALSE(pane.shown);
  EXPECT_EQ(pane.scrolls, 0);

  AnalysisState other = state_;
  other.given = "明";  // 11 + 8: 木土金, which has no sancai row
  RunThreeTalents(other, pane, query_);
  ASSERT_EQ(pane.lines.size(), 4u);
  EXPECT_GBK_EQ(pane.lines[3], "    无结果,请听下回分解");
}

TEST_F(NameReportTest, ThreeTalentsFailureLeavesThePane) {
  Run();
  MemoryPane pane;
  pane.lines = {"kept"};
  data::Query unset;
  EXPECT_THROW(RunThreeTalents(state_, pane, unset), CommandCancelled);
  EXPECT_EQ(pane.lines, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace lumeno::numerology
