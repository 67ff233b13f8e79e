// The chart of the worked examples, on the shipped eight-character tables.
#include <gtest/gtest.h>

#include "bazi/chart.h"
#include <map>

#include "calendar/names.h"

namespace lumeno::bazi {
namespace {

BaziChart ChartOf(int y, int m, int d, int h, bool male) {
  NormalisedDate date{y, m, d, BirthDateProblem::None};
  BirthMoment b = MakeBirthMoment(date, h, "0", male ? "男" : "女");
  auto p = ComputeFourPillars(y, m, d, h);
  EXPECT_TRUE(p);
  return ComputeBaziChart(b, *p);
}

std::string Joined(const std::array<GanZhi, 10>& pillars) {
  std::string s;
  for (const GanZhi& g : pillars) s += (s.empty() ? "" : " ") + g.Text();
  return s;
}

std::string Columns(const BaziChart& c) {
  std::string s;
  for (const HiddenColumn& h : c.hidden) s += calendar::EarthlyBranchNames[h.branch];
  return s;
}

TEST(BaziChart, ManBornOnTheFourthOfFebruary1984) {
  BaziChart c = ChartOf(1984, 2, 4, 12, true);
  EXPECT_TRUE(c.forward);
  EXPECT_EQ(c.startAge, 10);
  EXPECT_EQ(Joined(c.luck), "丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌 乙亥");
  EXPECT_EQ(c.conception.Text(), "丁巳");
  EXPECT_EQ(Columns(c), "子寅辰午");
  EXPECT_EQ(StepPillar(c.pillars.hour, 1, c.forward).Text(), "己未");
  EXPECT_EQ(StepPillar(c.pillars.hour, 3, c.forward).Text(), "辛酉");
  // Ten gods from the day master 戊 and the shipped tables.
  EXPECT_EQ(c.yearGod, "七杀");
  EXPECT_EQ(c.monthGod, "偏印");
  EXPECT_EQ(c.hourGod, "比肩");
  EXPECT_EQ(c.elementText, "木水   火木   土土   土火");
  EXPECT_EQ(c.nayin[0], "海中金");
  EXPECT_EQ(c.nayin[3], "天上火");
  EXPECT_EQ(c.conceptionNayin, "沙中土");
  EXPECT_EQ(c.tally.countsLine, "金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个");
  EXPECT_EQ(c.tally.missing, "金");
  ASSERT_EQ(c.hidden[1].stems.size(), 3u);
  EXPECT_EQ(c.hidden[1].stems[1].stem + c.hidden[1].stems[1].tenGod, "丙偏印");
  EXPECT_EQ(c.lunarYear, 1984);
}

TEST(BaziChart, WomanBornOnTheFifteenthOfJuly1990) {
  BaziChart c = ChartOf(1990, 7, 15, 9, false);
  EXPECT_FALSE(c.forward);
  EXPECT_EQ(c.startAge, 3);  // 小暑 fell eight days before, on 7 July
  EXPECT_EQ(Joined(c.luck), "癸未 壬午 辛巳 庚辰 己卯 戊寅 丁丑 丙子 乙亥 甲戌");
  EXPECT_EQ(c.conception.Text(), "甲戌");
  EXPECT_EQ(Columns(c), "午未巳巳");
  EXPECT_EQ(YearPillar(1990).Text(), "庚午");
  EXPECT_EQ(YearPillar(1993).Text(), "癸酉");
  EXPECT_EQ(YearPillar(2003).Text(), "癸未");
}

TEST(BaziChart, SameMomentForAManAndAWoman) {
  BaziChart man = ChartOf(1990, 7, 15, 9, true);
  BaziChart woman = ChartOf(1990, 7, 15, 9, false);
  EXPECT_NE(man.forward, woman.forward);
  EXPECT_NE(Joined(man.luck), Joined(woman.luck));
  EXPECT_EQ(man.luck[0], woman.luck[0]);  // both start from the month pillar
  EXPECT_EQ(man.elementText, woman.elementText);
  EXPECT_EQ(man.nayin, woman.nayin);
  EXPECT_EQ(man.yearGod + man.monthGod + man.hourGod, woman.yearGod + woman.monthGod + woman.hourGod);
}

TEST(BaziChart, YearColumnFollowsTheLunarYearOfTheNextSectionTerm) {
  // Both have year pillar 庚辰; the next section term of 10 January 2001 is
  // 立春, already in lunar year 2001.
  EXPECT_EQ(Columns(ChartOf(2001, 1, 3, 0, true)).substr(0, 2), "辰");
  EXPECT_EQ(Columns(ChartOf(2001, 1, 10, 0, true)).substr(0, 2), "巳");
  EXPECT_EQ(ChartOf(2001, 1, 10, 0, true).pillars.year.Text(), "庚辰");
}

TEST(LuckStartAge, RoundsTheDayCountUpToThirds) {
  // Find births n = 1..6 days before a section term in 2000 and look at the
  // forward start age.
  const DateValue first = EncodeDate(2000, 1, 1);
  std::map<int, int> ageOfDays;
  for (DateValue d = first; d < first + 366; d += 1) {
    if (!IsSectionTerm(calendar::SolarTermOfDate(d))) continue;
    for (int n = 1; n <= 6; ++n) {
      YearMonthDay b = DecodeDate(d - n);
      BirthMoment birth = MakeBirthMoment({b.year, b.month, b.day, BirthDateProblem::None}, 0, "0", "男");
      ageOfDays[n] = LuckStartAge(birth, true);
    }
  }
  EXPECT_EQ(ageOfDays[1], 1);
  EXPECT_EQ(ageOfDays[3], 1);
  EXPECT_EQ(ageOfDays[4], 2);
  EXPECT_EQ(ageOfDays[6], 2);
  // Born on the day of a section term: that day does not count.
  BirthMoment onTerm = MakeBirthMoment({2000, 2, 4, BirthDateProblem::None}, 0, "0", "男");
  ASSERT_TRUE(IsSectionTerm(calendar::SolarTermOfDate(onTerm.Date())));
  EXPECT_GE(LuckStartAge(onTerm, true), 10);
  EXPECT_GE(LuckStartAge(onTerm, false), 10);
}

TEST(LuckDirection, ByYearStemPolarityAndSex) {
  EXPECT_TRUE(LuckDirection(true, 0));    // man, 甲
  EXPECT_FALSE(LuckDirection(true, 1));   // man, 乙
  EXPECT_FALSE(LuckDirection(false, 0));  // woman, 甲
  EXPECT_TRUE(LuckDirection(false, 1));   // woman, 乙
}

TEST(MinorLuck, BackwardFromJiaZi) {
  GanZhi jiazi{0, 0};
  EXPECT_EQ(StepPillar(jiazi, 0, false).Text(), "甲子");
  EXPECT_EQ(StepPillar(jiazi, 1, false).Text(), "癸亥");
  EXPECT_EQ(StepPillar(jiazi, 2, false).Text(), "壬戌");
  EXPECT_EQ(AgeLabel(0), "00岁");
  EXPECT_EQ(AgeLabel(7), "07岁");
  EXPECT_EQ(AgeLabel(12), "12岁");
}

TEST(ElementCounts, MissingElementsInFixedOrder) {
  ElementTally t = ElementCounts({"木", "木", "水", "木", "火", "火", "木", "水"});
  EXPECT_EQ(t.missing, "金土");
  EXPECT_EQ(t.countsLine, "金:占0个, 木:占4个, 水:占2个, 火:占2个, 土:占0个");
  EXPECT_EQ(ElementCounts({"金", "木", "水", "火", "土", "金", "木", "水"}).missing, "");
  // A value the table did not know counts for no element.
  EXPECT_EQ(ElementCounts({"", "木", "水", "火", "土", "金", "木", "水"}).countsLine,
            "金:占1个, 木:占2个, 水:占2个, 火:占1个, 土:占1个");
}

TEST(HiddenStems, TableShapes) {
  EXPECT_STREQ(HiddenStemTable[0], "癸");
  EXPECT_STREQ(HiddenStemTable[6], "己丁");
  EXPECT_STREQ(HiddenStemTable[11], "壬甲");
  EXPECT_TRUE(IsSectionTerm("小寒"));
  EXPECT_FALSE(IsSectionTerm("冬至"));
}

}  // namespace
}  // namespace lumeno::bazi
