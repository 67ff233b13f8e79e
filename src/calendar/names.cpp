#include "calendar/names.h"

#include <cmath>
#include <limits>

namespace lumeno::calendar {
namespace {

constexpr double kMsPerDay = 86400000.0;
// 1900-01-06 02:05:00, the 小寒 from which the mean-year formula counts, in
// milliseconds from 1899-12-30 (day count 7 plus 125 minutes).
constexpr double kFirstTermMs = 7 * kMsPerDay + 125 * 60000.0;
constexpr double kMeanYearMs = 31556925974.7;

// Day counts of 0001-01-01 and of the day after 9999-12-31: the dates this
// program can name.
constexpr DateValue kFirstNamedDay = -693593;
constexpr DateValue kEndNamedDay = 2958466;

bool IsNamedDay(DateValue x) { return x >= kFirstNamedDay && x < kEndNamedDay; }

// Nearest whole number, a half going to the even neighbour, independent of
// the floating-point rounding mode.
double RoundHalfEven(double v) {
  const double down = std::floor(v);
  const double rest = v - down;  // exact: both lie within one unit
  if (rest > 0.5) return down + 1;
  if (rest < 0.5) return down;
  return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

// A straight day count t (whose fraction always runs forward in time) as a
// date value: before 1899-12-30 the fraction of a date value counts forward
// from midnight of its whole day, which lies on the other side of zero.
DateValue AsDateValue(double t) {
  if (t >= 0) return t;
  const double day = std::floor(t);
  const double fraction = t - day;
  return fraction > 0 ? day - fraction : day;
}

struct ConstellationRange {
  int from;  // month * 100 + day, inclusive
  int to;
  std::string_view text;
};

// Tested in this order; the first range holding the day wins.
constexpr ConstellationRange kConstellations[] = {
    {1222, 1231, "摩羯座"}, {101, 119, "摩羯座"},   {120, 218, "水瓶座"},   {219, 320, "双鱼座"},
    {321, 420, "白羊座"},   {421, 520, "金牛座 "},  {521, 621, "双子座"},   {622, 722, "巨蟹座"},
    {723, 822, "狮子座"},   {823, 922, "处女座"},   {923, 1022, "天秤座"},  {1023, 1121, "天蝎座"},
    {1122, 1221, "射手座"},
};

}  // namespace

DateValue SolarTermMoment(int year, int n) {
  if (n < 0 || n > 23) return std::numeric_limits<double>::quiet_NaN();
  const double ms = RoundHalfEven((static_cast<double>(year) - 1900) * kMeanYearMs + SolarTermOffsets[n] * 60000.0);
  return AsDateValue((kFirstTermMs + ms) / kMsPerDay);
}

std::string SolarTermOfDate(DateValue date) {
  if (!IsNamedDay(date)) return {};
  const YearMonthDay ymd = DecodeDate(date);
  for (int n = 2 * ymd.month - 2; n <= 2 * ymd.month - 1; ++n) {
    if (std::trunc(SolarTermMoment(ymd.year, n)) == date) return std::string(SolarTermNames[n]);
  }
  return {};
}

std::string GanZhiName(int cycleIndex) {
  const int branch = BranchOfCycle(cycleIndex);
  std::string s;
  s.reserve(10);
  s += HeavenlyStemNames[StemOfCycle(cycleIndex)];
  s += EarthlyBranchNames[branch];
  s += '(';
  s += ZodiacAnimalNames[branch];
  s += "年)";
  return s;
}

std::string LunarMonthName(int month, bool leap) {
  std::string s;
  if (leap) s += "闰";
  if (month >= 1 && month <= 10) {
    s += ChineseNumerals[month - 1];
  } else if (month == 11 || month == 12) {
    s += "十";
    s += ChineseNumerals[month - 11];
  }
  s += "月";
  return s;
}

std::string LunarDayName(int day) {
  std::string s;
  if (day >= 1 && day <= 10) {
    s = "初";
    s += ChineseNumerals[day - 1];
  } else if (day >= 11 && day <= 19) {
    s = "十";
    s += ChineseNumerals[day - 11];
  } else if (day == 20) {
    s = "二十";
  } else if (day >= 21 && day <= 29) {
    s = "廿";
    s += ChineseNumerals[day - 21];
  } else if (day == 30) {
    s = "三十";
  }
  return s;
}

std::string ConstellationOf(DateValue date) {
  if (!IsNamedDay(date)) return {};
  // The ranges are whole days, so only the day of the date counts: a time of
  // day on the last day of a range still belongs to that range.
  const YearMonthDay ymd = DecodeDate(date);
  const int key = ymd.month * 100 + ymd.day;
  for (const auto& r : kConstellations) {
    if (key >= r.from && key <= r.to) return std::string(r.text);
  }
  return {};
}

}  // namespace lumeno::calendar
