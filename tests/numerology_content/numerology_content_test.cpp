// The shipped databases as the name engine reads them: table zh against the
// point rules, sancai against the grade rule, and a name through them all.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "core/gbk.h"
#include "core/pane.h"
#include "core/text.h"
#include "data/info.h"
#include "data/query.h"
#include "numerology/combo_table.h"
#include "numerology/grids.h"
#include "numerology/name_report.h"
#include "numerology/score.h"
#include "triples.h"

namespace lumeno::numerology {
namespace {

int StoredScore(int s1, int s2, int g1, int g2) {
  return data::RunQuery(data::DatabaseFile::Roruroz,
                        StrFormat("select  top 1 zf from zh where bh11 = %d and bh12 = %d and bh21 = %d and bh22 = %d ",
                                  s1, s2, g1, g2))
      .First("zf")
      .AsInt();
}

// A fixed spread of combinations of every kind, the corners included.
struct Combo {
  int s1, s2, g1, g2;
};
std::vector<Combo> SampleCombos() {
  std::vector<Combo> out = {{1, 0, 1, 0},   {32, 0, 24, 0},   {1, 0, 1, 1},   {32, 0, 24, 24},
                            {1, 1, 1, 0},   {32, 32, 24, 0},  {1, 1, 1, 1},   {32, 32, 24, 24},
                            {11, 0, 3, 0},  {15, 17, 8, 14}};
  std::uint32_t x = 12345;
  auto next = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return static_cast<int>((x >> 16) % static_cast<std::uint32_t>(n)) + 1;
  };
  for (int i = 0; i < 120; ++i) {
    const int kind = kComboKinds[i % 4];
    out.push_back({next(32), kind / 10 == 2 ? next(32) : 0, next(24), kind % 10 == 2 ? next(24) : 0});
  }
  return out;
}

TEST(NumerologyContent, StoredScoresAreTheComputedScores) {
  for (const Combo& c : SampleCombos()) {
    const FiveGrids grids = FiveGridsOfStrokes(c.s1, c.s2, c.g1, c.g2);
    // The talent points as the report reads them from the shipped sancai.
    const double computed = ComputedScore(grids, TalentPoints(ThreeTalents(grids)));
    EXPECT_EQ(StoredScore(c.s1, c.s2, c.g1, c.g2), static_cast<int>(std::floor(computed)))
        << c.s1 << "," << c.s2 << "," << c.g1 << "," << c.g2;
  }
  // Beyond the table's strokes there is no row, and the score is computed.
  EXPECT_EQ(StoredScore(33, 0, 1, 0), 0);
  EXPECT_EQ(StoredScore(1, 0, 25, 0), 0);
}

TEST(NumerologyContent, NamingQueriesFindTheBestCombinationsOfOneSurname) {
  struct Case {
    const char* sql;
    int kind, s1, s2;
    int rows;
    bool female;
  } cases[] = {
      {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 11 ",
       12, 11, 0, 20, false},
      {"select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 and bh11 = 7 ",
       11, 7, 0, 24, false},  // a one-character given name has 24 combinations
      {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 15 and "
       "bh12 = 17  and xb = '女' ",
       22, 15, 17, 20, true},
      {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 15 and "
       "bh12 = 17  and xb = '男' ",
       22, 15, 17, 20, false},
      {"select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 21 and bh11 = 8 and "
       "bh12 = 12  and (xb = '女' or xb = '0') ",
       21, 8, 12, -1, true},
  };
  for (const Case& c : cases) {
    data::ResultSet r = data::RunQuery(data::DatabaseFile::Roruroz,
                                       std::string(c.sql) + " and zf >= 60  order by jxjx asc,zf asc");
    SCOPED_TRACE(c.sql);
    if (c.rows >= 0) {
      EXPECT_EQ(r.RecordCount(), c.rows);
    }
    ASSERT_GT(r.RecordCount(), 0);
    // The best score the surname can have (for that sex) comes first.
    double best = 0;
    for (int g1 = 1; g1 <= 24; ++g1)
      for (int g2 = 0; g2 <= (c.kind % 10 == 2 ? 24 : 0); ++g2) {
        if (c.kind % 10 == 2 && g2 == 0) continue;
        if (c.female && TooForcefulForWoman(FiveGridsOfStrokes(c.s1, c.s2, g1, g2))) continue;
        best = std::max(best, ComboExactScore(c.s1, c.s2, g1, g2));
      }
    EXPECT_EQ(r.At(0, "zf").AsInt(), static_cast<int>(std::floor(best)));
    for (int i = 0; i < r.RecordCount(); ++i) {
      const FiveGrids grids =
          FiveGridsOfStrokes(c.s1, c.s2, r.At(i, "bh21").AsInt(), r.At(i, "bh22").AsInt());
      EXPECT_GE(r.At(i, "zf").AsInt(), 60);
      if (i > 0) {
        EXPECT_LE(r.At(i, "zf").AsInt(), r.At(i - 1, "zf").AsInt());
      }
      if (c.female) {
        EXPECT_FALSE(TooForcefulForWoman(grids)) << i;
      }
    }
  }
}

TEST(NumerologyContent, EveryTripleHasItsGradeAndReadings) {
  data::Query window(data::ConnectionStringFor(data::DatabaseFile::VelFile));
  for (const std::string& t : AllTriples()) {
    SCOPED_TRACE(GbkToUtf8(t));
    data::ResultSet r =
        data::RunQuery(data::DatabaseFile::VelFile, "Select djc from sancai where title = " + QuotedSql(t) + " ");
    ASSERT_EQ(r.RecordCount(), 1);
    EXPECT_EQ(r.First(0).AsInt(), SancaiGrade(t));
    const std::string reading = TalentReading(window, t);
    EXPECT_NE(reading, "无结果,请听下回分解");
    EXPECT_FALSE(Trim(reading).empty());
    // Decoded text is well-formed GBK: it survives a round trip unchanged.
    EXPECT_EQ(Utf8ToGbk(GbkToUtf8(reading)), reading);
    EXPECT_EQ(GbkToUtf8(reading).find("\xEF\xBF\xBD"), std::string::npos);
    std::optional<TalentRecordRow> record = TalentRecord(t);
    ASSERT_TRUE(record.has_value());
    EXPECT_FALSE(Trim(record->yy).empty());
  }
}

bool WordTableIsEmpty() {
  return data::RunQuery(data::DatabaseFile::Roruroz, "select top 1 bh from word").IsEmpty();
}

TEST(NumerologyContent, ZhangSanThroughTheShippedDatabases) {
  if (WordTableIsEmpty()) GTEST_SKIP() << "the shipped word table is still empty";
  EXPECT_EQ(LookupStroke("张"), 11);
  EXPECT_EQ(LookupStroke("三"), 3);
  const FiveGrids grids = ComputeFiveGrids("张", "三");
  EXPECT_EQ(grids, (FiveGrids{12, 4, 14, 14, 2}));
  EXPECT_EQ(ThreeTalents(grids), "木火火");
  EXPECT_EQ(NameScore("张", "三", grids, ThreeTalents(grids)), 74);

  data::RecordingInfoSink messages;
  data::ScopedInfoSink sink(&messages);
  data::Query window(data::ConnectionStringFor(data::DatabaseFile::VelFile));
  NameInputs in{"张", "三", "男", "1980", "1", "1", "子 0", "0", 0};
  AnalysisState state;
  MemoryPane pane;
  RunNameAnalysis(in, state, pane, 2024, false, window);
  EXPECT_TRUE(messages.messages.empty());
  // 17 lines, the three-talent section of 7, 10 suggestion lines and 5 more.
  ASSERT_EQ(pane.lines.size(), 17u + 7u + 1u + 10u + 4u);
  EXPECT_EQ(pane.lines[5], "综合评分: 74分");
  EXPECT_EQ(pane.lines[7], "【天格12的解析】：天格数是先祖留传下来的，其数理对人影响不大。");
  for (std::size_t i : {8u, 10u, 12u, 14u, 16u}) EXPECT_GT(Trim(pane.lines[i]).size(), 4u) << "reading line " << i;
}

}  // namespace
}  // namespace lumeno::numerology
