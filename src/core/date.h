#pragma once
// Date values: a double day count from 1899-12-30 whose fraction is the time
// of day (day count 32 is 1900-01-31). Negative counts are days before
// 1899-12-30; as usual for this representation the fraction of a negative
// value still counts forward from midnight of its whole day.
#include <optional>
#include <string>
#include <string_view>

namespace lumeno {

using DateValue = double;

struct YearMonthDay {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const YearMonthDay&, const YearMonthDay&) = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInGregorianMonth(int year, int month);  // 0 for a month outside 1-12
bool IsValidGregorianDate(int year, int month, int day);  // years 1-9999

// Whole day count of a Gregorian date; nothing for an invalid date.
std::optional<DateValue> TryEncodeDate(int year, int month, int day);
// The same, raising GeneralError for an invalid date.
DateValue EncodeDate(int year, int month, int day);
// Fraction of a day; nothing outside 0-23, 0-59, 0-59, 0-999.
std::optional<DateValue> TryEncodeTime(int hour, int minute, int second, int millisecond);
DateValue EncodeTime(int hour, int minute, int second = 0, int millisecond = 0);

YearMonthDay DecodeDate(DateValue value);
TimeOfDay DecodeTime(DateValue value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(DateValue value);

// "yyyy-MM-dd" of the date part.
std::string FormatDate(DateValue value);
// "yyyy-MM-dd hh:mm:ss".
std::string FormatDateTime(DateValue value);

// Parses a date text under the program's own conventions: separator "-",
// order year-month-day, one or two digits for month and day (1980-1-5 and
// 1980-01-05); surrounding blanks are ignored; a one- or two-digit year is
// taken as 2000 + year. Nothing for a text that is not a real date.
std::optional<DateValue> TryParseDate(std::string_view text);
// The same, raising InvalidInput (a GeneralError) "'<text>' is not a valid
// date".
DateValue ParseDate(std::string_view text);

}  // namespace lumeno
