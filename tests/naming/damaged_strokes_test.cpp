// The naming window's own stroke look-up over a damaged table: a value that
// is no stroke count is a failed look-up (0), as in the name analysis.
#include <gtest/gtest.h>

#include "core/gbk.h"
#include "data/database.h"
#include "data/query.h"
#include "naming/combination.h"
#include "support/fixture_db.h"

namespace lumeno::naming {
namespace {

TEST(WindowStrokeCount, ValuesThatAreNoStrokeCountGiveZero) {
  struct Case {
    const char* bh;
    int strokes;
  } cases[] = {{"11", 11}, {"2147483647", 0}, {"-3", 0}, {"'x'", 0}, {"1e300", 0}, {"65", 0}, {"64", 64}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bh);
    lumeno::testing::TempDir dir;
    lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz,
                                           {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', ") + c.bh + ")"});
    lumeno::testing::ScopedProgramDirectory program(dir.path());
    data::Query query(data::OwnRorurozConnectionString());
    EXPECT_EQ(WindowStrokeCount(query, "张"), c.strokes);
  }
}

}  // namespace
}  // namespace lumeno::naming
