#include "fortune/almanac_rules.h"

#include <cmath>

#include "calendar/lunar.h"
#include "calendar/names.h"

namespace lumeno::fortune {

using calendar::CycleIndex;
using calendar::EarthlyBranchNames;
using calendar::HeavenlyStemNames;

namespace {

constexpr int kCycleBaseYear = 1864;  // a 甲子 year
constexpr int kBranchYin = 2;         // 寅, the first month of the solar-term year

long long WholeDay(DateValue day) { return static_cast<long long>(std::floor(day)); }

// The whole day on which term n of `year` falls.
long long TermDay(int year, int n) { return WholeDay(calendar::SolarTermMoment(year, n)); }

}  // namespace

DateValue AlmanacFirstDay() { return EncodeDate(kAlmanacFirstYear, 1, 1); }
DateValue AlmanacLastDay() { return EncodeDate(kAlmanacLastYear, 12, 31); }

int DayCycleNumber(DateValue day) {
  // Day count 36526 (2000-01-01) is 戊午, number 54 of the cycle.
  return CycleIndex(WholeDay(day) + 8, 60);
}

int SolarTermMonthBranch(DateValue day) {
  const long long d = WholeDay(day);
  const int year = DecodeDate(static_cast<DateValue>(d)).year;
  // The 节 are the even terms: 小寒 0 opens 丑, 立春 2 opens 寅 ... 大雪 22
  // opens 子. The latest one on or before the day gives the month.
  for (int n = 22; n >= 0; n -= 2)
    if (TermDay(year, n) <= d) return (n / 2 + 1) % 12;
  return 0;  // before 小寒: still the 子 month that 大雪 of last year opened
}

int SpringYearOf(DateValue day) {
  const long long d = WholeDay(day);
  const int year = DecodeDate(static_cast<DateValue>(d)).year;
  return TermDay(year, 2) <= d ? year : year - 1;
}

AlmanacPillars AlmanacPillarsOf(DateValue day) {
  AlmanacPillars p;
  const calendar::LunarDate lunar = calendar::SolarToLunar(std::floor(day));
  const int lunarYear = lunar.year != 0 ? lunar.year : DecodeDate(day).year;
  p.year = GanZhi::OfCycle(lunarYear - kCycleBaseYear);

  // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, of 乙 or 庚 戊寅, and
  // so on; the months after it follow in the cycle.
  const int springStem = calendar::StemOfCycle(SpringYearOf(day) - kCycleBaseYear);
  const int branch = SolarTermMonthBranch(day);
  const int monthsFromYin = CycleIndex(branch - kBranchYin, 12);
  p.month = {CycleIndex((springStem % 5) * 2 + 2 + monthsFromYin, 10), branch};

  p.day = GanZhi::OfCycle(DayCycleNumber(day));
  return p;
}

int OfficerOf(int monthBranch, int dayBranch) { return CycleIndex(dayBranch - monthBranch, 12); }

int DayGodOf(int monthBranch, int dayBranch) {
  // 青龙 stands two branches further for each month after 寅 (寅 子, 卯 寅,
  // 辰 辰, 巳 午, 午 申, 未 戌, and again from 申).
  const int dragon = CycleIndex(2 * (monthBranch - kBranchYin), 12);
  return CycleIndex(dayBranch - dragon, 12);
}

bool IsYellowPathGod(int god) {
  switch (god) {
    case 0: case 1: case 4: case 5: case 7: case 10: return true;  // 青龙 明堂 金匮 天德 玉堂 司命
    default: return false;
  }
}

GanZhi ClashOf(GanZhi day) { return {CycleIndex(day.stem + 4, 10), CycleIndex(day.branch + 6, 12)}; }

std::string_view ShaDirectionOf(int dayBranch) {
  // The 煞 lies in the direction opposite the element of the branch's triad:
  // 申子辰 (water) 南, 巳酉丑 (metal) 东, 寅午戌 (fire) 北, 亥卯未 (wood) 西.
  static constexpr std::array<std::string_view, 4> kByTriad = {"南", "东", "北", "西"};
  return kByTriad[static_cast<std::size_t>(CycleIndex(dayBranch, 12) % 4)];
}

std::string_view SoundElementOf(GanZhi pillar) {
  const int n = pillar.CycleNumber();
  return n < 0 ? std::string_view() : SoundElementNames[static_cast<std::size_t>(n / 2)];
}

std::string AlmanacMonthName(int month, bool leap) {
  static constexpr std::array<std::string_view, 12> kNames = {"正月", "二月", "三月", "四月", "五月", "六月",
                                                              "七月", "八月", "九月", "十月", "冬月", "腊月"};
  if (month < 1 || month > 12) return {};
  std::string name = leap ? "闰" : "";
  name += kNames[static_cast<std::size_t>(month - 1)];
  return name;
}

std::string WeekdayName(DateValue day) {
  static constexpr std::array<std::string_view, 7> kDays = {"日", "一", "二", "三", "四", "五", "六"};
  return "星期" + std::string(kDays[static_cast<std::size_t>(DayOfWeek(day) - 1)]);
}

std::string LunarDateText(DateValue day) {
  const calendar::LunarDate d = calendar::SolarToLunar(std::floor(day));
  if (d.year == 0) return {};
  return "农历" + AlmanacMonthName(d.month, d.leap) + calendar::LunarDayName(d.day);
}

std::string SuiciText(const AlmanacPillars& p) {
  return p.year.Text() + "年 " + p.month.Text() + "月 " + p.day.Text() + "日";
}

std::string WuhangText(const AlmanacPillars& p) {
  return std::string(SoundElementOf(p.day)) + " " +
         std::string(OfficerNames[static_cast<std::size_t>(OfficerOf(p.month.branch, p.day.branch))]) + "执位";
}

std::string CongText(GanZhi day) {
  const GanZhi clash = ClashOf(day);
  return "冲" + std::string(calendar::ZodiacAnimalNames[static_cast<std::size_t>(clash.branch)]) + "(" +
         clash.Text() + ")煞" + std::string(ShaDirectionOf(day.branch));
}

std::string DayGodText(const AlmanacPillars& p) {
  const int god = DayGodOf(p.month.branch, p.day.branch);
  return std::string(DayGodNames[static_cast<std::size_t>(god)]) + (IsYellowPathGod(god) ? "黄道日" : "黑道日");
}

std::string OverviewText(DateValue day) {
  const AlmanacPillars p = AlmanacPillarsOf(day);
  return LunarDateText(day) + " " + WeekdayName(day) + " " + DayGodText(p) + " " +
         std::string(OfficerNames[static_cast<std::size_t>(OfficerOf(p.month.branch, p.day.branch))]) + "日";
}

}  // namespace lumeno::fortune
