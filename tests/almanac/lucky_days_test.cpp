// The auspicious-day search: which days it lists and in what order, over a
// fixture table where each row tests one rule, and over the shipped table,
// where it must agree with a plain reading of every row.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "data/database.h"
#include "fortune/almanac.h"
#include "fortune/almanac_rules.h"
#include "shipped_table.h"
#include "support/fixture_db.h"

namespace lumeno::fortune {
namespace {

using testing::Items;
using testing::ShippedAlmanac;
using testing::U;

std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }
std::string G(const char8_t* utf8) { return Utf8ToGbk(S(utf8)); }

std::string Insert(const char* day, const char8_t* yi, const char8_t* ji) {
  return "INSERT INTO huangdao(gn, yi, ji) VALUES ('" + std::string(day) + "', '" + S(yi) + "', '" + S(ji) + "')";
}

std::vector<std::string> Dates(const std::vector<LuckyDay>& days) {
  std::vector<std::string> out;
  for (const LuckyDay& d : days) out.push_back(FormatDate(d.date));
  return out;
}

class LuckyDaysFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // Inserted out of date order on purpose.
    testing::CreateFixtureDatabase(
        dir.path(), data::DatabaseFile::VelBirth,
        {Insert("2026-03-04", u8"纳采 订盟 嫁娶", u8"开市"),         // listed
         Insert("2026-03-01", u8"嫁娶 祭祀", u8"开市 安葬"),         // listed
         Insert("2026-03-02", u8"开仓 纳财 嫁娶嫁娶", u8""),          // 嫁娶 only inside another item
         Insert("2026-03-03", u8"嫁娶 出行", u8"安葬 嫁娶"),         // 忌 holds it too
         Insert("2026-03-05", u8" 嫁娶 ", u8"诸事不宜"),              // 宜 names it; 忌 says nothing suits
         Insert("2026-03-06", u8"诸事不宜", u8"嫁娶"),                // not in 宜
         Insert("2026-03-08", u8"嫁娶", u8""),                        // beyond a seven-day span
         Insert("2012-05-01", u8"祭祀 沐浴", u8"嫁娶 开市"),
         Insert("2024-02-10", u8"祭祀", u8""),
         Insert("2100-12-30", u8"祭祀", u8""),
         Insert("2100-12-31", u8"祭祀", u8"")});
  }
  std::vector<LuckyDay> Find(const char8_t* activity, const char* from, int days) {
    return FindLuckyDays(data::ConnectionStringFor(data::DatabaseFile::VelBirth), G(activity), ParseDate(from), days);
  }

  testing::TempDir dir{"lumeno-jiri"};
  testing::ScopedProgramDirectory programDirectory{dir.path()};
};

TEST_F(LuckyDaysFixture, ListsTheDaysWhoseYiHoldsTheActivityAndWhoseJiDoesNotInDateOrder) {
  EXPECT_EQ(Dates(Find(u8"嫁娶", "2026-03-01", 7)),
            (std::vector<std::string>{"2026-03-01", "2026-03-04", "2026-03-05"}));
  EXPECT_EQ(Dates(Find(u8"嫁娶", "2026-03-01", 8)),
            (std::vector<std::string>{"2026-03-01", "2026-03-04", "2026-03-05", "2026-03-08"}));
  EXPECT_EQ(Dates(Find(u8"纳财", "2026-03-01", 8)), std::vector<std::string>{"2026-03-02"});
  // Part of an item is no activity.
  EXPECT_TRUE(Find(u8"仓", "2026-03-01", 8).empty());
}

TEST_F(LuckyDaysFixture, TheSpanStartsOnItsFirstDayAndEndsWithItsLast) {
  EXPECT_EQ(Dates(Find(u8"嫁娶", "2026-03-04", 1)), std::vector<std::string>{"2026-03-04"});
  EXPECT_EQ(Dates(Find(u8"嫁娶", "2026-03-02", 3)), std::vector<std::string>{"2026-03-04"});
  EXPECT_TRUE(Find(u8"嫁娶", "2026-03-02", 2).empty());
  EXPECT_TRUE(Find(u8"嫁娶", "2026-03-01", 0).empty());
  EXPECT_TRUE(Find(u8"嫁娶", "2026-03-01", -5).empty());
  // A span reaching past the last day of the almanac ends there.
  EXPECT_EQ(Dates(Find(u8"祭祀", "2100-12-30", 365)), (std::vector<std::string>{"2100-12-30", "2100-12-31"}));
}

TEST_F(LuckyDaysFixture, EachDayComesWithItsLunarDateWeekdayPillarClashAndPath) {
  const std::vector<LuckyDay> black = Find(u8"祭祀", "2012-05-01", 1);
  ASSERT_EQ(black.size(), 1u);
  EXPECT_EQ(black[0].lunar, G(u8"农历四月十一"));
  EXPECT_EQ(black[0].weekday, G(u8"星期二"));
  EXPECT_EQ(black[0].pillar, G(u8"壬戌"));
  EXPECT_EQ(black[0].clash, G(u8"冲龙(丙辰)煞北"));
  EXPECT_EQ(black[0].dayGod, G(u8"白虎黑道日"));
  EXPECT_FALSE(black[0].yellowPath);

  const std::vector<LuckyDay> yellow = Find(u8"祭祀", "2024-02-10", 1);
  ASSERT_EQ(yellow.size(), 1u);
  EXPECT_EQ(yellow[0].lunar, G(u8"农历正月初一"));
  EXPECT_EQ(yellow[0].pillar, G(u8"甲辰"));
  EXPECT_EQ(yellow[0].dayGod, G(u8"金匮黄道日"));
  EXPECT_TRUE(yellow[0].yellowPath);
}

TEST(ListHolds, MatchesWholeItemsOnly) {
  const struct {
    const char8_t* list;
    const char8_t* activity;
    bool holds;
  } kCases[] = {
      {u8"祭祀 嫁娶 开市", u8"嫁娶", true},  {u8"嫁娶", u8"嫁娶", true},
      {u8"  嫁娶  ", u8"嫁娶", true},        {u8"开仓 纳财", u8"仓", false},
      {u8"修门 安门", u8"门", false},        {u8"造仓", u8"开仓", false},
      {u8"", u8"嫁娶", false},               {u8"嫁娶", u8"", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(ListHolds(G(c.list), G(c.activity)), c.holds) << S(c.list) << " / " << S(c.activity);
}

// ---- The shipped table ----

std::string VelBirth() { return data::ConnectionStringFor(data::DatabaseFile::VelBirth); }

TEST(LuckyDaysShipped, SearchListsExactlyTheQualifyingDaysInOrder) {
  const auto& rows = ShippedAlmanac();
  ASSERT_EQ(rows.size(), 73049u);
  for (const char8_t* activity : {u8"嫁娶", u8"入学", u8"祭祀", u8"安门"}) {
    for (const char* from : {"1901-01-01", "2026-01-01", "2100-06-01"}) {
      SCOPED_TRACE(S(activity) + " from " + from);
      std::vector<std::string> expected;
      const std::string first = FormatDate(ParseDate(from)), last = FormatDate(ParseDate(from) + 364);
      for (const auto& r : rows) {
        if (r.gn < first || r.gn > last) continue;
        const std::vector<std::string> yi = Items(r.yi), ji = Items(r.ji);
        if (std::count(yi.begin(), yi.end(), S(activity)) && !std::count(ji.begin(), ji.end(), S(activity)))
          expected.push_back(r.gn);
      }
      EXPECT_FALSE(expected.empty());
      EXPECT_EQ(Dates(FindLuckyDays(VelBirth(), G(activity), ParseDate(from), 365)), expected);
    }
  }
}

TEST(LuckyDaysShipped, ActivitiesAreThoseOfTheYiColumn) {
  const std::vector<std::string> activities = AlmanacActivities(VelBirth());
  ASSERT_FALSE(activities.empty());
  EXPECT_TRUE(std::is_sorted(activities.begin(), activities.end()));
  EXPECT_EQ(std::adjacent_find(activities.begin(), activities.end()), activities.end());
  std::set<std::string> offered;
  for (const std::string& a : activities) offered.insert(U(a));
  for (const char8_t* notActivity : {u8"馀事勿取", u8"诸事不宜", u8"无"}) EXPECT_FALSE(offered.count(S(notActivity)));
  std::set<std::string> inYi;
  for (const auto& r : ShippedAlmanac())
    for (const std::string& item : Items(r.yi)) inYi.insert(item);
  for (const char8_t* notActivity : {u8"馀事勿取", u8"诸事不宜", u8"无"}) inYi.erase(S(notActivity));
  EXPECT_EQ(offered, inYi);
}

TEST(LuckyDaysShipped, EveryLuckyDayCommandFindsDaysWithinAYearFromAnyDay) {
  const std::vector<std::string> activities = AlmanacActivities(VelBirth());
  for (const LuckyDayCommand& c : LuckyDayCommands) {
    const std::string activity(c.activity);
    SCOPED_TRACE(U(activity));
    EXPECT_EQ(std::string(c.caption), activity + "吉日");
    EXPECT_TRUE(std::count(activities.begin(), activities.end(), activity));
  }
  // No stretch of a year goes without a good day for any of them (入学,
  // the rarest, waits about half a year at the longest), so a command that
  // finds nothing in its first span always finds days in 365.
  std::vector<std::string> activities8;
  for (const LuckyDayCommand& c : LuckyDayCommands) activities8.push_back(U(std::string(c.activity)));
  std::vector<DateValue> last(activities8.size(), AlmanacFirstDay() - 1);
  std::vector<int> longest(activities8.size(), 0);
  for (const auto& r : ShippedAlmanac()) {
    const std::vector<std::string> yi = Items(r.yi), ji = Items(r.ji);
    const DateValue day = ParseDate(r.gn);
    for (std::size_t i = 0; i < activities8.size(); ++i) {
      if (!std::count(yi.begin(), yi.end(), activities8[i]) || std::count(ji.begin(), ji.end(), activities8[i])) continue;
      longest[i] = std::max(longest[i], static_cast<int>(day - last[i]) - 1);
      last[i] = day;
    }
  }
  for (std::size_t i = 0; i < activities8.size(); ++i) {
    longest[i] = std::max(longest[i], static_cast<int>(AlmanacLastDay() - last[i]));
    EXPECT_LT(longest[i], 365) << activities8[i];
  }
}

}  // namespace
}  // namespace lumeno::fortune
