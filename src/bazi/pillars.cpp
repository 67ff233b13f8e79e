#include "bazi/pillars.h"

#include "core/error.h"
#include "core/text.h"

namespace lumeno::bazi {

using calendar::CycleIndex;

const std::array<MonthBoundary, 13> MonthBoundaryTable = {{
    {204, 305, 2, [](int m, int d) { return ((m - 2) * 30 + d - 4) / 3; }},
    {306, 404, 3, [](int m, int d) { return ((m - 3) * 30 + d - 6) / 3; }},
    {405, 504, 4, [](int m, int d) { return ((m - 4) * 30 + d - 5) / 3; }},
    {505, 605, 5, [](int m, int d) { return ((m - 5) * 30 + d - 5) / 3; }},
    {606, 706, 6, [](int m, int d) { return ((m - 6) * 30 + d - 6) / 3; }},
    {707, 807, 7, [](int m, int d) { return ((m - 7) * 30 + d - 7) / 3; }},
    {808, 907, 8, [](int m, int d) { return ((m - 8) * 30 + d - 8) / 3; }},
    {908, 1007, 9, [](int m, int d) { return ((m - 9) * 30 + d - 8) / 3; }},
    {1008, 1106, 10, [](int m, int d) { return ((m - 10) * 30 + d - 8) / 3; }},
    {1107, 1207, 11, [](int m, int d) { return ((m - 11) * 30 + d - 7) / 3; }},
    {1208, 1231, 0, [](int, int d) { return (d - 8) / 3; }},
    {101, 105, 0, [](int, int d) { return (d + 26) / 3; }},
    {106, 203, 1, [](int m, int d) { return ((m - 1) * 30 + d - 6) / 3; }},
}};

const MonthBoundary& MonthBoundaryOf(int month, int day) {
  const int w = month * 100 + day;
  for (const MonthBoundary& row : MonthBoundaryTable)
    if (w >= row.from && w <= row.to) return row;
  // Keys outside every range (a day 32 of a month, say) belong to the row
  // whose range starts last before them.
  const MonthBoundary* best = &MonthBoundaryTable[12];
  for (const MonthBoundary& row : MonthBoundaryTable)
    if (row.from <= w && row.from >= best->from) best = &row;
  return *best;
}

namespace {

std::optional<int> Number(const std::string& text) { return ParseInt(Trim(text)); }

}  // namespace

NormalisedDate NormaliseBirthDate(int calendarIndex, const std::string& year, const std::string& month,
                                  const std::string& day) {
  NormalisedDate out;
  const std::string text = Trim(year) + "-" + Trim(month) + "-" + Trim(day);
  DateValue date;
  if (calendarIndex == 1) {
    auto y = Number(year), m = Number(month), d = Number(day);
    if (!y || !m || !d) throw InvalidInput("'" + text + "' is not a valid date", InvalidDateMessage(text));
    date = calendar::LunarToSolar(calendar::LunarDate{*y, *m, *d, false});
    if (date == calendar::kRejectedLunarDate) {
      out.problem = BirthDateProblem::LunarDateRejected;
      return out;
    }
  } else {
    date = ParseDate(text);
  }
  YearMonthDay ymd = DecodeDate(date);
  out.year = ymd.year;
  out.month = ymd.month;
  out.day = ymd.day;
  if (date < calendar::kLunarTableFirstDay || date >= calendar::kLunarTableEndDay)
    out.problem = BirthDateProblem::OutOfRange;
  return out;
}

int HourOfHourItem(const std::string& hourItem) {
  std::string item = Trim(hourItem);
  auto bare = ParseInt(item);
  if (!bare) bare = ParseInt(Trim(ByteCopy(hourItem, 3, 2)));
  if (!bare || *bare < 0 || *bare > 23) return -1;
  return *bare;
}

BirthMoment MakeBirthMoment(const NormalisedDate& date, int hour, const std::string& minute, const std::string& sex) {
  BirthMoment b;
  b.year = date.year;
  b.month = date.month;
  b.day = date.day;
  b.hour = hour;
  b.minute = minute;
  b.male = Trim(sex) == "男";
  b.lunar = calendar::SolarToLunar(EncodeDate(date.year, date.month, date.day));
  return b;
}

int DayCycleIndex(int year, int month, int day) {
  const long long days = static_cast<long long>(EncodeDate(year, month, day) - EncodeDate(1900, 2, 20));
  return CycleIndex(days, 60);
}

std::optional<FourPillars> ComputeFourPillars(int year, int month, int day, int hour) {
  const bool leap = IsLeapYear(year);
  if (((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) || (month == 2 && day > (leap ? 29 : 28)))
    return std::nullopt;
  const int w = month * 100 + day;
  FourPillars p;
  const int chartYear = w >= 204 ? year : year - 1;
  p.year = {CycleIndex(chartYear - 4, 10), CycleIndex(chartYear - 4, 12)};

  const int monthBranch = MonthBoundaryOf(month, day).branch;
  const int k = CycleIndex(monthBranch - 2, 12);  // 寅 = 0 ... 丑 = 11
  p.month = {CycleIndex(2 * p.year.stem + 2 + k, 10), monthBranch};

  // Day of the year, February counted with 29 days in leap years.
  static const int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int n = kBefore[month - 1] + day + (leap && month > 2 ? 1 : 0);
  const long long y1 = year - 1;
  const int c = CycleIndex(y1 * 5 + y1 / 4 - y1 / 100 + y1 / 400 + n + 6015, 60);
  const int dayIndex = CycleIndex(c + 59, 60);
  p.day = GanZhi::OfCycle(dayIndex);

  const int hourBranch = CycleIndex((hour + 1) / 2, 12);
  p.hour = {CycleIndex(2 * p.day.stem + hourBranch, 10), hourBranch};
  return p;
}

}  // namespace lumeno::bazi
