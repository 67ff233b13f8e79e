#include <gtest/gtest.h>

#include "core/gbk.h"
#include "data/query.h"
#include "support/fixture_db.h"

namespace lumeno::data {
namespace {

TEST(FixtureDatabase, StrokeLookupFindsARow) {
  testing::TempDir dir;
  testing::CreateFixtureDatabase(dir.path(), DatabaseFile::Roruroz,
                                 {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)")});
  testing::ScopedProgramDirectory program(dir.path());
  ResultSet r = RunQuery(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '张'");
  ASSERT_EQ(r.RecordCount(), 1);
  EXPECT_EQ(r.First("bh").AsInt(), 11);
}

}  // namespace
}  // namespace lumeno::data
