#include "numerology/grids.h"

#include <gtest/gtest.h>

#include "fixture.h"

namespace lumeno::numerology {
namespace {

using testing::CreateFixtureDatabase;
using testing::ScopedProgramDirectory;
using testing::TempDir;

class GridsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> rows = testing::WordRows();
    rows.push_back(testing::ZhRow(11, 0, 3, 0, 88));
    rows.push_back(testing::ZhRow(15, 17, 8, 14, 93));
    rows.push_back(testing::ZhRow(11, 0, 8, 0, 0));
    CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, rows);
  }
  TempDir dir_;
  ScopedProgramDirectory program_{dir_.path()};
};

TEST_F(GridsTest, StrokeCountBySimplifiedThenTraditionalForm) {
  struct Case {
    const char* character;
    int strokes;
  } cases[] = {
      {"张", 11}, {"張", 11}, {"龙", 16}, {"龍", 16},  // 龍 exists only in column ft
      {"王", 0},                                       // in neither column
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(LookupStroke(c.character), c.strokes) << GbkToUtf8(c.character);
}

TEST_F(GridsTest, AQuoteInTheTextDoesNotBreakTheQuery) {
  CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz,
                        {"INSERT INTO word(zi, ft, bh) VALUES ('''', '''', 1)"});
  EXPECT_EQ(LookupStroke("'"), 1);
  EXPECT_EQ(LookupStroke("a'"), 0);
}

struct ShapeCase {
  const char* surname;
  const char* given;
  FiveGrids grids;
};

// heaven, earth, person, total, outer
const ShapeCase kShapes[] = {
    {"张", "三", {12, 4, 14, 14, 2}},          // 11 + 3
    {"张", "明华", {12, 22, 19, 33, 15}},      // 11 + 8 14: outer g2 + 1
    {"欧阳", "明", {32, 9, 25, 40, 16}},       // 15 17 + 8: outer s1 + 1
    {"欧阳", "明华", {32, 22, 25, 54, 30}},    // 15 17 + 8 14: outer s1 + g2 + 1
    {"龍", "龍", {17, 17, 32, 32, 2}},         // a traditional form counts like its simplified one
    {"王", "三", {1, 4, 3, 3, 2}},             // an unlisted surname counts 0 strokes
    {"欧阳", "王王", {32, 0, 17, 32, 16}},     // unlisted given characters
};

TEST_F(GridsTest, EveryShapeOfName) {
  for (const ShapeCase& c : kShapes) {
    std::string name = GbkToUtf8(std::string(c.surname) + c.given);
    EXPECT_EQ(ComputeFiveGrids(c.surname, c.given), c.grids) << name;
    for (GridKind kind : kAllGridKinds)
      EXPECT_EQ(ComputeGrid(c.surname, c.given, kind), c.grids[kind]) << name << " kind " << static_cast<int>(kind);
  }
}

TEST_F(GridsTest, OneCharacterEachAlwaysHasOuterGridTwo) {
  for (const char* s : {"张", "欧", "龙", "王"})
    for (const char* g : {"三", "华", "阳", "王"}) EXPECT_EQ(ComputeGrid(s, g, GridKind::Outer), 2);
}

TEST_F(GridsTest, KindsOutsideTheFiveGiveZero) {
  for (int kind : {-1, 5, 100}) EXPECT_EQ(ComputeGrid("张", "三", kind), 0) << kind;
}

TEST_F(GridsTest, CachedCountsGiveTheSameGrids) {
  StrokeCache cache;
  for (const ShapeCase& c : kShapes)
    EXPECT_EQ(ComputeFiveGrids(c.surname, c.given, &cache), c.grids) << GbkToUtf8(std::string(c.surname) + c.given);
  // One entry per distinct text looked up, however many grids asked for it.
  EXPECT_LE(cache.size(), 12u);
  // Within a command the remembered count is used, even if the file went.
  CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, {});
  EXPECT_EQ(LookupStroke("张", &cache), 11);
  EXPECT_EQ(LookupStroke("张"), 0);
}

TEST_F(GridsTest, GridsOfStrokeCountsMatchGridsOfNames) {
  // Table zh is generated from stroke counts; its grids must be the ones the
  // report computes from the characters.
  struct Case {
    const char* surname;
    const char* given;
    int s1, s2, g1, g2;
  } cases[] = {
      {"张", "三", 11, 0, 3, 0},
      {"张", "明华", 11, 0, 8, 14},
      {"欧阳", "明", 15, 17, 8, 0},
      {"欧阳", "明华", 15, 17, 8, 14},
      {"李", "龙", 7, 0, 16, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FiveGridsOfStrokes(c.s1, c.s2, c.g1, c.g2), ComputeFiveGrids(c.surname, c.given))
        << GbkToUtf8(std::string(c.surname) + c.given);
}

TEST_F(GridsTest, MissingDatabaseCountsZeroStrokes) {
  TempDir empty;
  ScopedProgramDirectory program(empty.path());
  EXPECT_EQ(LookupStroke("张"), 0);
  EXPECT_EQ(ComputeFiveGrids("张", "三"), (FiveGrids{1, 1, 0, 0, 2}));
  EXPECT_EQ(LookupComboScore("张", "", "三", ""), 0);
}

TEST_F(GridsTest, ComboScoreByTheFourStrokeCounts) {
  EXPECT_EQ(LookupComboScore("张", "", "三", ""), 88);
  EXPECT_EQ(LookupComboScore("欧", "阳", "明", "华"), 93);
  EXPECT_EQ(LookupComboScore("张", "", "明", ""), 0);    // a stored 0
  EXPECT_EQ(LookupComboScore("张", "", "明", "华"), 0);  // no row
  EXPECT_EQ(LookupComboScore("張", "", "三", ""), 88);   // strokes of the traditional form
}

TEST(GridElement, ByLastDigit) {
  struct Case {
    int number;
    const char* element;
  } cases[] = {
      {1, "木"},  {2, "木"},  {3, "火"},  {4, "火"},  {5, "土"},  {6, "土"},   {7, "金"},  {8, "金"},
      {9, "水"},  {10, "水"}, {20, "水"}, {30, "水"}, {11, "木"}, {0, "水"},   {82, "木"}, {117, "金"},
      {-3, ""},   {-19, ""},  {-10, "水"},  // truncating remainder: -10 leaves 0
  };
  for (const Case& c : cases) EXPECT_EQ(GridElement(c.number), c.element) << c.number;
}

TEST(ThreeTalents, HeavenPersonEarthInThatOrder) {
  EXPECT_EQ(ThreeTalents(12, 14, 4), "木火火");
  EXPECT_EQ(ThreeTalents(FiveGrids{32, 22, 25, 54, 30}), "木土木");
  EXPECT_EQ(ThreeTalents(5, 7, 9), "土金水");
  EXPECT_EQ(ThreeTalents(-1, 7, 9), "金水");
}

}  // namespace
}  // namespace lumeno::numerology
