#pragma once
// Gregorian <-> Chinese lunar dates for the lunar years 1900 to 2100.
//
// Everything here is a pure function of its arguments and one constant
// table, safe to call from any thread; the conversions allocate nothing.
#include <array>
#include <bit>
#include <cstdint>

#include "core/date.h"

namespace lumeno::calendar {

// A lunar date; leap is true for the leap month that follows the ordinary
// month of the same number. The all-zero record means "no lunar date".
struct LunarDate {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  bool leap = false;
  friend constexpr bool operator==(const LunarDate&, const LunarDate&) = default;
};

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;

// One word per lunar year 1900-2100, indexed by year - 1900. Bit 16 - m
// (bit 15 for month 1 down to bit 4 for month 12) is set when ordinary month
// m has 30 days rather than 29. Bits 3-0 hold the year's leap month (0 =
// none); the value 15 means "no leap month here, and last year's leap month
// has 30 days" (a leap month's length is read from the following word).
inline constexpr std::array<std::uint16_t, 201> LunarYearTable = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,  // 2100
};

// The table operations answer 0 for a year outside 1900-2100, which has no
// word; the conversions never ask for one.
constexpr bool IsLunarTableYear(int year) { return year >= kFirstLunarYear && year <= kLastLunarYear; }

// The year's leap month, 1-12, or 0 when it has none.
constexpr int LeapMonthOf(int year) {
  if (!IsLunarTableYear(year)) return 0;
  const int n = LunarYearTable[year - kFirstLunarYear] & 0xF;
  return n == 15 ? 0 : n;
}

// Length of the year's leap month: 0 without one, else 29 or 30 by the
// marker in the following year's word. 2100 has no leap month, so the word
// after the table's end is never needed.
constexpr int LeapMonthDays(int year) {
  if (LeapMonthOf(year) == 0) return 0;
  const bool long30 = year < kLastLunarYear && (LunarYearTable[year + 1 - kFirstLunarYear] & 0xF) == 15;
  return long30 ? 30 : 29;
}

// Length of ordinary month `month`: 29 or 30. A month number of 1 or less
// reads month 1's bit (the conversions rely on this for their unchecked
// lower bound); a number above 12 names no month and gives 0.
constexpr int LunarMonthDays(int year, int month) {
  if (!IsLunarTableYear(year) || month > 12) return 0;
  if (month < 1) month = 1;
  return (LunarYearTable[year - kFirstLunarYear] >> (16 - month)) & 1 ? 30 : 29;
}

// Days of the lunar year: twelve ordinary months plus the leap month.
constexpr int LunarYearDays(int year) {
  if (!IsLunarTableYear(year)) return 0;
  const unsigned monthBits = (LunarYearTable[year - kFirstLunarYear] >> 4) & 0xFFFu;
  return 348 + std::popcount(monthBits) + LeapMonthDays(year);
}

// Day count of 1900-01-31, lunar 1900-1-1, the first day the table covers.
inline constexpr DateValue kLunarTableFirstDay = 32;
// Day count of 2101-01-01, the first day past the conversion range.
inline constexpr DateValue kLunarTableEndDay = 73416;
// Day count of 2000-02-05, lunar 2000-1-1, from which LunarToSolar counts.
inline constexpr DateValue kLunarAnchorDay = 36561;
// What LunarToSolar answers for a lunar date it rejects: 0001-01-01.
// Callers format it unchanged.
inline constexpr DateValue kRejectedLunarDate = -693593;

// The lunar date of the day of `date` (its time of day is ignored), or the
// all-zero record outside 1900-01-31 .. 2100-12-31 (and for NaN).
LunarDate SolarToLunar(DateValue date);

// True for a lunar year 1901-2099, a month up to 12 and a day up to the
// month's length; the leap flag must name the year's leap month. No lower
// bound is checked: a month of 0 or less is taken as month 1 and a day of 0
// or less counts back from the month's first day.
bool IsValidLunarDate(const LunarDate& d);

// The Gregorian day (at 00:00) of a lunar date, or kRejectedLunarDate
// (0001-01-01) when IsValidLunarDate refuses it.
DateValue LunarToSolar(const LunarDate& d);

}  // namespace lumeno::calendar
