// The month-view engine DateCn, and how it stands to the other engine.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "calendar/date_cn.h"
#include "calendar/lunar.h"
#include "calendar/names.h"
#include "core/date.h"
#include "core/gbk.h"

namespace lumeno::calendar {
namespace {

DateValue D(int y, int m, int d) { return EncodeDate(y, m, d); }
std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }
// A u8 literal as a std::string of its UTF-8 bytes.
std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }
const DateValue kNaN = std::numeric_limits<double>::quiet_NaN();

int CodeOf(const LunarDate& d) { return (d.leap ? -1 : 1) * (d.month * 100 + d.day); }

TEST(CnLunarCode, KnownDays) {
  struct Case {
    DateValue date;
    int code;
  };
  const Case cases[] = {
      {D(1901, 1, 1), 1111},   {D(2000, 1, 15), 1209},  {D(2000, 2, 5), 101},
      {D(2000, 2, 5) + 0.9, 101}, {D(2017, 7, 23), -601}, {D(2017, 8, 21), -630},
      {D(2017, 8, 22), 701},   {D(2020, 5, 23), -401},  {D(2023, 3, 22), -201},
      {D(2034, 1, 1), -1111},  // the leap 11th month of 2033 runs into 2034
      {D(2034, 1, 20), 1201},  {D(2050, 12, 31), 1118}, {D(1900, 12, 31), 0},
      {D(2051, 1, 1), 0},      {kNaN, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CnLunarCode(c.date), c.code) << FormatDate(c.date);
}

TEST(CnLunarCode, AgreesWithSolarToLunarOutsideFourSpans) {
  // In four places the year table swaps the lengths of two neighbouring
  // months; only the 30 days from the first month's last day to the second
  // month's end read differently.
  const std::pair<DateValue, DateValue> spans[] = {
      {D(1906, 4, 23), D(1906, 5, 22)},
      {D(1914, 11, 17), D(1914, 12, 16)},
      {D(1989, 8, 1), D(1989, 8, 30)},
      {D(2013, 6, 8), D(2013, 7, 7)},
  };
  auto inSpan = [&](DateValue x) {
    for (const auto& [from, to] : spans)
      if (x >= from && x <= to) return true;
    return false;
  };
  int differing = 0;
  for (DateValue x = D(1901, 1, 1); x <= D(2050, 12, 31); x += 1) {
    const int cn = CnLunarCode(x);
    const int walk = CodeOf(SolarToLunar(x));
    if (inSpan(x)) {
      ASSERT_NE(cn, walk) << FormatDate(x);
      ++differing;
    } else {
      ASSERT_EQ(cn, walk) << FormatDate(x);
    }
  }
  EXPECT_EQ(differing, 120);
}

TEST(CnTermTable, AgreesWithTheMeanYearFormulaOnAllButFewTerms) {
  int agreeing = 0;
  for (int y = kCnFirstYear; y <= kCnLastYear; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const std::uint8_t byte = CnTermTable[(y - kCnFirstYear) * 12 + m - 1];
      const int high = byte >> 4;
      const int low = byte & 0xF;
      ASSERT_TRUE(high >= 6 && high <= 12) << y << "-" << m;
      ASSERT_TRUE(low >= 3 && low <= 9) << y << "-" << m;
      const int tableDays[2] = {15 - high, 15 + low};
      for (int k = 0; k < 2; ++k) {
        const int n = 2 * m - 2 + k;
        const DateValue tableDay = D(y, m, tableDays[k]);
        ASSERT_EQ(CnSolarTerm(tableDay), SolarTermNames[n]) << FormatDate(tableDay);
        const double formulaDay = std::trunc(SolarTermMoment(y, n));
        if (formulaDay == tableDay) {
          ++agreeing;
        } else if (y == 1995 && n == 15) {
          // The one entry two days early: 处暑 1995 on 21 August, not the 23rd.
          ASSERT_EQ(formulaDay - tableDay, 2);
        } else {
          ASSERT_EQ(std::fabs(formulaDay - tableDay), 1) << FormatDate(tableDay);
        }
      }
    }
  }
  EXPECT_EQ(agreeing, 3462);
}

TEST(CnSolarTerm, KnownDays) {
  struct Case {
    DateValue date;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {D(2000, 1, 6), u8"小寒"},  {D(2000, 1, 21), u8"大寒"}, {D(2000, 2, 4), u8"立春"},
      {D(2000, 2, 5), u8""},      {D(2000, 12, 21), u8"冬至"}, {D(1904, 10, 8), u8"寒露"},
      {D(1904, 10, 9), u8""},     {D(1901, 1, 6), u8"小寒"},  {D(2050, 12, 22), u8"冬至"},
      {D(1900, 12, 22), u8""},    {D(2051, 1, 5), u8""},      {kNaN, u8""},
  };
  for (const Case& c : cases) EXPECT_EQ(U(CnSolarTerm(c.date)), S(c.utf8)) << FormatDate(c.date);
}

TEST(CnNames, MonthAndDayNames) {
  struct Case {
    DateValue date;
    const char8_t* month;
    const char8_t* day;
  };
  const Case cases[] = {
      {D(2017, 7, 23), u8"闰六", u8"初一"}, {D(2000, 2, 5), u8"正月", u8"初一"},
      {D(2050, 12, 31), u8"冬月", u8"十八"}, {D(2000, 1, 15), u8"腊月", u8"初九"},
      {D(2000, 11, 5), u8"十月", u8"初十"},  {D(2033, 12, 22), u8"闰冬", u8"初一"},
      {D(2017, 8, 21), u8"闰六", u8"三十"}, {D(1900, 12, 31), u8"", u8""},
      {D(2051, 1, 1), u8"", u8""},          {kNaN, u8"", u8""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(U(CnMonthName(c.date)), S(c.month)) << FormatDate(c.date);
    EXPECT_EQ(U(CnDayName(c.date)), S(c.day)) << FormatDate(c.date);
  }
}

TEST(CnLunarFestival, KnownDays) {
  struct Case {
    DateValue date;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {D(2000, 2, 4), u8"除夕"},    {D(2000, 2, 5), u8"春节"},    {D(2000, 2, 19), u8"元宵节"},
      {D(2000, 6, 6), u8"端午节"},  {D(2000, 8, 6), u8"七夕节"},  {D(2000, 9, 12), u8"中秋节"},
      {D(2000, 10, 6), u8"重阳节"}, {D(2001, 1, 2), u8"腊八节"},  {D(2001, 1, 23), u8"除夕"},
      {D(2000, 2, 3), u8""},        {D(2000, 3, 6), u8""},        // 二月初一 is no festival
      {D(2020, 6, 25), u8"端午节"}, {D(2020, 5, 27), u8""},       // 闰四 初五 is not 端午
      {D(2050, 12, 31), u8""},      {D(1900, 12, 31), u8""},      {D(2051, 1, 1), u8""},
      {kNaN, u8""},
  };
  for (const Case& c : cases) EXPECT_EQ(U(CnLunarFestival(c.date)), S(c.utf8)) << FormatDate(c.date);
}

TEST(CnLunarFestival, OneNewYearsEveBeforeEachSpringFestival) {
  int eves = 0;
  for (DateValue x = D(1901, 1, 1); x <= D(2050, 12, 31); x += 1) {
    const std::string f = CnLunarFestival(x);
    if (f == CnNewYearsEve) {
      ++eves;
      ASSERT_EQ(CnLunarFestival(x + 1), "春节") << FormatDate(x);
    } else if (f == "春节") {
      ASSERT_EQ(CnLunarFestival(x - 1), CnNewYearsEve) << FormatDate(x);
    }
  }
  EXPECT_EQ(eves, 150);  // the lunar new years 1901-2050 all fall in January or February
}

TEST(CnSolarFestival, FixedDaysAndWeekdayRules) {
  struct Case {
    int day;
    DateValue month;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {1, D(2000, 1, 1), u8"元旦节"},   {14, D(2000, 2, 1), u8"情人节"}, {4, D(2000, 5, 1), u8"青年节"},
      {14, D(2000, 5, 1), u8"母亲节"},  {7, D(2000, 5, 1), u8""},        {21, D(2000, 5, 1), u8""},
      {18, D(2000, 6, 1), u8"父亲节"},  {23, D(2000, 11, 1), u8"感恩节"}, {16, D(2000, 11, 1), u8""},
      {31, D(2000, 10, 1), u8"万圣节"}, {8, D(2000, 11, 1), u8"记者日"},  {25, D(2000, 12, 1), u8"圣诞节"},
      {31, D(2000, 6, 1), u8""},        {0, D(2000, 1, 1), u8""},        {1, D(2051, 1, 1), u8""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(U(CnSolarFestival(c.day, c.month)), S(c.utf8)) << c.day << " of " << FormatDate(c.month);
  }
  // Only the month of the second argument counts, not its day.
  EXPECT_EQ(U(CnSolarFestival(14, D(2000, 5, 27))), S(u8"母亲节"));
  // The weekday festivals come once a year on their weekday and week.
  struct Rule {
    int month, weekday, firstDay;
    const char8_t* utf8;
  };
  const Rule rules[] = {{5, 1, 8, u8"母亲节"}, {6, 1, 15, u8"父亲节"}, {11, 5, 22, u8"感恩节"}};
  for (int y = kCnFirstYear; y <= kCnLastYear; ++y) {
    for (const Rule& r : rules) {
      int hits = 0;
      for (int d = 1; d <= DaysInMonth(y, r.month); ++d) {
        if (U(CnSolarFestival(d, D(y, r.month, 1))) != S(r.utf8)) continue;
        ++hits;
        EXPECT_EQ(DayOfWeek(D(y, r.month, d)), r.weekday) << y << "-" << r.month << "-" << d;
        EXPECT_TRUE(d >= r.firstDay && d < r.firstDay + 7) << y << "-" << r.month << "-" << d;
      }
      EXPECT_EQ(hits, 1) << y << " " << S(r.utf8);
    }
  }
}

TEST(CnZodiac, FollowsTheLunarYear) {
  struct Case {
    DateValue date;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {D(2000, 1, 15), u8"卯兔"}, {D(2000, 2, 5), u8"辰龙"},  {D(1901, 1, 1), u8"子鼠"},
      {D(1901, 2, 19), u8"丑牛"}, {D(1972, 6, 1), u8"子鼠"},  {D(2050, 12, 31), u8"午马"},
      {D(2051, 1, 1), u8""},      {D(1900, 12, 31), u8""},
  };
  for (const Case& c : cases) EXPECT_EQ(U(CnZodiac(c.date)), S(c.utf8)) << FormatDate(c.date);
  // On every day it names the branch and animal of the lunar year.
  for (DateValue x = D(1901, 1, 1); x <= D(2050, 12, 31); x += 1) {
    const int n = SolarToLunar(x).year - 1864;
    const std::string want = std::string(EarthlyBranchNames[n % 12]) + std::string(ZodiacAnimalNames[n % 12]);
    ASSERT_EQ(CnZodiac(x), want) << FormatDate(x);
  }
}

TEST(CnConstellation, DiffersFromTheOtherEngineOnTwoDays) {
  struct Case {
    int month, day;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {8, 23, u8"处女座"}, {4, 20, u8"金牛座"}, {10, 23, u8"天秤座"}, {12, 22, u8"摩羯座"},
      {12, 21, u8"射手座"}, {1, 19, u8"摩羯座"}, {1, 20, u8"水瓶座"}, {10, 24, u8"天蝎座"},
  };
  for (const Case& c : cases) EXPECT_EQ(U(CnConstellation(c.day, D(2000, c.month, 1))), S(c.utf8)) << c.month;
  EXPECT_EQ(CnConstellation(32, D(2000, 1, 1)), "");
  EXPECT_EQ(CnConstellation(5, D(1900, 1, 1)), "");
  for (int y : {2000, 2001}) {
    std::vector<std::string> differ;
    for (DateValue x = D(y, 1, 1); x < D(y + 1, 1, 1); x += 1) {
      const YearMonthDay ymd = DecodeDate(x);
      std::string other = ConstellationOf(x);
      if (!other.empty() && other.back() == ' ') other.pop_back();
      if (CnConstellation(ymd.day, x) != other) differ.push_back(FormatDate(x).substr(5));
    }
    EXPECT_EQ(differ, (std::vector<std::string>{"04-20", "10-23"})) << y;
  }
}

TEST(DaysInMonth, GregorianRules) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2001, 2), 28);
  EXPECT_EQ(DaysInMonth(2004, 2), 29);
  EXPECT_EQ(DaysInMonth(2000, 4), 30);
  EXPECT_EQ(DaysInMonth(2000, 12), 31);
  EXPECT_EQ(DaysInMonth(2000, 13), 0);
}

TEST(CnDayCell, PrecedenceOfTheTextUnderADay) {
  struct Case {
    DateValue date;
    const char8_t* utf8;
    CellColour colour;
  };
  const Case cases[] = {
      {D(2000, 2, 6), u8"初二", CellColour::DarkGreen},
      {D(2000, 3, 6), u8"二月", CellColour::Red},       // first of a lunar month
      {D(2020, 5, 23), u8"闰四", CellColour::Red},      // first of a leap month
      {D(2000, 5, 4), u8"青年节", CellColour::Orange},  // Gregorian festival over 四月
      {D(2000, 5, 14), u8"母亲节", CellColour::Orange},
      {D(1901, 11, 8), u8"立冬", CellColour::Blue},     // solar term over 记者日
      {D(2000, 12, 21), u8"冬至", CellColour::Blue},
      {D(2000, 2, 5), u8"春节", CellColour::Orange},
      {D(2000, 2, 4), u8"除夕", CellColour::Orange},    // lunar festival over 立春
      {D(2051, 1, 1), u8"", CellColour::DarkGreen},
  };
  for (const Case& c : cases) {
    const DayCell cell = CnDayCell(c.date);
    EXPECT_EQ(U(cell.text), S(c.utf8)) << FormatDate(c.date);
    EXPECT_EQ(cell.colour, c.colour) << FormatDate(c.date);
  }
  EXPECT_EQ(CellColourRgb(CellColour::DarkGreen), (CellRgb{0, 64, 0}));
  EXPECT_EQ(CellColourRgb(CellColour::Red), (CellRgb{255, 0, 0}));
  EXPECT_EQ(CellColourRgb(CellColour::Orange), (CellRgb{255, 128, 0}));
  EXPECT_EQ(CellColourRgb(CellColour::Blue), (CellRgb{83, 83, 255}));
  EXPECT_EQ(CellColourName(CellColour::Blue), "blue");
}

TEST(DateCn, EveryDayOfTheTableHasItsTexts) {
  // Nothing in the table's range comes out empty, and the edges of the
  // range never fail.
  for (DateValue x = D(1901, 1, 1); x <= D(2050, 12, 31); x += 1) {
    ASSERT_FALSE(CnMonthName(x).empty()) << FormatDate(x);
    ASSERT_FALSE(CnDayName(x).empty()) << FormatDate(x);
    ASSERT_FALSE(CnZodiac(x).empty()) << FormatDate(x);
    ASSERT_FALSE(CnDayCell(x).text.empty()) << FormatDate(x);
  }
}

}  // namespace
}  // namespace lumeno::calendar
