#include <gtest/gtest.h>

#include "bazi/pillars.h"
#include "core/error.h"

namespace lumeno::bazi {
namespace {

std::string Text(const FourPillars& p) {
  return p.year.Text() + " " + p.month.Text() + " " + p.day.Text() + " " + p.hour.Text();
}

TEST(FourPillars, KnownCharts) {
  struct Case {
    int y, m, d, h;
    const char* pillars;
  } cases[] = {
      {1984, 2, 4, 12, "甲子 丙寅 戊辰 戊午"},
      {1990, 7, 15, 9, "庚午 癸未 辛巳 癸巳"},
      {2000, 1, 1, 0, "己卯 丙子 戊午 壬子"},
      {1900, 2, 20, 0, "庚子 戊寅 甲子 甲子"},
  };
  for (const Case& c : cases) {
    auto p = ComputeFourPillars(c.y, c.m, c.d, c.h);
    ASSERT_TRUE(p);
    EXPECT_EQ(Text(*p), c.pillars) << c.y << "-" << c.m << "-" << c.d;
  }
}

TEST(FourPillars, YearAndMonthChangeOnFixedDays) {
  struct Case {
    int y, m, d;
    const char* year;
    const char* month;
  } cases[] = {
      {2000, 2, 3, "己卯", "丁丑"}, {2000, 2, 4, "庚辰", "戊寅"}, {1984, 2, 4, "甲子", "丙寅"},
      {1984, 2, 3, "癸亥", "乙丑"}, {2000, 12, 7, "庚辰", "丁亥"}, {2000, 12, 8, "庚辰", "戊子"},
      {2001, 1, 5, "庚辰", "戊子"}, {2001, 1, 6, "庚辰", "己丑"}, {2000, 3, 5, "庚辰", "戊寅"},
      {2000, 3, 6, "庚辰", "己卯"},
  };
  for (const Case& c : cases) {
    auto p = ComputeFourPillars(c.y, c.m, c.d, 12);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->year.Text(), c.year) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(p->month.Text(), c.month) << c.y << "-" << c.m << "-" << c.d;
  }
}

TEST(FourPillars, HourTwentyThreeStaysOnTheSameDay) {
  auto late = ComputeFourPillars(2000, 2, 3, 23);
  auto midnight = ComputeFourPillars(2000, 2, 3, 0);
  ASSERT_TRUE(late && midnight);
  EXPECT_EQ(late->day, midnight->day);
  EXPECT_EQ(late->hour, midnight->hour);
  EXPECT_EQ(late->hour.branch, 0);
  auto one = ComputeFourPillars(2000, 2, 3, 1);
  auto two = ComputeFourPillars(2000, 2, 3, 2);
  EXPECT_EQ(one->hour, two->hour);
  EXPECT_EQ(one->hour.branch, 1);
}

TEST(FourPillars, DayPillarCountsDaysFromAJiaZiDay) {
  for (int offset = -400; offset < 40000; offset += 37) {
    YearMonthDay d = DecodeDate(EncodeDate(1900, 2, 20) + offset);
    auto p = ComputeFourPillars(d.year, d.month, d.day, 0);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->day, GanZhi::OfCycle(((offset % 60) + 60) % 60)) << offset;
    EXPECT_EQ(DayCycleIndex(d.year, d.month, d.day), ((offset % 60) + 60) % 60);
  }
}

TEST(FourPillars, DaysBeyondTheMonthAreRefused) {
  EXPECT_TRUE(ComputeFourPillars(2004, 2, 29, 0));
  EXPECT_FALSE(ComputeFourPillars(2001, 2, 29, 0));
  EXPECT_FALSE(ComputeFourPillars(1900, 2, 29, 0));
  EXPECT_FALSE(ComputeFourPillars(2000, 4, 31, 0));
  EXPECT_FALSE(ComputeFourPillars(2000, 2, 30, 0));
}

TEST(BirthMoment, GregorianAndLunarInputs) {
  NormalisedDate g = NormaliseBirthDate(0, "1980", "1", "5");
  EXPECT_EQ(g.year * 10000 + g.month * 100 + g.day, 19800105);
  EXPECT_EQ(g.problem, BirthDateProblem::None);
  // Lunar 1980-1-5 is 1980-02-20.
  NormalisedDate l = NormaliseBirthDate(1, "1980", "1", "5");
  EXPECT_EQ(l.year * 10000 + l.month * 100 + l.day, 19800220);
  EXPECT_EQ(NormaliseBirthDate(1, "1980", "2", "31").problem, BirthDateProblem::LunarDateRejected);
  EXPECT_EQ(NormaliseBirthDate(1, "1900", "1", "1").problem, BirthDateProblem::LunarDateRejected);
  EXPECT_EQ(NormaliseBirthDate(0, "1900", "1", "30").problem, BirthDateProblem::OutOfRange);
  EXPECT_THROW(NormaliseBirthDate(0, "1980", "2", "30"), GeneralError);
  EXPECT_THROW(NormaliseBirthDate(1, "1980", "x", "3"), GeneralError);

  BirthMoment b = MakeBirthMoment(g, 23, "59", " 男 ");
  EXPECT_TRUE(b.male);
  EXPECT_EQ(b.minute, "59");
  EXPECT_FALSE(MakeBirthMoment(g, 23, "59", "女").male);
  EXPECT_FALSE(MakeBirthMoment(g, 23, "59", "male").male);
}

TEST(BirthMoment, HourOfTheHourItem) {
  EXPECT_EQ(HourOfHourItem("子 0"), 0);
  EXPECT_EQ(HourOfHourItem("亥 22"), 22);
  EXPECT_EQ(HourOfHourItem("子 23"), 23);
  EXPECT_EQ(HourOfHourItem("7"), 7);
  EXPECT_EQ(HourOfHourItem("子"), -1);
  EXPECT_EQ(HourOfHourItem("子 24"), -1);
}

}  // namespace
}  // namespace lumeno::bazi
