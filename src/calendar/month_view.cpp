#include "calendar/month_view.h"

#include <algorithm>

namespace lumeno::calendar {

MonthView MonthViewOf(DateValue date) {
  const YearMonthDay ymd = DecodeDate(date);
  MonthView view;
  view.year = ymd.year;
  view.month = ymd.month;
  view.zodiac = CnZodiac(date);
  const DateValue first = EncodeDate(ymd.year, ymd.month, 1);
  const int firstWeekday = DayOfWeek(first);
  const int days = DaysInGregorianMonth(ymd.year, ymd.month);
  for (int d = 1; d <= days; ++d) {
    const int i = MonthViewCellOf(firstWeekday, d);
    view.cells[static_cast<std::size_t>(i)] = {d, CnDayCell(first + (d - 1))};
    if (d == ymd.day) {
      view.marked = i;
      view.constellation = CnConstellation(d, first);
    }
  }
  return view;
}

DateValue MonthViewDate(int year, int month, int day) {
  return EncodeDate(year, month, std::clamp(day, 1, DaysInGregorianMonth(year, month)));
}

}  // namespace lumeno::calendar
