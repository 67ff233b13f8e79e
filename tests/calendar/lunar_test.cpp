// Lunar year table and the Gregorian <-> lunar conversions.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "calendar/lunar.h"
#include "lunar_print.h"
#include "core/date.h"

namespace lumeno::calendar {
namespace {

DateValue D(int y, int m, int d) { return EncodeDate(y, m, d); }

// The conversion as a plain walk from lunar 1900-1-1, one year and one month
// at a time with no precomputed table: the library jumps to the year through
// compile-time year starts, and must land on exactly the same dates.
LunarDate WalkToLunar(DateValue x) {
  if (x < 32 || x >= 73416) return {};
  int offset = static_cast<int>(x - 32);
  int year = 1900;
  int length = 0;
  while (offset > 0) {
    length = LunarYearDays(year);
    ++year;
    offset -= length;
  }
  if (offset < 0) {
    offset += length;
    --year;
  }
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
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
  if (offset < 0) offset += length;
  return {year, month, offset + 1, isLeap};
}

TEST(LunarYearTable, HoldsTheDaysOfTwoCenturies) {
  int total = 0;
  for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
    const int days = LunarYearDays(y);
    ASSERT_TRUE(days == 353 || days == 354 || days == 355 || days == 383 || days == 384 || days == 385)
        << y << " has " << days << " days";
    ASSERT_EQ(days > 360, LeapMonthOf(y) != 0) << y;
    total += days;
  }
  EXPECT_EQ(total, 73412);
  // The first day of lunar 2000 is 2000-02-05, and lunar 1900 starts on day 32.
  int before2000 = 0;
  for (int y = 1900; y < 2000; ++y) before2000 += LunarYearDays(y);
  EXPECT_EQ(32 + before2000, D(2000, 2, 5));
}

TEST(LunarYearTable, ReadsLeapMonthsAndTheirLengths) {
  struct Case {
    int year, leapMonth, leapDays;
  };
  const Case cases[] = {
      {1900, 8, 29},  // the 1901 word ends in 0
      {1906, 4, 30},  // the 1907 word ends in F
      {1907, 0, 0},   // F itself is no leap month
      {2017, 6, 30}, {2020, 4, 29}, {2023, 2, 29}, {2033, 11, 29},
      {2099, 2, 29},  {2100, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeapMonthOf(c.year), c.leapMonth) << c.year;
    EXPECT_EQ(LeapMonthDays(c.year), c.leapDays) << c.year;
  }
  // 1900 (4BD8): month 1 has 29 days (bit 15 clear), month 2 has 30
  // (bit 14), month 3 has 29, month 12 has 30 (bit 4); anything at or below
  // month 1 reads month 1.
  EXPECT_EQ(LunarMonthDays(1900, 1), 29);
  EXPECT_EQ(LunarMonthDays(1900, 2), 30);
  EXPECT_EQ(LunarMonthDays(1900, 3), 29);
  EXPECT_EQ(LunarMonthDays(1900, 12), 30);
  EXPECT_EQ(LunarMonthDays(1902, 1), 30);
  EXPECT_EQ(LunarMonthDays(1902, 0), 30);
  EXPECT_EQ(LunarMonthDays(1902, -7), 30);
  EXPECT_EQ(LunarYearDays(1900), 384);
  // No word outside the table: no month, no days.
  EXPECT_EQ(LunarYearDays(1899), 0);
  EXPECT_EQ(LunarYearDays(2101), 0);
  EXPECT_EQ(LeapMonthOf(2101), 0);
  EXPECT_EQ(LunarMonthDays(2000, 13), 0);
}

TEST(SolarToLunar, KnownDays) {
  struct Case {
    DateValue date;
    LunarDate lunar;
  };
  const Case cases[] = {
      {D(1900, 1, 30), {}},
      {D(1900, 1, 31), {1900, 1, 1, false}},
      {D(1901, 2, 19), {1901, 1, 1, false}},
      {D(2000, 1, 1), {1999, 11, 25, false}},
      {D(2000, 2, 4), {1999, 12, 29, false}},
      {D(2000, 2, 5), {2000, 1, 1, false}},
      {D(2000, 2, 5) + EncodeTime(23, 59), {2000, 1, 1, false}},
      {D(2017, 6, 24), {2017, 6, 1, false}},
      {D(2017, 7, 22), {2017, 6, 29, false}},
      {D(2017, 7, 23), {2017, 6, 1, true}},
      {D(2017, 8, 21), {2017, 6, 30, true}},
      {D(2017, 8, 22), {2017, 7, 1, false}},
      {D(2020, 5, 23), {2020, 4, 1, true}},
      {D(2023, 3, 22), {2023, 2, 1, true}},
      {D(2033, 12, 22), {2033, 11, 1, true}},
      {D(2100, 2, 8), {2099, 12, 30, false}},
      {D(2100, 12, 31), {2100, 12, 1, false}},
      {D(2101, 1, 1), {}},
      {-1, {}},
      {std::numeric_limits<double>::quiet_NaN(), {}},
      {std::numeric_limits<double>::infinity(), {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarToLunar(c.date), c.lunar) << c.date;
  }
}

TEST(SolarToLunar, MatchesTheYearByYearWalkOnEveryDay) {
  for (DateValue x = D(1900, 1, 25); x <= D(2101, 1, 5); x += 1) {
    const LunarDate want = WalkToLunar(x);
    const LunarDate got = SolarToLunar(x);
    ASSERT_EQ(got, want) << FormatDate(x);
  }
}

TEST(SolarToLunar, StepsOneLunarDayPerDay) {
  // Consecutive days give consecutive lunar days; a month ends on day 29 or
  // 30 and is followed by its leap month or the next month number.
  LunarDate prev = SolarToLunar(32);
  for (DateValue x = 33; x < 73416; x += 1) {
    const LunarDate cur = SolarToLunar(x);
    if (cur.day != 1) {
      ASSERT_EQ(cur, (LunarDate{prev.year, prev.month, prev.day + 1, prev.leap})) << FormatDate(x);
      prev = cur;
      continue;
    }
    ASSERT_TRUE(prev.day == 29 || prev.day == 30) << FormatDate(x);
    if (cur.leap) {
      ASSERT_EQ(cur, (LunarDate{prev.year, prev.month, 1, true})) << FormatDate(x);
      ASSERT_EQ(prev.day, LunarMonthDays(prev.year, prev.month));
    } else if (prev.month == 12) {
      ASSERT_EQ(cur, (LunarDate{prev.year + 1, 1, 1, false})) << FormatDate(x);
    } else {
      ASSERT_EQ(cur, (LunarDate{prev.year, prev.month + 1, 1, false})) << FormatDate(x);
    }
    ASSERT_EQ(prev.day, prev.leap ? LeapMonthDays(prev.year) : LunarMonthDays(prev.year, prev.month))
        << FormatDate(x);
    prev = cur;
  }
}

TEST(LunarToSolar, KnownDates) {
  struct Case {
    LunarDate lunar;
    DateValue date;
  };
  const Case cases[] = {
      {{2000, 1, 1, false}, D(2000, 2, 5)},
      {{1901, 1, 1, false}, D(1901, 2, 19)},
      {{1999, 12, 29, false}, D(2000, 2, 4)},
      {{2017, 6, 1, true}, D(2017, 7, 23)},
      {{2017, 6, 1, false}, D(2017, 6, 24)},
      {{2017, 7, 1, false}, D(2017, 8, 22)},
      {{2033, 11, 1, true}, D(2033, 12, 22)},
      {{2099, 12, 30, false}, D(2100, 2, 8)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDate(LunarToSolar(c.lunar)), FormatDate(c.date)) << ::testing::PrintToString(c.lunar);
  }
}

TEST(LunarToSolar, RejectsWithTheFirstDayOfYearOne) {
  EXPECT_EQ(kRejectedLunarDate, D(1, 1, 1));
  EXPECT_EQ(FormatDate(kRejectedLunarDate), "0001-01-01");
  const LunarDate rejected[] = {
      {1900, 5, 1, false},   // SolarToLunar's first year does not convert back
      {2100, 5, 1, false},   // nor does its last
      {2000, 13, 1, false},  // month 13
      {2000, 1, 31, false},  // day 31
      {2000, 3, 30, false},  // 2000 month 3 has 29 days
      {2017, 5, 1, true},    // 2017's leap month is the 6th
      {2000, 4, 1, true},    // 2000 has no leap month
      {2020, 4, 30, true},   // the leap 4th month of 2020 has 29 days
      {0, 0, 0, false},      // the no-date record
  };
  for (const LunarDate& d : rejected) {
    EXPECT_FALSE(IsValidLunarDate(d)) << ::testing::PrintToString(d);
    EXPECT_EQ(LunarToSolar(d), kRejectedLunarDate) << ::testing::PrintToString(d);
  }
}

TEST(LunarToSolar, LeavesTheLowerBoundsUnchecked) {
  // A month of 0 or less is month 1; a day of 0 or less counts back.
  EXPECT_EQ(LunarToSolar({2000, 1, 0, false}), D(2000, 2, 4));
  EXPECT_EQ(LunarToSolar({2000, 0, 1, false}), D(2000, 2, 5));
  EXPECT_EQ(LunarToSolar({2000, -4, 3, false}), D(2000, 2, 7));
  EXPECT_EQ(LunarToSolar({2000, 3, -9, false}), LunarToSolar({2000, 3, 1, false}) - 10);
  // Far below: no overflow, just a day long before.
  EXPECT_LT(LunarToSolar({2000, 1, INT_MIN, false}), D(1, 1, 1));
}

TEST(LunarToSolar, InvertsSolarToLunarAcrossItsRange) {
  for (DateValue x = D(1901, 2, 19); x <= D(2100, 2, 8); x += 1) {
    ASSERT_EQ(LunarToSolar(SolarToLunar(x)), x) << FormatDate(x);
  }
  // And every valid lunar date lands on a day that converts back to it.
  int valid = 0;
  for (int y = 1901; y <= 2099; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (bool leap : {false, true}) {
        for (int d = 1; d <= 30; ++d) {
          const LunarDate ld{y, m, d, leap};
          if (!IsValidLunarDate(ld)) continue;
          ++valid;
          ASSERT_EQ(SolarToLunar(LunarToSolar(ld)), ld);
        }
      }
    }
  }
  EXPECT_EQ(valid, static_cast<int>(D(2100, 2, 9) - D(1901, 2, 19)));
}

}  // namespace
}  // namespace lumeno::calendar
