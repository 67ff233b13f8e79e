#include "numerology/name_report.h"

#include <algorithm>

#include "calendar/lunar.h"
#include "calendar/names.h"
#include "core/date.h"
#include "core/error.h"
#include "core/text.h"
#include "data/info.h"
#include "numerology/grids.h"
#include "numerology/score.h"

namespace lumeno::numerology {

const char* const kReportSeparator = "<-----------------------名字分析内容分隔线----------------------------->";

namespace {

constexpr const char* kClosingLine = "<-----------------------以上分析内容只作参考----------------------------->";

// Trims one input; shows `message` and answers false when it is empty.
bool Require(const std::string& typed, const char* message, std::string& into) {
  std::string value = Trim(typed);
  if (value.empty()) {
    data::ShowInfo(message);
    return false;
  }
  into = std::move(value);
  return true;
}

int LunarNumber(const std::string& text) {
  std::optional<int> n = ParseInt(text);
  if (!n) throw InvalidInput("'" + text + "' is not a valid integer value", InvalidNumberMessage(text));
  return *n;
}

// The grid's heading, reading and suggestion texts.
struct GridSection {
  GridKind kind;
  const char* name;      // 【天格 ...
  const char* heading;   // text after the number in the reading heading
};

constexpr GridSection kReadingOrder[] = {
    {GridKind::Heaven, "【天格", "的解析】：天格数是先祖留传下来的，其数理对人影响不大。"},
    {GridKind::Person, "【人格", "的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {GridKind::Earth, "【地格", "的解析】：地格数又称前运，影响人生（49岁）以前的命运。"},
    {GridKind::Total, "【总格", "的解析】：总格又称后运，影响人生（50岁）以后的命运。 "},
    {GridKind::Outer, "【外格", "的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
};

}  // namespace

std::string HourOfItem(const std::string& hourItem) { return Trim(ByteCopy(hourItem, 3, 2)); }

void RunNameAnalysis(const NameInputs& in, AnalysisState& state, Pane& pane, int currentYear, bool closingLine,
                     data::Query& /*talentQuery: the report reads its talent rows on transient queries*/) {
  // 1. Validation, in this order; each input that passes is kept at once.
  if (!Require(in.surname, "姓不能为空!", state.surname)) return;
  if (!Require(in.given, "名不能为空!", state.given)) return;
  if (!Require(in.year, "请选择出生年!", state.year)) return;
  if (!Require(in.month, "请选择出生月!", state.month)) return;
  if (!Require(in.day, "请选择出生日!", state.day)) return;
  if (!Require(in.hourItem, "请选择出生小时!", state.hourText)) return;

  // 2-3. The Gregorian date text; a lunar input is converted first (there is
  // no leap-month input).
  state.dateText = state.year + "-" + state.month + "-" + state.day;
  if (in.calendarIndex == 1) {
    calendar::LunarDate lunarInput{LunarNumber(state.year), LunarNumber(state.month), LunarNumber(state.day), false};
    // A lunar date that does not exist would convert to 0001-01-01 and give a
    // report of someone born two thousand years ago; it is refused like a
    // Gregorian date that does not exist.
    if (!calendar::IsValidLunarDate(lunarInput))
      throw InvalidInput("'" + state.dateText + "' is not a valid date", InvalidDateMessage(state.dateText));
    const std::string solar = FormatDate(calendar::LunarToSolar(lunarInput));
    state.dateText = solar;
    state.year = ByteCopy(solar, 0, 4);
    state.month = ByteCopy(solar, 5, 2);
    state.day = ByteCopy(solar, 8, 2);
  }

  // 4-7. The date, its lunar date and names.
  const DateValue birth = ParseDate(state.dateText);
  const calendar::LunarDate lunar = calendar::SolarToLunar(birth);
  if (lunar.year == 0) {
    // A day outside the lunar table (before 1900-01-31 or after 2100) has no
    // lunar date: its lunar text and animal stay empty rather than naming a
    // year that is not there.
    state.lunarText.clear();
    state.zodiac.clear();
  } else {
    const std::string yearName = calendar::GanZhiName(lunar.year - 1864);
    state.lunarText = yearName + calendar::LunarMonthName(lunar.month, lunar.leap) + calendar::LunarDayName(lunar.day);
    state.zodiac = ByteCopy(Trim(yearName), 5, 2);
  }
  state.constellation = calendar::ConstellationOf(birth);

  // 8. The report. One stroke cache serves the whole command.
  StrokeCache strokes;
  const FiveGrids grids = ComputeFiveGrids(state.surname, state.given, &strokes);
  const std::string talents = ThreeTalents(grids);
  const std::string ymd = FormatDate(birth);
  const std::string name = state.surname + state.given;

  pane.ClearPane();
  // A birth date still to come (a baby expected later) is 0 years old, not a
  // negative age.
  pane.AppendLine(name + ",您今年:" + std::to_string(std::max(0, currentYear - DecodeDate(birth).year)) + "岁");
  pane.AppendLine("您出生公历: " + ByteCopy(ymd, 0, 4) + "年" + ByteCopy(ymd, 5, 2) + "月" + ByteCopy(ymd, 8, 2) + "日" +
                  HourOfItem(state.hourText) + "点" + in.minute + "分");
  pane.AppendLine("农历:" + state.lunarText);
  pane.AppendLine("生肖:" + state.zodiac);
  pane.AppendLine("星座:" + state.constellation);
  const double score = NameScore(state.surname, state.given, grids, talents, &strokes);
  const std::string scoreText = FormatScore(score);
  pane.AppendLine("综合评分: " + scoreText + "分");
  pane.AppendLine(kReportSeparator);

  for (const GridSection& g : kReadingOrder) {
    const int n = grids[g.kind];
    pane.AppendLine(g.name + std::to_string(n) + g.heading);
    pane.AppendLine(NumberReading(n, 0) + NumberReading(n, 1));
  }

  if (std::optional<TalentRecordRow> record = TalentRecord(talents)) {
    pane.AppendLine(kReportSeparator);
    pane.AppendLine("【三才数理分析】：您的姓名三才配置为：" + talents +
                    "。它具有如下数理诱导力，据此会对人生产生一定的影响。");
    pane.AppendLine(Trim(record->yy));
    pane.AppendLine("【对基础运的影响】：" + Trim(record->jcy) + Trim(record->jx1));
    pane.AppendLine("【对成功运的影响】：" + Trim(record->cgy) + Trim(record->jx2));
    pane.AppendLine("【对人际关系的影响】：" + Trim(record->rjgx) + Trim(record->jx3));
    pane.AppendLine("【对性格的影响】：" + Trim(record->xg));
  }

  pane.AppendLine(kReportSeparator);
  for (const GridSection& g : kReadingOrder) {
    const int n = grids[g.kind];
    pane.AppendLine(g.name + std::to_string(n) + "数理暗示】：");
    pane.AppendLine(NumberReading(n, 2));
  }
  pane.AppendLine(kReportSeparator);
  pane.AppendLine(ScoreVerdict(score));
  pane.AppendLine("【系统综合评分】: " + scoreText + "分");
  pane.AppendLine("");
  if (closingLine) pane.AppendLine(kClosingLine);

  pane.ShowPane();
  pane.ScrollPaneToTop();
}

void RunThreeTalents(const AnalysisState& state, Pane& pane, data::Query& talentQuery) {
  if (state.surname.empty() || state.given.empty()) return;
  StrokeCache strokes;
  const std::string talents =
      ThreeTalents(ComputeGrid(state.surname, state.given, GridKind::Heaven, &strokes),
                   ComputeGrid(state.surname, state.given, GridKind::Person, &strokes),
                   ComputeGrid(state.surname, state.given, GridKind::Earth, &strokes));
  const std::string reading = TalentReading(talentQuery, talents);
  pane.ClearPane();
  pane.AppendLine(state.surname + state.given + ",您的三才为" + talents + ",经系统分析如下:");
  pane.AppendLine("");
  pane.AppendLine("");
  pane.AppendLine("    " + reading);
}

}  // namespace lumeno::numerology
