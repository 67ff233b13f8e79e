#include "calendar/lunar.h"

namespace lumeno::calendar {
namespace {

constexpr int kYears = kLastLunarYear - kFirstLunarYear + 1;

// kYearStart[i]: days from lunar 1900-1-1 to the first day of lunar year
// 1900 + i; the last entry is the end of 2100. Computed by the compiler from
// LunarYearTable, so the conversions jump to the right year instead of
// walking up to two centuries of year lengths on every call.
constexpr std::array<std::int32_t, kYears + 1> kYearStart = [] {
  std::array<std::int32_t, kYears + 1> starts{};
  for (int i = 0; i < kYears; ++i) starts[i + 1] = starts[i] + LunarYearDays(kFirstLunarYear + i);
  return starts;
}();

static_assert(kYearStart[kYears] == 73412, "the 201 lunar years hold 73412 days");
static_assert(kLunarTableFirstDay + kYearStart[2000 - kFirstLunarYear] == kLunarAnchorDay,
              "lunar 2000-1-1 is 2000-02-05");
static_assert(kLunarTableFirstDay + kYearStart[kYears] > kLunarTableEndDay,
              "every day of the conversion range lies in a covered lunar year");

}  // namespace

LunarDate SolarToLunar(DateValue date) {
  // Written so that NaN fails the test as well.
  if (!(date >= kLunarTableFirstDay && date < kLunarTableEndDay)) return {};
  int offset = static_cast<int>(date - kLunarTableFirstDay);  // whole days, time dropped

  // The lunar year holding the day: the last one starting on or before it.
  // A lunar year averages 365.2422 days, so the estimate is off by one at
  // most and the two loops settle it.
  int i = static_cast<int>(offset / 365.2422);
  if (i > kYears - 1) i = kYears - 1;
  while (i > 0 && kYearStart[i] > offset) --i;
  while (i < kYears - 1 && kYearStart[i + 1] <= offset) ++i;
  const int year = kFirstLunarYear + i;
  offset -= kYearStart[i];

  // Walk the months; the leap month comes right after its ordinary month.
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  int length = 0;
  while (offset >= 0) {
    ++month;
    length = LunarMonthDays(year, month);
    offset -= length;
    if (offset >= 0 && month == leap) {
      length = LeapMonthDays(year);
      offset -= length;
      if (offset < 0) isLeap = true;
    }
  }
  offset += length;
  return {year, month, offset + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& d) {
  if (d.year < 1901 || d.year > 2099 || d.month > 12 || d.day > 30) return false;
  if (d.leap) return LeapMonthOf(d.year) == d.month && LeapMonthDays(d.year) >= d.day;
  return LunarMonthDays(d.year, d.month) >= d.day;
}

DateValue LunarToSolar(const LunarDate& d) {
  if (!IsValidLunarDate(d)) return kRejectedLunarDate;
  const int leapMonth = LeapMonthOf(d.year);
  // 64 bits: the day has no lower bound and may be as small as INT_MIN.
  std::int64_t sum = 0;
  for (int i = 1; i < d.month; ++i) {
    sum += LunarMonthDays(d.year, i);
    if (i == leapMonth) sum += LeapMonthDays(d.year);
  }
  sum += static_cast<std::int64_t>(d.day) - 1;
  // Inside the leap month the ordinary month of its number lies behind.
  if (d.month == leapMonth && d.leap) sum += LunarMonthDays(d.year, d.month);
  // From the year's first day to 2000-1-1: the difference of two year starts
  // is the sum of the year lengths between them, either way round.
  sum += kYearStart[d.year - kFirstLunarYear] - kYearStart[2000 - kFirstLunarYear];
  return kLunarAnchorDay + static_cast<DateValue>(sum);
}

}  // namespace lumeno::calendar
