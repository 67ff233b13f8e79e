// The details of a selected name and the element balance of a birth chart.
#include <gtest/gtest.h>

#include "core/text.h"
#include "data/database.h"
#include "data/info.h"
#include "data/query.h"
#include "naming/birth_elements.h"
#include "naming/candidate_query.h"
#include "naming/name_details.h"
#include "naming_fixture.h"

namespace lumeno::naming {
namespace {

TEST(CandidateNameSplit, SurnameLengthDecides) {
  struct Case {
    const char* item;
    const char* surname;
    const char* full;
    const char* given;
  } cases[] = {
      {"张浩宇(85分)", "张", "张浩宇", "浩宇"},
      {"张浩宇(85分)", " 张 ", "张浩宇", "浩宇"},
      {"欧阳浩(100分)", "欧阳", "欧阳浩", "浩"},
      {"张浩", "张", "张浩", "浩"},  // no score part: all of it is the name
  };
  for (const Case& c : cases) {
    const CandidateName n = SplitCandidateName(c.item, c.surname);
    EXPECT_EQ(n.full, c.full) << c.item;
    EXPECT_EQ(n.surname, Trim(c.surname)) << c.item;
    EXPECT_EQ(n.given, c.given) << c.item;
  }
}

class NameDetailsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> rows = testing::NamingRows();
    rows.push_back(GbkToUtf8("UPDATE word SET pinyin = 'hào', gloss = '水势浩大，寓意胸襟开阔' WHERE zi = '浩'"));
    rows.push_back(GbkToUtf8("UPDATE word SET pinyin = 'yǔ', gloss = '屋宇天地，寓意气度宏大' WHERE zi = '宇'"));
    lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz, rows);
  }
  lumeno::testing::TempDir dir{"lumeno-naming-details"};
  lumeno::testing::ScopedProgramDirectory program{dir.path()};
};

TEST_F(NameDetailsTest, ReadingGlossGridsAndScore) {
  const NameDetails d = DescribeName(SplitCandidateName("张浩宇(85分)", "张"));
  EXPECT_EQ(NameDetailLines(d), (std::vector<std::string>{
                                    "浩 hào：水势浩大，寓意胸襟开阔",
                                    "宇 yǔ：屋宇天地，寓意气度宏大",
                                    "天格12 人格21 地格16 总格27 外格7",
                                    "三才木木土　综合评分85分",
                                }));
  // A character without notes is shown alone.
  EXPECT_EQ(NameDetailLines(DescribeName(SplitCandidateName("张泰安(85分)", "张")))[0], "泰");
}

TEST_F(NameDetailsTest, EveryListedScoreIsTheScoreOfTheName) {
  class Names : public CandidateReader {
   public:
    void ProcessCandidate(const std::string& n) override { all.push_back(n); }
    std::vector<std::string> all;
  } names;
  NamingSettings s;
  s.surname = "张";
  s.combinations = {"11|10-6(85分)", "11|10-12(78分)"};
  std::atomic<bool> running{true};
  data::Query query(data::OwnRorurozConnectionString());
  RunCandidateQueries(s, query, running, names);
  ASSERT_EQ(names.all.size(), 25u);
  for (const std::string& item : names.all) {
    const NameDetails d = DescribeName(SplitCandidateName(item, "张"));
    ASSERT_TRUE(d.score) << item;
    EXPECT_NE(item.find("(" + std::to_string(static_cast<int>(*d.score)) + "分)"), std::string::npos) << item;
  }
}

TEST(ElementBalance, MissingElementsOrTheWeakest) {
  struct Case {
    std::array<int, kElementCount> counts;
    std::array<bool, kElementCount> wanted;
    const char* line;
  } cases[] = {
      {{2, 1, 0, 3, 2}, {false, false, true, false, false}, "八字五行：金2 木1 水0 火3 土2，缺水"},
      {{0, 1, 3, 2, 2}, {true, false, false, false, false}, "八字五行：金0 木1 水3 火2 土2，缺金"},
      {{0, 4, 0, 4, 0}, {true, false, true, false, true}, "八字五行：金0 木4 水0 火4 土0，缺金水土"},
      {{2, 1, 1, 3, 1}, {false, true, true, false, true}, "八字五行：金2 木1 水1 火3 土1，五行俱全，木水土偏弱"},
      {{1, 2, 2, 2, 1}, {true, false, false, false, true}, "八字五行：金1 木2 水2 火2 土1，五行俱全，金土偏弱"},
  };
  for (const Case& c : cases) {
    const ElementBalance b = BalanceOfCounts(c.counts);
    EXPECT_EQ(b.wanted, c.wanted) << c.line;
    EXPECT_EQ(b.line, c.line);
  }
}

class BirthElements : public ::testing::Test {
 protected:
  void SetUp() override {
    // The elements of the stems and branches, as the chart engine reads them.
    lumeno::testing::CreateFixtureDatabase(
        dir.path(), data::DatabaseFile::Tgcode,
        {GbkToUtf8("INSERT INTO hzwh VALUES ('甲乙寅卯', '木'), ('丙丁巳午', '火'), ('戊己辰戌丑未', '土'), "
                   "('庚辛申酉', '金'), ('壬癸亥子', '水')")});
  }
  static BirthFields Birth(const char* year, const char* month, const char* day, const char* hour) {
    return BirthFields{"男", year, month, day, hour, "00", 0};
  }
  lumeno::testing::TempDir dir{"lumeno-naming-bazi"};
  lumeno::testing::ScopedProgramDirectory program{dir.path()};
  data::RecordingInfoSink info;
  data::ScopedInfoSink scopedInfo{&info};
};

TEST_F(BirthElements, CountsOfTheEightCharacters) {
  // 己卯 丙子 戊午 壬子
  std::optional<ElementBalance> b = BirthElementBalance(Birth("2000", "1", "1", "子 0"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->line, "八字五行：金0 木1 水3 火2 土2，缺金");
  // 庚午 辛巳 壬午 甲辰: nothing missing.
  b = BirthElementBalance(Birth("1990", "05", "17", "辰 8"));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->line, "八字五行：金2 木1 水1 火3 土1，五行俱全，木水土偏弱");
  // A lunar input is converted first: lunar 1999-11-25 is 2000-01-01.
  BirthFields lunar = Birth("1999", "11", "25", "子 0");
  lunar.calendarIndex = 1;
  b = BirthElementBalance(lunar);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->line, "八字五行：金0 木1 水3 火2 土2，缺金");
  EXPECT_TRUE(info.messages.empty());
}

TEST_F(BirthElements, InputsThatMakeNoChart) {
  struct Case {
    BirthFields birth;
    const char* message;
  } cases[] = {
      {Birth("", "1", "1", "子 0"), "请选择出生年!"},
      {Birth("2000", " ", "1", "子 0"), "请选择出生月!"},
      {Birth("2000", "1", "", "子 0"), "请选择出生日!"},
      {Birth("2000", "1", "1", ""), "请选择出生小时!"},
      {Birth("1800", "1", "1", "子 0"), "出生日期超出了历法范围，请输入1900年1月31日至2100年12月31日之间的日期!"},
  };
  for (const Case& c : cases) {
    info.messages.clear();
    EXPECT_FALSE(BirthElementBalance(c.birth)) << c.message;
    EXPECT_EQ(info.messages, std::vector<std::string>{c.message});
  }
  EXPECT_THROW(BirthElementBalance(Birth("2001", "2", "30", "子 0")), GeneralError);
  // Without the element table the chart has no elements to count.
  lumeno::testing::ScopedProgramDirectory empty(dir.path() + "/none");
  info.messages.clear();
  EXPECT_FALSE(BirthElementBalance(Birth("2000", "1", "1", "子 0")));
  EXPECT_EQ(info.messages.size(), 1u);
}

}  // namespace
}  // namespace lumeno::naming
