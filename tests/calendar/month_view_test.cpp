// The calendar window's month view without a window: where each day of a
// month sits in the 37 cells, which cell is marked, and the labels beside
// the grid.
#include <gtest/gtest.h>

#include "calendar/month_view.h"
#include "core/date.h"
#include "core/gbk.h"

namespace lumeno::calendar {
namespace {

DateValue D(int y, int m, int d) { return EncodeDate(y, m, d); }
std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }
std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

// The cells in use as the first and last index and the count.
struct Span {
  int first = -1, last = -1, used = 0;
};
Span UsedCells(const MonthView& v) {
  Span s;
  for (int i = 0; i < kMonthViewCells; ++i) {
    if (v.cells[static_cast<std::size_t>(i)].day == 0) continue;
    if (s.first < 0) s.first = i;
    s.last = i;
    ++s.used;
  }
  return s;
}

TEST(MonthView, DaysStartInTheColumnOfTheFirstWeekday) {
  struct Case {
    int year, month;
    int first, last;  // 0-based cells of day 1 and of the last day
  } cases[] = {
      {2000, 7, 6, 36},   // Saturday the first, 31 days: the last cell of the grid
      {2000, 10, 0, 30},  // Sunday the first
      {2015, 2, 0, 27},   // 28 days from a Sunday: exactly four rows
      {2000, 2, 2, 30},   // Tuesday the first, 29 days
      {2050, 12, 4, 34},
      {1901, 1, 2, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
    const MonthView v = MonthViewOf(D(c.year, c.month, 1));
    const Span s = UsedCells(v);
    EXPECT_EQ(s.first, c.first);
    EXPECT_EQ(s.last, c.last);
    EXPECT_EQ(s.used, DaysInMonth(c.year, c.month));
    EXPECT_EQ(v.cells[static_cast<std::size_t>(c.first)].day, 1);
  }
}

TEST(MonthView, EveryMonthOfTheTableLaysOutItsDaysInOrder) {
  for (int y = kCnFirstYear; y <= kCnLastYear; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const DateValue first = D(y, m, 1);
      const MonthView v = MonthViewOf(first + 9);
      ASSERT_EQ(v.year, y);
      ASSERT_EQ(v.month, m);
      const Span s = UsedCells(v);
      ASSERT_EQ(s.first % kMonthViewColumns, DayOfWeek(first) - 1) << y << "-" << m;
      ASSERT_EQ(s.used, s.last - s.first + 1) << y << "-" << m;
      for (int i = s.first; i <= s.last; ++i) {
        const MonthViewCell& c = v.cells[static_cast<std::size_t>(i)];
        ASSERT_EQ(c.day, i - s.first + 1);
        ASSERT_EQ(c.cell, CnDayCell(first + (c.day - 1))) << FormatDate(first + (c.day - 1));
      }
      ASSERT_EQ(v.marked, s.first + 9);
    }
  }
}

TEST(MonthView, MarksTheDayAndNamesItsConstellationAndTheYear) {
  struct Case {
    DateValue date;
    int marked;
    const char8_t* zodiac;
    const char8_t* constellation;
  } cases[] = {
      {D(2000, 2, 5), 6, u8"辰龙", u8"水瓶座"},
      {D(2000, 2, 4), 5, u8"卯兔", u8"水瓶座"},   // still the twelfth lunar month
      {D(2000, 2, 29), 30, u8"辰龙", u8"双鱼座"},
      {D(2000, 4, 20), 25, u8"辰龙", u8"金牛座"},
      {D(2000, 10, 23), 22, u8"辰龙", u8"天秤座"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(FormatDate(c.date));
    const MonthView v = MonthViewOf(c.date);
    EXPECT_EQ(v.marked, c.marked);
    EXPECT_EQ(v.cells[static_cast<std::size_t>(c.marked)].day, DecodeDate(c.date).day);
    EXPECT_EQ(U(v.zodiac), S(c.zodiac));
    EXPECT_EQ(U(v.constellation), S(c.constellation));
  }
}

TEST(MonthView, TheChosenDayIsKeptAcrossShorterMonths) {
  EXPECT_EQ(FormatDate(MonthViewDate(2000, 2, 31)), "2000-02-29");
  EXPECT_EQ(FormatDate(MonthViewDate(2001, 2, 31)), "2001-02-28");
  EXPECT_EQ(FormatDate(MonthViewDate(2000, 3, 31)), "2000-03-31");
  EXPECT_EQ(FormatDate(MonthViewDate(2000, 4, 31)), "2000-04-30");
  EXPECT_EQ(FormatDate(MonthViewDate(2050, 12, 1)), "2050-12-01");
}

TEST(MonthView, OutsideTheTableDaysStayAndTextsAreEmpty) {
  for (DateValue x : {D(2051, 3, 15), D(1900, 12, 31), D(2099, 1, 1)}) {
    SCOPED_TRACE(FormatDate(x));
    const MonthView v = MonthViewOf(x);
    const Span s = UsedCells(v);
    EXPECT_EQ(s.used, DaysInMonth(v.year, v.month));
    for (const MonthViewCell& c : v.cells) EXPECT_EQ(c.cell.text, "");
    EXPECT_EQ(v.zodiac, "");
    EXPECT_EQ(v.constellation, "");
    EXPECT_EQ(v.cells[static_cast<std::size_t>(v.marked)].day, DecodeDate(x).day);
  }
}

}  // namespace
}  // namespace lumeno::calendar
