// Stroke counts and stored scores that a damaged table holds: each counts as
// a failed look-up (0), and no grid sum can overflow.
#include <gtest/gtest.h>

#include "numerology/grids.h"
#include "numerology/score.h"
#include "fixture.h"

namespace lumeno::numerology {
namespace {

TEST(DamagedStrokeCounts, CountAsAFailedLookUp) {
  struct Case {
    const char* bh;  // SQL literal stored for 张
    int strokes;
  };
  const Case cases[] = {
      {"11", 11},         {"2147483647", 0}, {"-2147483648", 0}, {"9223372036854775807", 0}, {"1e300", 0},
      {"'abc'", 0},       {"''", 0},         {"NULL", 0},        {"0", 0},                   {"65", 0},
      {"64", 64},         {"'12'", 12},      {"11.6", 12},       {"-1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bh);
    testing::TempDir dir;
    testing::CreateFixtureDatabase(
        dir.path(), data::DatabaseFile::Roruroz,
        {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', ") + c.bh + ")",
         GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('三', '三', 3)")});
    testing::ScopedProgramDirectory program(dir.path());
    EXPECT_EQ(LookupStroke("张"), c.strokes);
    // Under the sanitizers an overflow in a grid sum stops the test.
    const FiveGrids g = ComputeFiveGrids("张", "三");
    EXPECT_EQ(g.heaven, c.strokes + 1);
    EXPECT_EQ(g.total, c.strokes + 3);
    EXPECT_EQ(g.outer, 2);
  }
}

TEST(DamagedStrokeCounts, TwoCharacterNamesAtTheLargestCountStayExact) {
  testing::TempDir dir;
  testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz,
                                 {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('欧', '歐', 2147483647)"),
                                  GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('阳', '陽', 64)"),
                                  GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('明', '明', 64)")});
  testing::ScopedProgramDirectory program(dir.path());
  const FiveGrids g = ComputeFiveGrids("欧阳", "明明");
  EXPECT_EQ(g.heaven, 64);
  EXPECT_EQ(g.total, 192);
  EXPECT_EQ(g.person, 128);
  EXPECT_EQ(g.outer, 65);
}

TEST(DamagedStoredScores, FallBackToThePointRules) {
  for (const char* zf : {"2147483647", "101", "-5", "'x'", "1e300"}) {
    SCOPED_TRACE(zf);
    testing::TempDir dir;
    std::vector<std::string> rows = testing::WordRows();
    rows.push_back(std::string("INSERT INTO zh(bh11, bh12, bh21, bh22, zf) VALUES (11, 0, 3, 0, ") + zf + ")");
    testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz, rows);
    testing::ScopedProgramDirectory program(dir.path());
    EXPECT_EQ(LookupComboScore("张", "", "三", ""), 0);
  }
}

}  // namespace
}  // namespace lumeno::numerology
