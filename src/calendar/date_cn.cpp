#include "calendar/date_cn.h"

#include <cstdlib>

#include "calendar/ganzhi.h"

namespace lumeno::calendar {
inline namespace DateCn {
namespace {

// The day of a date value and its Gregorian parts; `valid` is false for a
// value that is no date of 1901-2050 (NaN included), which every operation
// here answers with 0 or "".
struct CnDay {
  bool valid = false;
  int year = 0;
  int month = 0;
  int day = 0;
  DateValue whole = 0;  // the date value of the day at 00:00
};

// Day count (from 1899-12-30) of a Gregorian date, for constants.
constexpr long long DayCount(int y, int m, int d) {
  // Days from 0000-03-01 of the proleptic calendar, year starting in March.
  if (m <= 2) {
    y -= 1;
    m += 12;
  }
  const long long days = 365LL * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + d - 1;
  return days - 693899;  // 1899-12-30
}
static_assert(DayCount(1899, 12, 30) == 0 && DayCount(1900, 1, 31) == 32 && DayCount(2000, 1, 1) == 36526);

constexpr DateValue kCnFirstDay = DayCount(kCnFirstYear, 1, 1);
constexpr DateValue kCnEndDay = DayCount(kCnLastYear + 1, 1, 1);

CnDay SplitDay(DateValue date) {
  CnDay d;
  if (!(date >= kCnFirstDay && date < kCnEndDay)) return d;
  d.whole = static_cast<DateValue>(static_cast<long long>(date));
  const YearMonthDay ymd = DecodeDate(d.whole);
  d.valid = true;
  d.year = ymd.year;
  d.month = ymd.month;
  d.day = ymd.day;
  return d;
}

// A Gregorian month of the table's years, for the operations that take a day
// number and a date of the month; nothing when the day is not in the month.
bool MonthHoldsDay(const CnDay& m, int day) { return m.valid && day >= 1 && day <= DaysInMonth(m.year, m.month); }

struct CodeParts {
  int month = 0;  // 1-12, 0 for no code
  int day = 0;    // 1-30
  bool leap = false;
};

CodeParts Parts(int code) {
  const int a = std::abs(code);
  return {a / 100, a % 100, code < 0};
}

std::string MonthNameOf(int code) {
  const CodeParts p = Parts(code);
  if (p.month < 1 || p.month > 12) return {};
  std::string s;
  if (p.leap) {
    s = "闰";
    s += CnMonthNames[p.month - 1];
  } else {
    s = CnMonthNames[p.month - 1];
    s += "月";
  }
  return s;
}

int LunarCodeOf(const CnDay& d) {
  if (!d.valid) return 0;
  const std::uint32_t record = CnYearTable[d.year - kCnFirstYear];
  const int b0 = static_cast<int>(record >> 24);
  const unsigned mask = (record >> 8) & 0xFFFFu;
  const int leapMonth = static_cast<int>(record & 0xFFu);

  // The lunar months from the one in progress on 1 January: their numbers
  // (negative for the leap month) and lengths.
  int months[17];
  int lengths[16];
  months[0] = (b0 & 0x80) ? 12 : 11;
  const int firstDay = b0 & 0x7F;
  for (int i = 0; i < 16; ++i) {
    lengths[i] = (mask >> (15 - i)) & 1u ? 30 : 29;
    if (months[i] == leapMonth) {
      months[i + 1] = -leapMonth;
    } else {
      const int next = std::abs(months[i]) + 1;
      months[i + 1] = next > 12 ? 1 : next;
    }
  }

  const DateValue newYear = static_cast<DateValue>(DayCount(d.year, 1, 1));
  const int e = static_cast<int>(d.whole - newYear);  // 0 on 1 January
  int month;
  int day;
  if (e <= lengths[0] - firstDay) {
    // Still the month in progress on 1 January. If last year ended inside a
    // leap month, that leap month goes on.
    day = firstDay + e;
    month = months[0];
    if (d.year > kCnFirstYear && LunarCodeOf(SplitDay(newYear - 1)) < 0) month = -month;
  } else {
    int s = lengths[0] - firstDay;
    int i = 1;
    while (i < 15 && e > s + lengths[i]) s += lengths[i++];
    month = months[i];
    day = e - s;
  }
  return month > 0 ? month * 100 + day : month * 100 - day;
}

}  // namespace

int CnLunarCode(DateValue date) { return LunarCodeOf(SplitDay(date)); }

std::string CnMonthName(DateValue date) { return MonthNameOf(CnLunarCode(date)); }

std::string CnDayName(DateValue date) {
  const CodeParts p = Parts(CnLunarCode(date));
  if (p.day < 1 || p.day > 30) return {};
  return std::string(CnDayNames[p.day - 1]);
}

std::string CnLunarFestival(DateValue date) {
  const CnDay d = SplitDay(date);
  const int code = LunarCodeOf(d);
  if (code == 0) return {};
  const CodeParts p = Parts(code);
  const std::string monthName = MonthNameOf(code);
  switch (p.day) {
    case 1: case 5: case 7: case 8: case 9: case 15:
      for (const auto& rule : CnLunarFestivals) {
        if (rule.day == p.day && rule.monthName == monthName) return std::string(rule.text);
      }
      return {};
    default:
      // The last day of the year: tomorrow is in 正月 and today is not. On
      // 2050-12-31 tomorrow lies outside the table and has no month name.
      if (monthName != "正月" && MonthNameOf(LunarCodeOf(SplitDay(d.whole + 1))) == "正月")
        return std::string(CnNewYearsEve);
      return {};
  }
}

std::string CnSolarFestival(int day, DateValue monthDate) {
  const CnDay m = SplitDay(monthDate);
  if (!MonthHoldsDay(m, day)) return {};
  const int firstWeekday = DayOfWeek(static_cast<DateValue>(DayCount(m.year, m.month, 1)));  // 1 = Sunday
  const int weekday = (firstWeekday - 1 + day - 1) % 7 + 1;
  std::string_view text;
  for (const auto& rule : CnSolarFestivals) {
    if (rule.month != m.month) continue;
    const bool hit = rule.weekday == 0 ? rule.day == day : rule.weekday == weekday && (day - 1) / 7 == rule.week;
    if (hit) text = rule.text;  // a later rule wins
  }
  return std::string(text);
}

std::string CnSolarTerm(DateValue date) {
  const CnDay d = SplitDay(date);
  if (!d.valid) return {};
  const std::uint8_t byte = CnTermTable[(d.year - kCnFirstYear) * 12 + d.month - 1];
  const int high = byte >> 4;
  const int low = byte & 0xF;
  if (d.day < 15) {
    if (d.day == 15 - high) return std::string(CnTermNames[2 * d.month - 2]);
  } else if (d.day == 15 + low) {
    return std::string(CnTermNames[2 * d.month - 1]);
  }
  return {};
}

std::string CnZodiac(DateValue date) {
  const CnDay d = SplitDay(date);
  const int code = LunarCodeOf(d);
  if (code == 0) return {};
  int k = CycleIndex(d.year - kCnYearNamesFrom, 12);
  // January to September in the 11th (冬) or 12th (腊) lunar month, leap or
  // not: the lunar year has not turned yet.
  const int lunarMonth = Parts(code).month;
  if (d.month <= 9 && (lunarMonth == 11 || lunarMonth == 12)) k = CycleIndex(k - 1, 12);
  return std::string(CnYearNames[k]);
}

std::string CnConstellation(int day, DateValue monthDate) {
  const CnDay m = SplitDay(monthDate);
  if (!MonthHoldsDay(m, day)) return {};
  const CnConstellationRule& rule = CnConstellations[m.month - 1];
  return std::string(day <= rule.upTo ? rule.before : rule.after);
}

int DaysInMonth(int year, int month) { return DaysInGregorianMonth(year, month); }

std::string_view CellColourName(CellColour colour) {
  switch (colour) {
    case CellColour::DarkGreen: return "darkgreen";
    case CellColour::Red: return "red";
    case CellColour::Orange: return "orange";
    case CellColour::Blue: return "blue";
  }
  return "darkgreen";
}

CellRgb CellColourRgb(CellColour colour) {
  switch (colour) {
    case CellColour::DarkGreen: return {0, 64, 0};
    case CellColour::Red: return {255, 0, 0};
    case CellColour::Orange: return {255, 128, 0};
    case CellColour::Blue: return {83, 83, 255};
  }
  return {0, 64, 0};
}

DayCell CnDayCell(DateValue date) {
  const CnDay d = SplitDay(date);
  if (!d.valid) return {};
  DayCell cell{CnDayName(d.whole), CellColour::DarkGreen};
  if (cell.text == "初一") cell = {CnMonthName(d.whole), CellColour::Red};
  if (std::string s = CnSolarFestival(d.day, d.whole); !s.empty()) cell = {std::move(s), CellColour::Orange};
  if (std::string s = CnSolarTerm(d.whole); !s.empty()) cell = {std::move(s), CellColour::Blue};
  if (std::string s = CnLunarFestival(d.whole); !s.empty()) cell = {std::move(s), CellColour::Orange};
  return cell;
}

}  // namespace DateCn
}  // namespace lumeno::calendar
