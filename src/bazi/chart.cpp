#include "bazi/chart.h"

#include "bazi/lookup.h"
#include "calendar/names.h"
#include "core/text.h"
#include "data/query.h"

namespace lumeno::bazi {

using calendar::CycleIndex;
using calendar::EarthlyBranchNames;
using calendar::HeavenlyStemNames;

const std::array<const char*, 12> HiddenStemTable = {"癸",   "癸辛己", "甲丙戊", "乙",   "乙戊癸", "庚丙戊",
                                                     "己丁", "乙己丁", "戊庚壬", "辛",   "辛丁戊", "壬甲"};

namespace {

// The first day within 32 days of the birth (after it, or before it) on
// which a section term falls: the offset, or 0 when there is none.
int DaysToSectionTerm(DateValue birthDate, bool forward) {
  for (int j = 1; j <= 32; ++j) {
    DateValue d = birthDate + (forward ? j : -j);
    if (IsSectionTerm(Trim(calendar::SolarTermOfDate(d)))) return j;
  }
  return 0;
}

}  // namespace

std::array<int, 4> HiddenStemColumns(const BirthMoment& birth, const FourPillars& pillars) {
  const DateValue date = birth.Date();
  int j = DaysToSectionTerm(date, true);
  const calendar::LunarDate next = calendar::SolarToLunar(date + (j ? j : 33));
  return {CycleIndex(next.year - 4, 12), CycleIndex(birth.month, 12), pillars.day.branch, pillars.hour.branch};
}

std::string LookupTenGod(int dayStem, int otherStem) {
  return TgcodeText("select top 1 ShiShen from Shishen where jiazi = '" + std::string(HeavenlyStemNames[dayStem]) +
                    std::string(HeavenlyStemNames[otherStem]) + "' ");
}

std::string LookupNayin(const GanZhi& pillar) {
  return TgcodeText("select top 1 layin from jiazi where jiazi = '" + pillar.Text() + "' ");
}

std::string LookupElement(const std::string& character) {
  return TgcodeText("select top 1 wh from hzwh where hz like " + QuotedSql("%" + Trim(character) + "%"));
}

GanZhi ConceptionPillar(const GanZhi& monthPillar) {
  return {CycleIndex(monthPillar.stem + 1, 10), CycleIndex(monthPillar.branch + 3, 12)};
}

bool LuckDirection(bool male, int yearStem) {
  const bool yang = yearStem % 2 == 0;
  return male == yang;
}

bool IsSectionTerm(const std::string& termName) {
  static const char* const kSectionTerms[] = {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑",
                                              "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};
  for (const char* t : kSectionTerms)
    if (termName == t) return true;
  return false;
}

int LuckStartAge(const BirthMoment& birth, bool forward) {
  int n = DaysToSectionTerm(birth.Date(), forward);
  const bool found = n > 0;
  if (!found) n = MonthBoundaryOf(birth.month, birth.day).preliminary(birth.month, birth.day);
  int a = n / 3 + (n % 3 != 0 ? 1 : 0);
  if (!found && a == 0) a = 10;
  return a;
}

std::array<std::string, 8> PillarElements(const FourPillars& pillars) {
  std::array<std::string, 8> elements;
  const GanZhi order[4] = {pillars.year, pillars.month, pillars.day, pillars.hour};
  for (int i = 0; i < 4; ++i) {
    elements[2 * i] = LookupElement(std::string(HeavenlyStemNames[order[i].stem]));
    elements[2 * i + 1] = LookupElement(std::string(EarthlyBranchNames[order[i].branch]));
  }
  return elements;
}

ElementTally ElementCounts(const std::array<std::string, 8>& elements) {
  static const char* const kOrder[] = {"金", "木", "水", "火", "土"};
  ElementTally t;
  for (int e = 0; e < 5; ++e) {
    int count = 0;
    for (const std::string& v : elements)
      if (v == kOrder[e]) ++count;
    if (e) t.countsLine += "个, ";
    t.countsLine += std::string(kOrder[e]) + ":占" + std::to_string(count);
    if (count == 0) t.missing += kOrder[e];
  }
  t.countsLine += "个";
  return t;
}

GanZhi YearPillar(int year) { return {CycleIndex(year - 4, 10), CycleIndex(year - 4, 12)}; }

GanZhi StepPillar(const GanZhi& from, int steps, bool forward) {
  const int s = forward ? steps : -steps;
  return {CycleIndex(from.stem + s, 10), CycleIndex(from.branch + s, 12)};
}

std::string AgeLabel(int age) { return (age < 10 ? "0" : "") + std::to_string(age) + "岁"; }

BaziChart ComputeBaziChart(const BirthMoment& birth, const FourPillars& pillars) {
  BaziChart c;
  c.pillars = pillars;
  const int dayStem = pillars.day.stem;

  // Hidden stems and their ten gods.
  const std::array<int, 4> columns = HiddenStemColumns(birth, pillars);
  for (int i = 0; i < 4; ++i) {
    c.hidden[i].branch = columns[i];
    const std::string entry = HiddenStemTable[columns[i]];
    for (std::size_t at = 0; at + 1 < entry.size(); at += 2) {
      HiddenStem h;
      h.stem = entry.substr(at, 2);
      int stemIndex = 0;
      for (int s = 0; s < 10; ++s)
        if (HeavenlyStemNames[s] == h.stem) stemIndex = s;
      h.tenGod = LookupTenGod(dayStem, stemIndex);
      c.hidden[i].stems.push_back(std::move(h));
    }
  }

  // Ten gods of the year, month and hour stems.
  c.yearGod = LookupTenGod(dayStem, pillars.year.stem);
  c.monthGod = LookupTenGod(dayStem, pillars.month.stem);
  c.hourGod = LookupTenGod(dayStem, pillars.hour.stem);

  // Elements of the eight characters.
  const GanZhi order[4] = {pillars.year, pillars.month, pillars.day, pillars.hour};
  c.elements = PillarElements(pillars);
  for (int i = 0; i < 4; ++i) {
    if (i) c.elementText += "   ";
    c.elementText += c.elements[2 * i] + c.elements[2 * i + 1];
  }
  c.tally = ElementCounts(c.elements);

  // Sound elements, conception pillar.
  for (int i = 0; i < 4; ++i) c.nayin[i] = LookupNayin(order[i]);
  c.conception = ConceptionPillar(pillars.month);
  c.conceptionNayin = LookupNayin(c.conception);

  // Luck.
  c.forward = LuckDirection(birth.male, pillars.year.stem);
  c.startAge = LuckStartAge(birth, c.forward);
  c.startAgeText = std::to_string(c.startAge);
  for (int k = 0; k < 10; ++k) {
    c.luck[k] = StepPillar(pillars.month, k, c.forward);
    c.luckNayin[k] = LookupNayin(c.luck[k]);
    c.luckGod[k] = LookupTenGod(dayStem, c.luck[k].stem);
  }
  c.lunarYear = birth.lunar.year;
  c.gregorianYear = birth.year;
  return c;
}

}  // namespace lumeno::bazi
