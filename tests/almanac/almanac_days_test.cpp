// The almanac entries of the shipped table huangdao: days whose entries are
// known from printed almanacs and history (the first and last day of the
// range, days of a 节, lunar new years before and after 立春), and the shape
// of the whole table: one row per day, pillars and officers that move the way
// the tradition moves them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "calendar/names.h"
#include "core/date.h"
#include "fortune/almanac_rules.h"
#include "shipped_table.h"

namespace lumeno::fortune {
namespace {

using testing::AlmanacRow;
using testing::Items;
using testing::ShippedAlmanac;
using testing::ShippedRow;
using testing::U;

std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

// Cycle number of a UTF-8 pillar such as 甲子日 (its first two characters).
int GanZhiCycle(const std::string& utf8) {
  for (int n = 0; n < 60; ++n)
    if (U(calendar::GanZhi::OfCycle(n).Text()) == utf8.substr(0, 6)) return n;
  return -1;
}

struct KnownDay {
  const char* day;
  const char8_t* suici;
  const char8_t* nn;
};

// Year by the lunar new year, month by the 节 (its stem by the year of
// 立春), day by the cycle; lunar date, weekday, day god and officer.
const KnownDay kKnownDays[] = {
    // The first day of the range, before 小寒: still the 子 month of 庚子.
    {"1901-01-01", u8"庚子年 戊子月 己卯日", u8"农历冬月十一 星期二 玉堂黄道日 平日"},
    // The founding of the People's Republic was a 甲子 day.
    {"1949-10-01", u8"己丑年 癸酉月 甲子日", u8"农历八月初十 星期六 司命黄道日 平日"},
    // Lunar new year 1984 came two days before 立春: a 甲子 year whose month
    // is still the 丑 month of the 癸亥 solar-term year.
    {"1984-02-02", u8"甲子年 乙丑月 丙寅日", u8"农历正月初一 星期四 金匮黄道日 除日"},
    // 立春 1984: the 寅 month begins on the day itself.
    {"1984-02-04", u8"甲子年 丙寅月 戊辰日", u8"农历正月初三 星期六 金匮黄道日 满日"},
    {"2000-01-01", u8"己卯年 丙子月 戊午日", u8"农历冬月廿五 星期六 司命黄道日 破日"},
    {"2008-08-08", u8"戊子年 庚申月 庚辰日", u8"农历七月初八 星期五 金匮黄道日 成日"},
    // 立夏 2012 fell on 5 May: the officer repeats on the day of a 节.
    {"2012-05-04", u8"壬辰年 甲辰月 乙丑日", u8"农历四月十四 星期五 玄武黑道日 收日"},
    {"2012-05-05", u8"壬辰年 乙巳月 丙寅日", u8"农历四月十五 星期六 天牢黑道日 收日"},
    // Lunar new year 2023 before 立春: 癸卯 year, 癸丑 month of 壬寅.
    {"2023-01-21", u8"壬寅年 癸丑月 己卯日", u8"农历腊月三十 星期六 天德黄道日 满日"},
    {"2023-01-22", u8"癸卯年 癸丑月 庚辰日", u8"农历正月初一 星期日 白虎黑道日 平日"},
    // 立春 2024 on 4 February, lunar new year six days later.
    {"2024-02-03", u8"癸卯年 乙丑月 丁酉日", u8"农历腊月廿四 星期六 勾陈黑道日 成日"},
    {"2024-02-04", u8"癸卯年 丙寅月 戊戌日", u8"农历腊月廿五 星期日 司命黄道日 成日"},
    {"2024-02-10", u8"甲辰年 丙寅月 甲辰日", u8"农历正月初一 星期六 金匮黄道日 满日"},
    // A leap month.
    {"2020-05-23", u8"庚子年 辛巳月 丙寅日", u8"农历闰四月初一 星期六 天牢黑道日 收日"},
    // The last day of the range.
    {"2100-12-31", u8"庚申年 戊子月 丁未日", u8"农历腊月初一 星期五 勾陈黑道日 危日"},
};

TEST(AlmanacDays, KnownDaysAsAlmanacsPrintThem) {
  for (const KnownDay& k : kKnownDays) {
    SCOPED_TRACE(k.day);
    const AlmanacRow* row = ShippedRow(k.day);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->suici, S(k.suici));
    EXPECT_EQ(row->nn, S(k.nn));
  }
}

TEST(AlmanacDays, AWholeEntryAsAlmanacsPrintIt) {
  // 2012-05-01, a 破 day: good only for breaking down walls and for healing.
  const AlmanacRow* row = ShippedRow("2012-05-01");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->nn, S(u8"农历四月十一 星期二 白虎黑道日 破日"));
  EXPECT_EQ(row->suici, S(u8"壬辰年 甲辰月 壬戌日"));
  EXPECT_EQ(row->tszf, S(u8"仓库栖 外东南"));
  EXPECT_EQ(row->wuhang, S(u8"大海水 破执位"));
  EXPECT_EQ(row->cong, S(u8"冲龙(丙辰)煞北"));
  EXPECT_EQ(row->pzbj, S(u8"壬不汲水更难提防 戌不吃犬作怪上床"));
  EXPECT_EQ(row->yi, S(u8"祭祀 沐浴 解除 破屋 坏垣 求医 治病 馀事勿取"));
  EXPECT_EQ(row->ji, S(u8"嫁娶 开市"));
  EXPECT_EQ(row->xsyq, S(u8"月破 大耗 四击 九空 九坎 九焦 白虎"));

  // Clash, 煞 and the sayings of other stems and branches.
  const struct {
    const char* day;
    const char8_t* tszf;
    const char8_t* cong;
    const char8_t* pzbj;
  } kDays[] = {
      {"2000-01-01", u8"房床碓 外正东", u8"冲鼠(壬子)煞北", u8"戊不受田田主不祥 午不苫盖屋主更张"},
      {"1949-10-01", u8"占门碓 外东南", u8"冲马(戊午)煞南", u8"甲不开仓财物耗散 子不问卜自惹祸殃"},
      {"2008-08-08", u8"碓磨栖 外正西", u8"冲狗(甲戌)煞南", u8"庚不经络织机虚张 辰不哭泣必主重丧"},
      {"2024-02-03", u8"仓库门 房内北", u8"冲兔(辛卯)煞东", u8"丁不剃头头必生疮 酉不会客醉坐颠狂"},
  };
  for (const auto& k : kDays) {
    SCOPED_TRACE(k.day);
    const AlmanacRow* r = ShippedRow(k.day);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->tszf, S(k.tszf));
    EXPECT_EQ(r->cong, S(k.cong));
    EXPECT_EQ(r->pzbj, S(k.pzbj));
  }
}

TEST(AlmanacDays, EveryDayOfTheRangeHasOneCompleteRow) {
  const auto& rows = ShippedAlmanac();
  ASSERT_EQ(rows.size(), 73049u);
  EXPECT_EQ(rows.front().gn, "1901-01-01");
  EXPECT_EQ(rows.back().gn, "2100-12-31");
  DateValue expected = AlmanacFirstDay();
  for (const AlmanacRow& r : rows) {
    ASSERT_EQ(r.gn, FormatDate(expected)) << "a day is missing or doubled";
    expected += 1;
    for (const std::string* text : {&r.nn, &r.suici, &r.tszf, &r.wuhang, &r.cong, &r.pzbj, &r.jsyq, &r.yi, &r.xsyq, &r.ji})
      ASSERT_FALSE(text->empty()) << r.gn;
  }
}

// The month pillar turns on the day of a 节 and on no other day; the day
// pillar moves one step a day; the officer moves one step a day except on
// the day of a 节, where it repeats yesterday's.
TEST(AlmanacDays, PillarsAndOfficersMoveTheTraditionalWay) {
  const std::set<std::string> jie = {U("小寒"), U("立春"), U("惊蛰"), U("清明"), U("立夏"), U("芒种"),
                                     U("小暑"), U("立秋"), U("白露"), U("寒露"), U("立冬"), U("大雪")};
  std::map<std::string, int> officer;
  for (int i = 0; i < 12; ++i) officer[U(std::string(OfficerNames[static_cast<std::size_t>(i)]))] = i;
  const auto& rows = ShippedAlmanac();
  ASSERT_FALSE(rows.empty());
  int monthTurns = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const AlmanacRow& a = rows[i - 1];
    const AlmanacRow& b = rows[i];
    const std::vector<std::string> pa = Items(a.suici), pb = Items(b.suici);
    ASSERT_EQ(pb.size(), 3u) << b.gn;
    const bool isJie = jie.count(U(calendar::SolarTermOfDate(*TryParseDate(b.gn)))) > 0;
    SCOPED_TRACE(b.gn);
    EXPECT_EQ(pa[1] != pb[1], isJie);
    monthTurns += pa[1] != pb[1];
    const int ca = GanZhiCycle(pa[2]), cb = GanZhiCycle(pb[2]);
    EXPECT_EQ(cb, (ca + 1) % 60);
    const int oa = officer.at(Items(a.wuhang)[1].substr(0, 3)), ob = officer.at(Items(b.wuhang)[1].substr(0, 3));
    EXPECT_EQ(ob, isJie ? oa : (oa + 1) % 12);
    if (HasFailure()) return;
  }
  EXPECT_EQ(monthTurns, 200 * 12);
}

}  // namespace
}  // namespace lumeno::fortune
