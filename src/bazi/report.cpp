#include "bazi/report.h"

#include <algorithm>

#include "bazi/advice.h"
#include "bazi/chart.h"
#include "calendar/names.h"
#include "core/error.h"
#include "core/text.h"
#include "data/info.h"

namespace lumeno::bazi {

const char* const kBaziSeparator = "<-----------------------批八字内容分隔线----------------------------->";

namespace {

using calendar::ZodiacAnimalNames;

const char* const kSixBlanks = "      ";
const char* const kThirteenBlanks = "             ";
const char* const kCell = "   ";

std::string HiddenRow(const BaziChart& chart, std::size_t row) {
  std::string line = kSixBlanks;
  for (const HiddenColumn& col : chart.hidden) {
    if (row < col.stems.size()) line += col.stems[row].stem + col.stems[row].tenGod + " ";
    else line += "       ";
  }
  return line;
}

// One row of a grid laid out like the yearly and minor-luck pillars: with a
// first column when the row lies before the start age, otherwise thirteen
// blanks in its place.
template <typename CellText>
std::string GridRow(const std::string& head, int row, int startAge, CellText cell) {
  std::string line;
  if (row < startAge) {
    line = head + cell(row);
    for (int m = 0; m <= 8; ++m) line += kCell + cell(startAge + 10 * m + row);
  } else {
    line = kThirteenBlanks + cell(startAge + row);
    for (int m = 1; m <= 8; ++m) line += kCell + cell(startAge + 10 * m + row);
  }
  return line;
}

}  // namespace

std::optional<CheckedBirth> CheckBirth(const BaziInputs& in) {
  const struct {
    const std::string& text;
    const char* message;
  } checks[] = {{in.year, "请选择出生年!"},
                {in.month, "请选择出生月!"},
                {in.day, "请选择出生日!"},
                {in.hourItem, "请选择出生小时!"}};
  for (const auto& c : checks) {
    if (Trim(c.text).empty()) {
      data::ShowInfo(c.message);
      return std::nullopt;
    }
  }

  const NormalisedDate date = NormaliseBirthDate(in.calendarIndex, in.year, in.month, in.day);
  if (date.problem == BirthDateProblem::LunarDateRejected) {
    data::ShowInfo("这个农历日期不存在，请检查年、月、日（农历可用1901年至2099年）!");
    return std::nullopt;
  }
  if (date.problem == BirthDateProblem::OutOfRange) {
    data::ShowInfo("出生日期超出了历法范围，请输入1900年1月31日至2100年12月31日之间的日期!");
    return std::nullopt;
  }
  const int hour = HourOfHourItem(in.hourItem);
  if (hour < 0)
    throw InvalidInput("'" + Trim(in.hourItem) + "' is not a valid hour", InvalidHourMessage(Trim(in.hourItem)));
  const BirthMoment birth = MakeBirthMoment(date, hour, in.minute, in.sex);
  const auto pillars = ComputeFourPillars(birth.year, birth.month, birth.day, birth.hour);
  if (!pillars) {
    data::ShowInfo("请检查输入数据是否出错！");
    return std::nullopt;
  }
  return CheckedBirth{birth, *pillars};
}

BaziOutcome BaziReport(const BaziInputs& in, Pane& pane, int currentYear) {
  const std::string surname = Trim(in.surname);
  if (surname.empty()) {
    data::ShowInfo("姓不能为空!");
    return BaziOutcome::SurnameMissing;
  }
  const std::optional<CheckedBirth> checked = CheckBirth(in);
  if (!checked) return BaziOutcome::Refused;
  const BirthMoment& birth = checked->moment;
  const int hour = birth.hour;
  const BaziChart chart = ComputeBaziChart(birth, checked->pillars);
  const int y = chart.gregorianYear;
  const int l = chart.lunarYear;
  const int a = chart.startAge;

  pane.ClearPane();
  auto add = [&pane](const std::string& line) { pane.AppendLine(line); };

  // Heading.
  add("姓氏：" + surname);
  add("年龄：" + std::to_string(std::max(0, currentYear - y)) + "岁");  // never negative for a birth to come
  add(StrFormat("您出生公历：%04d年%02d月%02d日", birth.year, birth.month, birth.day) + std::to_string(hour) + "点" +
      in.minute + "分");
  add("农历：" + calendar::GanZhiName(l - 1864) + calendar::LunarMonthName(birth.lunar.month, birth.lunar.leap) +
      calendar::LunarDayName(birth.lunar.day));
  add("属相：" + std::string(ZodiacAnimalNames[calendar::CycleIndex(l - 4, 12)]));
  add("星座：" + calendar::ConstellationOf(birth.Date()));
  add(kBaziSeparator);

  // Chart.
  const FourPillars& p = chart.pillars;
  add("胎元：" + chart.conception.Text() + "(" + chart.conceptionNayin + ")");
  add("起运：" + chart.startAgeText + "岁");
  add("十神：" + chart.yearGod + kCell + chart.monthGod + kCell + "日元" + kCell + chart.hourGod);
  add("八字：" + p.year.Text() + kCell + p.month.Text() + kCell + p.day.Text() + kCell + p.hour.Text());
  {
    std::string line = "遁藏：";
    for (int i = 0; i < 4; ++i) {
      if (i) line += " ";
      const HiddenColumn& col = chart.hidden[i];
      if (!col.stems.empty()) line += col.stems[0].stem + col.stems[0].tenGod;
    }
    add(line);
  }
  add(HiddenRow(chart, 1));
  add(HiddenRow(chart, 2));
  add("五行：" + chart.elementText);
  add("纳音：" + chart.nayin[0] + " " + chart.nayin[1] + " " + chart.nayin[2] + " " + chart.nayin[3]);
  {
    std::string nayin = "纳音：", gods = "十神：", luck = "大运：";
    for (int k = 0; k < 10; ++k) {
      nayin += chart.luckNayin[k] + " ";
      gods += chart.luckGod[k] + kCell;
      if (k) luck += kCell;
      luck += chart.luck[k].Text();
    }
    add(nayin);
    add(gods);
    add(luck);
  }
  if (a == 1) {
    add("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  } else {
    std::string ages = "      1-" + std::to_string(a - 1) + "岁";
    for (int m = 0; m <= 8; ++m) ages += kCell + std::to_string(a + 10 * m) + "岁";
    add(ages);
  }
  {
    std::string starts = "始于：" + std::to_string(y);
    for (int m = 0; m <= 8; ++m) starts += kCell + std::to_string(y + a + 10 * m);
    add(starts);
  }
  add("");
  for (int i = 0; i < 10; ++i)
    add(GridRow(i == 0 ? "流年：" : kSixBlanks, i, a, [l](int n) { return YearPillar(l + n).Text(); }));
  add("");
  const GanZhi hourPillar = p.hour;
  const bool forward = chart.forward;
  for (int i = 0; i < 10; ++i) {
    add(GridRow(i == 0 ? "小运：" : kSixBlanks, i, a,
                [&](int n) { return StepPillar(hourPillar, n, forward).Text(); }));
    add(GridRow(kSixBlanks, i, a, [](int n) { return AgeLabel(n); }));
  }
  add(kBaziSeparator);

  // Readings.
  const std::string season = SeasonLine(chart, birth);
  if (!season.empty()) add(season);
  add(TiaohouLine(chart));
  add("八字五行个数：" + chart.tally.countsLine);
  add(FavourableElementsLine(chart));
  add(kBaziSeparator);
  add("袁天罡称骨算命：");
  try {
    for (int kind = 0; kind < 3; ++kind)
      add(BoneWeightReading(birth.lunar.year, birth.lunar.month, birth.lunar.day, hour, kind));
  } catch (const CommandCancelled&) {
    return BaziOutcome::Stopped;
  }
  add(kBaziSeparator);
  add("性格简评：");
  add("    " + CharacterSketch(birth.month, birth.day));
  add(kBaziSeparator);
  add("");
  add("<-----------------------以上内容只作参考----------------------------->");
  pane.ShowPane();
  pane.ScrollPaneToTop();
  return BaziOutcome::Written;
}

}  // namespace lumeno::bazi
