// The almanac window's 测算 as a plain operation, over a fixture VelBirth.dll:
// the checks of the typed date and their messages, the result lines, and what
// a look-up without a row leaves alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/gbk.h"
#include "data/database.h"
#include "data/info.h"
#include "fortune/almanac.h"
#include "support/fixture_db.h"

namespace lumeno::fortune {
namespace {

std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }
std::string G(const char8_t* utf8) { return Utf8ToGbk(S(utf8)); }

// One fixture row; the values carry blanks around them, as typed data might.
std::string Row(const std::string& day, const std::string& tag) {
  return "INSERT INTO huangdao VALUES ('" + day + "', ' " + tag + S(u8"概览 ', ' 岁次") + tag + S(u8" ', '胎神") + tag +
         S(u8"', '五行") + tag + S(u8"', '冲") + tag + S(u8"', '彭祖") + tag + S(u8"', '吉神") + tag + S(u8"', '宜") +
         tag + S(u8"', '凶神") + tag + S(u8"', ' 忌") + tag + " ')";
}

class AlmanacLookUp : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::VelBirth,
                                   {Row("2012-05-01", "A"), Row("2012-02-29", "B")});
    query.SetConnectionString(data::ConnectionStringFor(data::DatabaseFile::VelBirth));
  }
  AlmanacOutcome LookUp(const std::string& y, const std::string& m, const std::string& d) {
    return LookUpAlmanacDay(y, m, d, query, overview, pane);
  }

  testing::TempDir dir{"lumeno-almanac"};
  testing::ScopedProgramDirectory programDirectory{dir.path()};
  data::RecordingInfoSink info;
  data::ScopedInfoSink scopedInfo{&info};
  data::Query query;
  std::string overview;
  MemoryPane pane;
};

TEST_F(AlmanacLookUp, WritesTheOverviewAndOneLinePerColumn) {
  ASSERT_EQ(LookUp("2012", "05", "01"), AlmanacOutcome::Shown);
  EXPECT_EQ(overview, G(u8"2012-05-01  A概览"));
  const std::vector<std::string> want = {
      G(u8"岁次:岁次A"), "", G(u8"每日胎神占方:胎神A"), "", G(u8"五行:五行A"), "", G(u8"冲:冲A"), "",
      G(u8"彭祖百忌:彭祖A"), "", G(u8"吉神宜趋:吉神A"), "", G(u8"宜:宜A"), "", G(u8"凶神宜忌:凶神A"), "",
      G(u8"忌:忌A")};
  EXPECT_EQ(pane.lines, want);
  EXPECT_TRUE(info.messages.empty());
}

TEST_F(AlmanacLookUp, AMonthWithoutItsZeroIsLookedUpAndShownAsTyped) {
  ASSERT_EQ(LookUp(" 2012 ", "5", "1"), AlmanacOutcome::Shown);
  EXPECT_EQ(query.Sql(), "Select top 1 * from huangdao where gn = #2012-5-1#");
  EXPECT_EQ(overview, G(u8"2012-5-1  A概览"));
}

TEST_F(AlmanacLookUp, TheFirstMissingOrImpossiblePartIsReportedAndNothingChanges) {
  const struct {
    const char8_t* y;
    const char* m;
    const char* d;
    const char8_t* message;
    AlmanacOutcome outcome;
  } kCases[] = {
      {u8"", "05", "01", u8"请选择年!", AlmanacOutcome::YearMissing},
      {u8"  ", "", "", u8"请选择年!", AlmanacOutcome::YearMissing},
      // The day is not examined while the month is missing.
      {u8"2012", "", "xx", u8"请选择月!", AlmanacOutcome::MonthMissing},
      {u8"2012", " ", "01", u8"请选择月!", AlmanacOutcome::MonthMissing},
      {u8"2012", "05", "", u8"请选择日!", AlmanacOutcome::DayMissing},
      {u8"2013", "02", "29", u8"请选择有效的日期!", AlmanacOutcome::InvalidDate},
      {u8"2012", "13", "01", u8"请选择有效的日期!", AlmanacOutcome::InvalidDate},
      {u8"2012", "04", "31", u8"请选择有效的日期!", AlmanacOutcome::InvalidDate},
      {u8"2012", "05", "1#", u8"请选择有效的日期!", AlmanacOutcome::InvalidDate},
      {u8"2012", "05", "01' or '1'='1", u8"请选择有效的日期!", AlmanacOutcome::InvalidDate},
      {u8"二零一二", "05", "01", u8"请选择有效的日期!", AlmanacOutcome::InvalidDate},
  };
  ASSERT_EQ(LookUp("2012", "05", "01"), AlmanacOutcome::Shown);
  const std::string shownOverview = overview;
  const std::vector<std::string> shownLines = pane.lines;
  for (const auto& c : kCases) {
    SCOPED_TRACE(S(c.y) + "|" + c.m + "|" + c.d);
    info.messages.clear();
    query.ClearSql();
    EXPECT_EQ(LookUp(G(c.y), c.m, c.d), c.outcome);
    EXPECT_EQ(info.messages, std::vector<std::string>{G(c.message)});
    EXPECT_EQ(query.Sql(), "") << "no query runs for a date that failed its check";
    EXPECT_EQ(overview, shownOverview);
    EXPECT_EQ(pane.lines, shownLines);
  }
}

TEST_F(AlmanacLookUp, LeapDayPassesTheCheckAndIsLookedUp) {
  ASSERT_EQ(LookUp("2012", "02", "29"), AlmanacOutcome::Shown);
  EXPECT_EQ(overview, G(u8"2012-02-29  B概览"));
}

TEST_F(AlmanacLookUp, ADayWithoutARowKeepsTheFormerResultAndSaysNothing) {
  ASSERT_EQ(LookUp("2012", "05", "01"), AlmanacOutcome::Shown);
  const std::vector<std::string> shown = pane.lines;
  // A typed year outside the window's list is accepted and looked up.
  EXPECT_EQ(LookUp("1999", "05", "01"), AlmanacOutcome::NoEntry);
  EXPECT_EQ(query.Sql(), "Select top 1 * from huangdao where gn = #1999-05-01#");
  EXPECT_EQ(overview, G(u8"2012-05-01  A概览"));
  EXPECT_EQ(pane.lines, shown);
  EXPECT_TRUE(info.messages.empty());
}

TEST_F(AlmanacLookUp, GlossaryHasItsThirtyTwoTermsInOrder) {
  const std::vector<std::string> lines = AlmanacGlossaryLines();
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines.front(), G(u8"嫁娶 ：男娶女嫁，举行结婚大典的吉日"));
  EXPECT_EQ(lines[11], G(u8"破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即“破土”属阴宅，“动土”属阳宅也。"
                         u8"现今社会上多已滥用属阴宅择日时属阴宅须辨别之。"));
  EXPECT_EQ(lines[16], G(u8"开市 ：“开业”之意，商品行号开张做生意“开幕典礼”“开工”同。"
                         u8"包括：(1)年头初开始营业或开工等事(2)新设店铺商行或新厂开幕等事"));
  EXPECT_EQ(lines.back(), G(u8"挂匾 ：指悬挂招牌或各种匾额"));
}

}  // namespace
}  // namespace lumeno::fortune
