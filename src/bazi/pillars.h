#pragma once
// The birth moment of an eight-character analysis and its four pillars.
//
// The pillars follow plain date arithmetic: the year changes on a fixed
// 4 February, the months on fixed calendar days (MonthBoundaryTable), the day
// pillar counts days and the hour pillar follows the clock hour, with 23
// o'clock still the 子 hour of the same day. The true solar-term moments are
// not used for the pillars.
#include <array>
#include <optional>
#include <string>

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "core/date.h"

namespace lumeno::bazi {

using calendar::GanZhi;

struct BirthMoment {
  int year = 0;   // Gregorian
  int month = 0;  // 1-12
  int day = 0;    // 1-31
  int hour = 0;   // 0-23, the number of the hour item
  std::string minute;  // the minute text as entered; shown, never computed with
  bool male = false;   // only the exact text 男 counts as male
  calendar::LunarDate lunar;
  DateValue Date() const { return EncodeDate(year, month, day); }
};

struct FourPillars {
  GanZhi year, month, day, hour;
};

// One row of the month boundaries: the range of the key month*100+day, the
// month branch, and the preliminary day count used when no solar term is
// found for the start age.
struct MonthBoundary {
  int from;
  int to;
  int branch;
  int (*preliminary)(int month, int day);
};
extern const std::array<MonthBoundary, 13> MonthBoundaryTable;
const MonthBoundary& MonthBoundaryOf(int month, int day);

// Why a birth date cannot be analysed.
enum class BirthDateProblem {
  None,
  LunarDateRejected,  // a lunar date the calendar cannot convert
  OutOfRange,         // a Gregorian date the lunar calendar does not cover
};

struct NormalisedDate {
  int year = 0, month = 0, day = 0;
  BirthDateProblem problem = BirthDateProblem::None;
};

// The Gregorian date of the inputs. calendarIndex 0: the texts are the
// Gregorian date, parsed from "year-month-day" (raising GeneralError
// "'%s' is not a valid date" for a date that does not exist); 1: they are a
// lunar year, month and day (never a leap month), converted with
// LunarToSolar. Dates the lunar calendar does not cover are flagged.
NormalisedDate NormaliseBirthDate(int calendarIndex, const std::string& year, const std::string& month,
                                  const std::string& day);

// The hour number of an hour item such as "子 23": its bytes 4-5, trimmed;
// a bare number is accepted too. -1 when there is no number 0-23.
int HourOfHourItem(const std::string& hourItem);

// The birth moment of a normalised date: hour, minute, sex and lunar date.
BirthMoment MakeBirthMoment(const NormalisedDate& date, int hour, const std::string& minute, const std::string& sex);

// The four pillars, or nothing for a day beyond the length of its month
// (30 in April, June, September and November; 28 or 29 in February).
std::optional<FourPillars> ComputeFourPillars(int year, int month, int day, int hour);

// The sexagenary index of the day: days from 1900-02-20 (a 甲子 day) mod 60.
int DayCycleIndex(int year, int month, int day);

}  // namespace lumeno::bazi
