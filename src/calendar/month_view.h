#pragma once
// What the calendar window shows for one Gregorian month, without any
// window: the 37 day cells of its grid (Sunday first), the year and month,
// the year's branch and animal and the constellation of the marked day.
// lumeno-cli prints the same view, so the window's content can be checked
// without a display.
#include <array>
#include <string>

#include "calendar/date_cn.h"
#include "core/date.h"

namespace lumeno::calendar {

// The grid: 37 cells, cell i (0-based) in row i / 7 and column i % 7,
// column 0 being Sunday. A month whose first day is a Saturday and that has
// 31 days reaches the last cell.
inline constexpr int kMonthViewCells = 37;
inline constexpr int kMonthViewColumns = 7;

struct MonthViewCell {
  int day = 0;   // the day of the month; 0 for a cell the month does not use (hidden)
  DayCell cell;  // the text under the day number and its colour
  friend bool operator==(const MonthViewCell&, const MonthViewCell&) = default;
};

struct MonthView {
  int year = 0;
  int month = 0;
  std::array<MonthViewCell, kMonthViewCells> cells{};
  int marked = -1;            // the cell of the view date's day
  std::string zodiac;         // CnZodiac of the view date
  std::string constellation;  // CnConstellation of the marked day
};

// The view of the month of `date`, with the day of `date` marked. Texts come
// from DateCn; outside 1901-2050 the day numbers are there and every text is
// empty.
MonthView MonthViewOf(DateValue date);

// The cell of day `day` in a month whose first day falls on `firstWeekday`
// (1 = Sunday ... 7 = Saturday).
constexpr int MonthViewCellOf(int firstWeekday, int day) { return firstWeekday + day - 2; }

// The date a view moves to when its year or month changes while the chosen
// day is `day`: that day, or the month's last day when the month is shorter
// (31 chosen in January gives 29 February 2000).
DateValue MonthViewDate(int year, int month, int day);

}  // namespace lumeno::calendar
