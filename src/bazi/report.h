#pragma once
// The eight-character report: the command behind 八字分析.
#include <optional>
#include <string>

#include "bazi/pillars.h"
#include "core/pane.h"

namespace lumeno::bazi {

struct BaziInputs {  // the texts of the main window's inputs, GBK
  std::string surname, sex, year, month, day, hourItem, minute;
  int calendarIndex = 0;  // 0 公历, 1 农历
};

enum class BaziOutcome {
  Written,         // the whole report is in the pane, shown and scrolled to its top
  Refused,         // an input check failed; its message went through ShowInfo
  SurnameMissing,  // refused because the surname is empty (the window focuses it)
  Stopped,         // a bone-weight statement could not run: the report stops after its heading
};

// The birth moment and the four pillars of the birth inputs (the surname
// aside), checked in the report's order: nothing when a check fails, its
// message shown through ShowInfo; an hour item that is none raises
// InvalidInput. The report and 按八字补五行 of the naming window share it.
struct CheckedBirth {
  BirthMoment moment;
  FourPillars pillars;
};
std::optional<CheckedBirth> CheckBirth(const BaziInputs& in);

// Checks the inputs in their fixed order, builds the birth moment, the
// pillars, the chart and the readings and writes the report into `pane`.
// `currentYear` is the year of today's date (for the age). An impossible
// Gregorian date raises GeneralError "'%s' is not a valid date" before the
// pane is touched; a lunar date the calendar cannot convert, or a date
// outside the years the lunar calendar covers, is refused with a message.
BaziOutcome BaziReport(const BaziInputs& in, Pane& pane, int currentYear);

// The separator line of the report.
extern const char* const kBaziSeparator;

}  // namespace lumeno::bazi
