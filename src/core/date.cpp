#include "core/date.h"

#include <cmath>
#include <cstdio>

#include "core/error.h"
#include "core/text.h"

namespace lumeno {
namespace {

// Days from 0001-01-01 (proleptic Gregorian) to the given date.
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;  // days since 1970-01-01
}

YearMonthDay CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = yoe + era * 400;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(y + (m <= 2)), m, d};
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);  // relative to 1970-01-01

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInGregorianMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidGregorianDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInGregorianMonth(year, month);
}

std::optional<DateValue> TryEncodeDate(int year, int month, int day) {
  if (!IsValidGregorianDate(year, month, day)) return std::nullopt;
  return static_cast<DateValue>(DaysFromCivil(year, month, day) - kEpochOffset);
}

DateValue EncodeDate(int year, int month, int day) {
  auto v = TryEncodeDate(year, month, day);
  if (!v) throw GeneralError(StrFormat("'%d-%d-%d' is not a valid date", year, month, day));
  return *v;
}

std::optional<DateValue> TryEncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return std::nullopt;
  return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / 86400000.0;
}

DateValue EncodeTime(int hour, int minute, int second, int millisecond) {
  auto v = TryEncodeTime(hour, minute, second, millisecond);
  if (!v) throw GeneralError(StrFormat("'%d:%d:%d' is not a valid time", hour, minute, second));
  return *v;
}

YearMonthDay DecodeDate(DateValue value) {
  return CivilFromDays(static_cast<long long>(std::trunc(value)) + kEpochOffset);
}

TimeOfDay DecodeTime(DateValue value) {
  double frac = std::fabs(value - std::trunc(value));
  long long ms = std::llround(frac * 86400000.0);
  if (ms >= 86400000) ms = 86399999;
  TimeOfDay t;
  t.hour = static_cast<int>(ms / 3600000);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

int DayOfWeek(DateValue value) {
  long long days = static_cast<long long>(std::trunc(value));
  // 1899-12-30 was a Saturday (7).
  long long r = ((days % 7) + 7 + 6) % 7;  // 0 = Sunday
  return static_cast<int>(r) + 1;
}

std::string FormatDate(DateValue value) {
  YearMonthDay d = DecodeDate(value);
  return StrFormat("%04d-%02d-%02d", d.year, d.month, d.day);
}

std::string FormatDateTime(DateValue value) {
  YearMonthDay d = DecodeDate(value);
  TimeOfDay t = DecodeTime(value);
  return StrFormat("%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, t.hour, t.minute, t.second);
}

std::optional<DateValue> TryParseDate(std::string_view text) {
  std::string s = Trim(text);
  int parts[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int index = 0;
  for (char c : s) {
    if (c == '-') {
      if (++index > 2) return std::nullopt;
    } else if (c >= '0' && c <= '9') {
      if (++digits[index] > 4) return std::nullopt;
      parts[index] = parts[index] * 10 + (c - '0');
    } else {
      return std::nullopt;
    }
  }
  if (index != 2 || digits[1] > 2 || digits[2] > 2) return std::nullopt;
  for (int d : digits)
    if (d == 0) return std::nullopt;
  int year = parts[0];
  if (digits[0] <= 2) year += 2000;
  return TryEncodeDate(year, parts[1], parts[2]);
}

std::string InvalidDateMessage(const std::string& typedDate) {
  return "出生日期“" + typedDate + "”不存在，请检查年、月、日!";
}

std::string InvalidNumberMessage(const std::string& typedNumber) {
  return "“" + typedNumber + "”不是有效的数字，请检查出生日期!";
}

std::string InvalidHourMessage(const std::string& typedHour) {
  return "时辰“" + typedHour + "”无效，请选择0到23点中的一个时辰!";
}

DateValue ParseDate(std::string_view text) {
  auto v = TryParseDate(text);
  if (!v) throw InvalidInput("'" + std::string(text) + "' is not a valid date", InvalidDateMessage(std::string(text)));
  return *v;
}

}  // namespace lumeno
