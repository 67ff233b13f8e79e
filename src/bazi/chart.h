#pragma once
// The derived eight-character chart: hidden stems, ten gods, elements and
// their counts, sound elements, conception pillar, luck direction, start age
// and the luck pillars. Ten gods, sound elements and the elements of
// characters are looked up in Tgcode.dll; a look-up that finds nothing or
// fails gives an empty text and the chart is still complete.
#include <array>
#include <string>
#include <vector>

#include "bazi/pillars.h"

namespace lumeno::bazi {

// The hidden stems of each branch, main stem first, in branch order 子..亥.
extern const std::array<const char*, 12> HiddenStemTable;

struct HiddenStem {
  std::string stem;    // one stem character
  std::string tenGod;  // its ten god seen from the day stem
};

struct HiddenColumn {
  int branch = 0;
  std::vector<HiddenStem> stems;  // one to three
};

// The branches whose hidden stems the four columns show (year, month, day,
// hour). Year: the zodiac branch of the lunar year of the first day after
// the birth on which a section term falls; month: the Gregorian month mod
// 12; day: the day pillar's branch; hour: the hour pillar's branch.
std::array<int, 4> HiddenStemColumns(const BirthMoment& birth, const FourPillars& pillars);

// Look-ups in Tgcode.dll (each its own transient query).
std::string LookupTenGod(int dayStem, int otherStem);
std::string LookupNayin(const GanZhi& pillar);
std::string LookupElement(const std::string& character);
// The elements of the eight characters (year stem, year branch, ... hour
// branch), each looked up as LookupElement does.
std::array<std::string, 8> PillarElements(const FourPillars& pillars);

GanZhi ConceptionPillar(const GanZhi& monthPillar);
// Forward for a man of a yang year stem or a woman of a yin one.
bool LuckDirection(bool male, int yearStem);
// One of the twelve section terms (节).
bool IsSectionTerm(const std::string& termName);
// The start age A from the days to the next (forward) or previous section
// term, rounded up to thirds; the preliminary count of the month boundaries
// where no term is found within 32 days.
int LuckStartAge(const BirthMoment& birth, bool forward);

struct ElementTally {
  std::string countsLine;  // "金:占1个, 木:占2个, ..."
  std::string missing;     // missing elements in the order 金木水火土
};
// Counts the elements among the eight values (one element character each;
// an empty value counts for none).
ElementTally ElementCounts(const std::array<std::string, 8>& elements);

// The pillar of year y: ((y - 4) mod 10, (y - 4) mod 12).
GanZhi YearPillar(int year);
// The pillar `steps` places from `from`, forward or backward in the cycle.
GanZhi StepPillar(const GanZhi& from, int steps, bool forward);
// Age label of the minor luck: 00岁 .. 09岁, then 10岁, 11岁 ...
std::string AgeLabel(int age);

struct BaziChart {
  FourPillars pillars;
  std::array<HiddenColumn, 4> hidden;
  std::string yearGod, monthGod, hourGod;
  std::array<std::string, 8> elements;  // year stem, year branch, ... hour branch
  std::string elementText;              // pairs joined by three blanks
  ElementTally tally;
  std::array<std::string, 4> nayin;
  GanZhi conception;
  std::string conceptionNayin;
  bool forward = true;
  int startAge = 0;
  std::string startAgeText;
  std::array<GanZhi, 10> luck;
  std::array<std::string, 10> luckNayin, luckGod;
  int lunarYear = 0;      // L
  int gregorianYear = 0;  // Y
};

BaziChart ComputeBaziChart(const BirthMoment& birth, const FourPillars& pillars);

}  // namespace lumeno::bazi
