#include "numerology/score.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "data/query.h"
#include "fixture.h"

namespace lumeno::numerology {
namespace {

using testing::CreateFixtureDatabase;
using testing::ScopedProgramDirectory;
using testing::TempDir;

TEST(NumberClasses, TheThreeListsSplitOneToEightyOne) {
  int counts[4] = {0, 0, 0, 0};
  for (int n = 1; n <= 81; ++n) {
    int cls = NumberClass(n);
    ASSERT_GE(cls, 1) << n;
    ++counts[cls];
  }
  EXPECT_EQ(counts[1], 32);
  EXPECT_EQ(counts[2], 14);
  EXPECT_EQ(counts[3], 35);
  // Searched as ",n,": 1 is first class although 11 and 21 also hold a 1.
  for (int n : {0, -1, -11, 82, 100, 811}) EXPECT_EQ(NumberClass(n), 0) << n;
}

TEST(GridPoints, ByClassAndKind) {
  struct Case {
    int number;
    int kind;
    double points;
  } cases[] = {
      {1, 0, 10},   {1, 1, 10},   {1, 2, 30},  {1, 3, 20},  {1, 4, 10},   // first class
      {6, 0, 8.5},  {6, 1, 8.5},  {6, 2, 25.5}, {6, 3, 17}, {6, 4, 8.5},  // second class
      {12, 0, 7},   {4, 1, 7},    {14, 2, 21}, {14, 3, 14}, {2, 4, 7},    // third class
      {82, 0, 0},   {82, 2, 0},   {0, 3, 0},   {-5, 2, 0},                // no class
      {1, -1, 0},   {1, 5, 0},                                            // no kind
  };
  for (const Case& c : cases) EXPECT_EQ(GridPoints(c.number, c.kind), c.points) << c.number << "/" << c.kind;
}

TEST(SancaiGrade, PairsOfGeneratingAndControllingElements) {
  struct Case {
    const char* talents;
    int grade;
  } cases[] = {
      {"木火土", 1},  // 木生火, 火生土: 3 + 3
      {"水木火", 1},
      {"木木火", 2},  // same 2, 木生火 3
      {"火木木", 3},  // lower generates upper 2, same 2
      // One element three times: the traditional grades, not the rule's 3.
      {"木木木", 2},
      {"火火火", 4},
      {"土土土", 2},
      {"金金金", 6},
      {"水水水", 6},
      {"水水金", 3},  // two alike are still graded by their pairs
      {"木土水", 5},  // 木克土 1, 土克水 1
      {"金木土", 5},
      {"土木金", 7},  // 木克土 from below 0, 金克木 from below 0
      {"木土木", 6},  // 木克土 1, then controlled from below 0
      {"木火水", 4},  // 木生火 3, 水克火 from below 0
      {"火水土", 7},
      {"金水木", 1},
      {"木火", 0},    // not three elements
      {"木火天", 0},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(SancaiGrade(c.talents), c.grade) << GbkToUtf8(c.talents);
}

TEST(SancaiGrade, EveryTripleHasAGradeOneToSeven) {
  const char* elements[] = {"金", "木", "水", "火", "土"};
  int perGrade[8] = {};
  for (const char* h : elements)
    for (const char* p : elements)
      for (const char* e : elements) {
        int g = SancaiGrade(h, p, e);
        ASSERT_GE(g, 1);
        ASSERT_LE(g, 7);
        ++perGrade[g];
        EXPECT_EQ(SancaiGrade(std::string(h) + p + e), g);
      }
  // With the person element fixed, each relation above and below belongs to
  // exactly one element, so the grades count the pairs of relations (5, 20,
  // 30, 30, 25, 10, 5), except that the five single-element triples move
  // from grade 3 to their traditional grades: two to 2, one to 4, two to 6.
  const int expected[8] = {0, 5, 22, 25, 31, 25, 12, 5};
  for (int g = 1; g <= 7; ++g) EXPECT_EQ(perGrade[g], expected[g]) << "grade " << g;
}

TEST(TalentPointsForGrade, SevenGradesAndTheRest) {
  const double expected[] = {-1, 20, 18, 16, 15, 14, 13, 12, -1};
  for (int g = 0; g <= 8; ++g) EXPECT_EQ(TalentPointsForGrade(g), expected[g]) << g;
  EXPECT_EQ(TalentPointsForGrade(-3), -1);
}

TEST(ScoreVerdict, BandsIncludeTheirLowerBound) {
  const std::string best = ScoreVerdict(100);
  const std::string good = ScoreVerdict(85);
  const std::string fair = ScoreVerdict(75);
  const std::string poor = ScoreVerdict(65);
  const std::string bad = ScoreVerdict(10);
  struct Case {
    double score;
    const std::string& verdict;
  } cases[] = {{90, best}, {89.5, good}, {80, good}, {79.999, fair}, {70, fair},
               {69.5, poor}, {60, poor}, {59.5, bad}, {0, bad},      {-1, bad}};
  for (const Case& c : cases) EXPECT_EQ(ScoreVerdict(c.score), c.verdict) << c.score;
  EXPECT_NE(best, good);
  EXPECT_NE(good, fair);
  EXPECT_NE(fair, poor);
  EXPECT_NE(poor, bad);
}

TEST(FormatScore, GeneralDecimalForm) {
  EXPECT_EQ(FormatScore(100), "100");
  EXPECT_EQ(FormatScore(92.5), "92.5");
  EXPECT_EQ(FormatScore(74), "74");
  EXPECT_EQ(FormatScore(55), "55");
}

// Databases with 张 11 and 三 3 (grids 12, 4, 14, 14, 2; 木火火), readings of
// a few numbers and three-talent rows.
class ScoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, testing::WordRows());
    CreateFixtureDatabase(dir_.path(), data::DatabaseFile::VelFile,
                          {
                              testing::Row81(12, "薄弱无力 ", "(凶)", "挫折之数", "长文"),
                              testing::Row81(14, "浮沉破败", "(凶)", "孤独之数"),
                              testing::SancaiRow("木火火", 2, "木火通明，顺遂。"),
                              testing::SancaiRow("木土木", 9, "等级出错"),
                              testing::SancaiRow("木火土", 1, "相生"),
                          });
  }
  TempDir dir_;
  ScopedProgramDirectory program_{dir_.path()};
};

TEST_F(ScoreTest, NumberReadingColumnsByIndex) {
  EXPECT_EQ(NumberReading(12, 0), "薄弱无力 ");  // untrimmed
  EXPECT_EQ(NumberReading(12, 1), "(凶)");
  EXPECT_EQ(NumberReading(12, 2), "挫折之数");
  EXPECT_EQ(NumberReading(12, 3), "长文");
  EXPECT_EQ(NumberReading(12, 4), "");
  EXPECT_EQ(NumberReading(12, -1), "");
  // A number without a row reads as one blank, whatever the column.
  for (int field : {0, 1, 2, 3, 7}) EXPECT_EQ(NumberReading(82, field), " ") << field;
}

TEST_F(ScoreTest, TalentPointsFromTheStoredGrade) {
  EXPECT_EQ(TalentPoints("木火火"), 18);
  EXPECT_EQ(TalentPoints("木火土"), 20);
  EXPECT_EQ(TalentPoints("木土木"), -1);  // a grade outside 1-7
  EXPECT_EQ(TalentPoints("水水水"), -1);  // no row
  EXPECT_EQ(TalentPoints("木'火"), -1);   // quoted: a quote is no failure
}

TEST_F(ScoreTest, ComputedScoreWhenNoCombinationIsStored) {
  FiveGrids grids = ComputeFiveGrids("张", "三");
  ASSERT_EQ(grids, (FiveGrids{12, 4, 14, 14, 2}));
  EXPECT_EQ(ComputedScore(grids, 0), 56);  // 7 + 7 + 21 + 14 + 7
  EXPECT_EQ(NameScore("张", "三", grids, ThreeTalents(grids)), 56 + 18);
  // Without a sancai row the talents take one point away.
  EXPECT_EQ(NameScore("张", "三", grids, "水水水"), 55);
  // A grid of 6 everywhere: 8.5 three times, 25.5 and 17.
  EXPECT_EQ(ComputedScore(FiveGrids{6, 6, 6, 6, 6}, 20), 88);
  EXPECT_EQ(ComputedScore(FiveGrids{6, 1, 1, 1, 1}, 20), 98.5);
}

TEST_F(ScoreTest, StoredCombinationScoreWins) {
  FiveGrids grids = ComputeFiveGrids("张", "三");
  const std::string talents = ThreeTalents(grids);
  struct Case {
    int stored;
    double score;
  } cases[] = {
      {95, 95},          // higher than the computed 74
      {40, 40},          // lower: still the stored one, unchanged
      {100, 100},        // the top of the scale
      {130, 74},         // above 100: no score at all, so the point rules decide
      {0, 74},           // a stored 0 is no score
  };
  for (const Case& c : cases) {
    std::vector<std::string> rows = testing::WordRows();
    rows.push_back(testing::ZhRow(11, 0, 3, 0, c.stored));
    CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, rows);
    EXPECT_EQ(NameScore("张", "三", grids, talents), c.score) << c.stored;
  }
}

TEST_F(ScoreTest, CombinationReadFromTheFirstFourBytesOfEachName) {
  std::vector<std::string> rows = testing::WordRows();
  rows.push_back(testing::ZhRow(15, 17, 8, 14, 91));
  rows.push_back(testing::ZhRow(11, 0, 8, 0, 77));
  CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, rows);
  EXPECT_EQ(NameScore("欧阳", "明华", FiveGrids{}, "木火火"), 91);
  EXPECT_EQ(NameScore("张", "明", FiveGrids{}, "木火火"), 77);
}

TEST_F(ScoreTest, TalentReadingDecodesTheStoredText) {
  data::Query window(data::ConnectionStringFor(data::DatabaseFile::VelFile));
  EXPECT_EQ(TalentReading(window, "木火火"), "木火通明，顺遂。");
  EXPECT_EQ(TalentReading(window, "水水水"), "无结果,请听下回分解");
  EXPECT_EQ(TalentReading("木火火"), "木火通明，顺遂。");
  // The stored text is trimmed before decoding, so blanks and line ends
  // around the hexadecimal pairs do not shift them.
  CreateFixtureDatabase(dir_.path(), data::DatabaseFile::VelFile,
                        {GbkToUtf8("INSERT INTO sancai(title, djc, content) VALUES ('金金金', 3, ' " +
                                   data::EncodeStoredText("金金相映") + "\r\n')")});
  EXPECT_EQ(TalentReading("金金金"), "金金相映");
}

TEST_F(ScoreTest, TalentRecordOrNothing) {
  CreateFixtureDatabase(dir_.path(), data::DatabaseFile::VelFile,
                        {testing::Sancai2009Row({"木火火", " 概要 ", "基础", "(吉)", "成功", "(大吉)", "人际",
                                                 "(半吉)", "性格"})});
  std::optional<TalentRecordRow> row = TalentRecord("木火火");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->yy, " 概要 ");
  EXPECT_EQ(row->jx2, "(大吉)");
  EXPECT_EQ(row->xg, "性格");
  EXPECT_FALSE(TalentRecord("水水水").has_value());
}

TEST_F(ScoreTest, FailingTextLookupsCancelTheCommand) {
  TempDir empty;
  ScopedProgramDirectory program(empty.path());
  EXPECT_THROW(NumberReading(12, 0), CommandCancelled);
  EXPECT_THROW(TalentPoints("木火火"), CommandCancelled);
  EXPECT_THROW(TalentReading("木火火"), CommandCancelled);
  EXPECT_THROW(TalentRecord("木火火"), CommandCancelled);
  data::Query unset;  // a component that was never given its file
  EXPECT_THROW(TalentReading(unset, "木火火"), CommandCancelled);
  // The number look-ups give 0 instead, so the score falls back to the
  // points and then cancels on the talent look-up.
  EXPECT_THROW(NameScore("张", "三", FiveGrids{12, 4, 14, 14, 2}, "木火火"), CommandCancelled);
}

}  // namespace
}  // namespace lumeno::numerology
