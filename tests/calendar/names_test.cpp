// Solar terms, stem-branch names, Chinese month and day names, constellations.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar/ganzhi.h"
#include "calendar/names.h"
#include "core/date.h"
#include "core/gbk.h"

namespace lumeno::calendar {
namespace {

DateValue D(int y, int m, int d) { return EncodeDate(y, m, d); }
std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }
// A u8 literal as a std::string of its UTF-8 bytes.
std::string S(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

// Milliseconds from 1899-12-30 to the moment of term n of year y, in exact
// integer arithmetic: the mean year is 315569259747 tenths of a millisecond,
// and a half millisecond goes to the even neighbour.
std::int64_t ExactTermMs(int y, int n) {
  const std::int64_t tenths = static_cast<std::int64_t>(y - 1900) * 315569259747LL +
                              static_cast<std::int64_t>(SolarTermOffsets[n]) * 600000LL;
  std::int64_t ms = tenths / 10;
  std::int64_t rest = tenths % 10;
  if (rest < 0) {
    rest += 10;
    ms -= 1;
  }
  if (rest > 5 || (rest == 5 && ms % 2 != 0)) ms += 1;
  return 612300000LL + ms;  // 1900-01-06 02:05
}

std::string Minutes(DateValue v) { return FormatDateTime(v).substr(0, 16); }

TEST(SolarTermMoment, KnownMoments) {
  struct Case {
    int year, n;
    const char* moment;
  };
  const Case cases[] = {
      {1900, 0, "1900-01-06 02:05"}, {2000, 0, "2000-01-06 07:21"}, {2000, 2, "2000-02-04 19:08"},
      {2000, 23, "2000-12-21 19:59"}, {2024, 2, "2024-02-04 14:39"},
  };
  for (const Case& c : cases) EXPECT_EQ(Minutes(SolarTermMoment(c.year, c.n)), c.moment) << c.year << "/" << c.n;
  EXPECT_TRUE(std::isnan(SolarTermMoment(2000, 24)));
  EXPECT_TRUE(std::isnan(SolarTermMoment(2000, -1)));
}

TEST(SolarTermMoment, IsTheMeanYearFormulaToTheMillisecond) {
  // Years ending in 5 land exactly on half a millisecond; the even neighbour
  // wins (1905 rounds up, 1915 rounds down).
  EXPECT_EQ(ExactTermMs(1905, 0) - 612300000LL, 157784629874LL);
  EXPECT_EQ(ExactTermMs(1915, 0) - 612300000LL, 473353889620LL);
  for (int y = 1890; y <= 2110; ++y) {
    for (int n = 0; n < 24; ++n) {
      const DateValue v = SolarTermMoment(y, n);
      const std::int64_t want = ExactTermMs(y, n);
      // Read the value back as a day and a millisecond of that day, the way
      // date values are read (the fraction counts from the day's midnight).
      const double day = std::trunc(v);
      const std::int64_t msOfDay = std::llround(std::fabs(v - day) * 86400000.0);
      std::int64_t wantDay = want / 86400000;
      std::int64_t wantMs = want % 86400000;
      if (wantMs < 0) {
        wantMs += 86400000;
        wantDay -= 1;
      }
      ASSERT_EQ(day, static_cast<double>(wantDay)) << y << "/" << n;
      ASSERT_EQ(msOfDay, wantMs) << y << "/" << n;
    }
  }
}

TEST(SolarTermMoment, BeforeEighteenNinetyNineReadsAsADateValue) {
  // 冬至 1899 falls before day 0: its whole day and time of day still read
  // correctly with the usual date functions.
  const DateValue v = SolarTermMoment(1899, 23);
  ASSERT_LT(v, 0);
  const std::int64_t ms = ExactTermMs(1899, 23);  // negative
  const std::int64_t day = (ms - 86400000 + 1) / 86400000;
  const std::int64_t msOfDay = ms - day * 86400000;
  EXPECT_EQ(FormatDate(v), FormatDate(static_cast<double>(day)));
  EXPECT_EQ(DecodeTime(v).hour, msOfDay / 3600000);
  EXPECT_EQ(DecodeTime(v).minute, msOfDay / 60000 % 60);
}

TEST(SolarTermOfDate, NamesTheDayOfEachMoment) {
  struct Case {
    DateValue date;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {D(2000, 1, 6), u8"小寒"}, {D(2000, 1, 21), u8"大寒"}, {D(2000, 2, 4), u8"立春"},
      {D(2000, 2, 5), u8""},     {D(2000, 12, 21), u8"冬至"}, {D(2000, 2, 4) + 0.5, u8""},
      {D(1904, 10, 9), u8"寒露"}, {std::numeric_limits<double>::quiet_NaN(), u8""},
  };
  for (const Case& c : cases) EXPECT_EQ(U(SolarTermOfDate(c.date)), S(c.utf8)) << FormatDate(c.date);
  // Every term of a year is found on its day and on no other.
  for (int y : {1901, 1987, 2049, 2100}) {
    int found = 0;
    for (DateValue x = D(y, 1, 1); x < D(y + 1, 1, 1); x += 1) {
      const std::string name = SolarTermOfDate(x);
      if (name.empty()) continue;
      const int n = found++;
      ASSERT_LT(n, 24) << y;
      EXPECT_EQ(name, SolarTermNames[n]) << FormatDate(x);
      EXPECT_EQ(std::trunc(SolarTermMoment(y, n)), x) << FormatDate(x);
    }
    EXPECT_EQ(found, 24) << y;
  }
}

TEST(GanZhiName, StemBranchAndAnimal) {
  struct Case {
    int n;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {0, u8"甲子(鼠年)"},   {1, u8"乙丑(牛年)"},   {36, u8"庚子(鼠年)"},  {56, u8"庚申(猴年)"},
      {59, u8"癸亥(猪年)"},  {60, u8"甲子(鼠年)"},  {136, u8"庚辰(龙年)"}, {-1, u8"癸亥(猪年)"},
      {-60, u8"甲子(鼠年)"}, {INT32_MIN, u8"丙辰(龙年)"},
  };
  for (const Case& c : cases) EXPECT_EQ(U(GanZhiName(c.n)), S(c.utf8)) << c.n;
  // Ten bytes, and the animal is the two bytes from position 6 (1-based).
  for (int n = 0; n < 60; ++n) {
    const std::string s = GanZhiName(n);
    ASSERT_EQ(s.size(), 10u) << n;
    EXPECT_EQ(s.substr(5, 2), ZodiacAnimalNames[n % 12]) << n;
    EXPECT_EQ(GanZhi::OfCycle(n).CycleNumber(), n);
    EXPECT_EQ(s.substr(0, 4), GanZhi::OfCycle(n).Text());
  }
  EXPECT_EQ(GanZhi({0, 1}).CycleNumber(), -1);  // 甲丑 is no pair of the cycle
}

TEST(LunarMonthName, NumeralsAndTheLeapMark) {
  struct Case {
    int month;
    bool leap;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {1, false, u8"一月"},  {4, true, u8"闰四月"},   {10, false, u8"十月"}, {11, false, u8"十一月"},
      {12, false, u8"十二月"}, {12, true, u8"闰十二月"}, {0, false, u8"月"},  {13, true, u8"闰月"},
  };
  for (const Case& c : cases) EXPECT_EQ(U(LunarMonthName(c.month, c.leap)), S(c.utf8)) << c.month;
}

TEST(LunarDayName, EveryDayOfTheMonth) {
  const char8_t* const names[] = {
      u8"初一", u8"初二", u8"初三", u8"初四", u8"初五", u8"初六", u8"初七", u8"初八", u8"初九", u8"初十",
      u8"十一", u8"十二", u8"十三", u8"十四", u8"十五", u8"十六", u8"十七", u8"十八", u8"十九", u8"二十",
      u8"廿一", u8"廿二", u8"廿三", u8"廿四", u8"廿五", u8"廿六", u8"廿七", u8"廿八", u8"廿九", u8"三十"};
  for (int d = 1; d <= 30; ++d) EXPECT_EQ(U(LunarDayName(d)), S(names[d - 1])) << d;
  EXPECT_EQ(LunarDayName(0), "");
  EXPECT_EQ(LunarDayName(31), "");
  EXPECT_EQ(LunarDayName(-5), "");
}

TEST(ConstellationOf, RangeBounds) {
  struct Case {
    int month, day;
    const char8_t* utf8;
  };
  const Case cases[] = {
      {1, 1, u8"摩羯座"},   {1, 19, u8"摩羯座"},   {1, 20, u8"水瓶座"},   {2, 18, u8"水瓶座"},
      {2, 19, u8"双鱼座"},  {3, 20, u8"双鱼座"},   {3, 21, u8"白羊座"},   {4, 20, u8"白羊座"},
      {4, 21, u8"金牛座 "}, {5, 20, u8"金牛座 "},  {5, 21, u8"双子座"},   {6, 21, u8"双子座"},
      {6, 22, u8"巨蟹座"},  {7, 22, u8"巨蟹座"},   {7, 23, u8"狮子座"},   {8, 22, u8"狮子座"},
      {8, 23, u8"处女座"},  {9, 22, u8"处女座"},   {9, 23, u8"天秤座"},   {10, 22, u8"天秤座"},
      {10, 23, u8"天蝎座"}, {11, 21, u8"天蝎座"},  {11, 22, u8"射手座"},  {12, 21, u8"射手座"},
      {12, 22, u8"摩羯座"}, {12, 31, u8"摩羯座"},
  };
  for (int year : {1999, 2000}) {
    for (const Case& c : cases) {
      const DateValue x = D(year, c.month, c.day);
      EXPECT_EQ(U(ConstellationOf(x)), S(c.utf8)) << FormatDate(x);
      // A time of day late on the last day of a range keeps the day's sign.
      EXPECT_EQ(U(ConstellationOf(x + EncodeTime(23, 30))), S(c.utf8)) << FormatDate(x);
    }
  }
  EXPECT_EQ(U(ConstellationOf(D(2000, 2, 29))), S(u8"双鱼座"));
  EXPECT_EQ(ConstellationOf(std::numeric_limits<double>::quiet_NaN()), "");
  // Every day of a leap year has exactly one text.
  for (DateValue x = D(2000, 1, 1); x < D(2001, 1, 1); x += 1) ASSERT_FALSE(ConstellationOf(x).empty()) << x;
}

}  // namespace
}  // namespace lumeno::calendar
