// What the naming engine takes from places it cannot trust: a stroke count
// of a damaged table is a failed look-up (0), as in the name analysis, and
// typed fields that are none are messages for the user.
#include <gtest/gtest.h>

#include "core/gbk.h"
#include "data/database.h"
#include "data/query.h"
#include "core/error.h"
#include "naming/birth_elements.h"
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

namespace lumeno::naming {
namespace {

// What the naming window's fields may hold when typed: a minimum score or an
// hour that is none is an input message for the user (InvalidInput, which
// the windows show through the information box), not the general error box.
TEST(TypedFields, MinimumScoreAndHourThatAreNoneAreInputMessages) {
  NamingSettings settings;
  settings.minScoreOn = true;
  settings.minScore = "八十";
  try {
    CombinationQueryLines(settings, "张", 11, 0, FixedStrokes{});
    ADD_FAILURE() << "no error";
  } catch (const InvalidInput& e) {
    EXPECT_EQ(GbkToUtf8(e.UserMessage()), GbkToUtf8("最低分“八十”不是有效的数字，请填写一个整数!"));
  }
  BirthFields birth;
  birth.sex = "男";
  birth.year = "1984";
  birth.month = "2";
  birth.day = "4";
  birth.hourItem = "女";
  birth.minute = "0";
  try {
    BirthElementBalance(birth);
    ADD_FAILURE() << "no error";
  } catch (const InvalidInput& e) {
    EXPECT_EQ(GbkToUtf8(e.UserMessage()), GbkToUtf8("时辰“女”无效，请选择0到23点中的一个时辰!"));
  }
}

}  // namespace
}  // namespace lumeno::naming
