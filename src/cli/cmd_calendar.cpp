// The calendar engine on the command line: lunar, solar, terms, month and
// the calendar window's view of a month. One line per item, fields separated
// by one tab.
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_cn.h"
#include "calendar/lunar.h"
#include "calendar/month_view.h"
#include "calendar/names.h"
#include "cli/cli.h"
#include "core/date.h"
#include "core/text.h"

namespace {

using lumeno::DateValue;
using lumeno::cli::Context;
using lumeno::cli::UsageError;
namespace cal = lumeno::calendar;

// Splits "d1-d2[-d3]" into its numbers: every part 1 to `maxDigits[i]`
// digits, nothing else. Nothing when the text does not have that shape.
std::optional<std::vector<int>> NumberParts(const std::string& text, std::vector<int> maxDigits) {
  std::vector<int> parts(1, 0);
  std::vector<int> digits(1, 0);
  for (char c : text) {
    if (c == '-') {
      if (parts.size() == maxDigits.size()) return std::nullopt;
      parts.push_back(0);
      digits.push_back(0);
    } else if (c >= '0' && c <= '9') {
      if (++digits.back() > maxDigits[parts.size() - 1]) return std::nullopt;
      parts.back() = parts.back() * 10 + (c - '0');
    } else {
      return std::nullopt;
    }
  }
  if (parts.size() != maxDigits.size()) return std::nullopt;
  for (int d : digits)
    if (d == 0) return std::nullopt;
  return parts;
}

// The year of a "yyyy-..." text: one or two digits mean 2000 + the number,
// as in every date text of the program.
int ExpandedYear(const std::string& trimmed, int year) {
  const std::size_t dash = trimmed.find('-');
  return (dash == std::string::npos ? trimmed.size() : dash) <= 2 ? 2000 + year : year;
}

// A day as yyyy-mm-dd (one to four digits of year, one or two of month and day).
DateValue ParseDay(const std::string& text) {
  if (auto v = lumeno::TryParseDate(text)) return *v;
  throw UsageError("'" + text + "' is not a date (expected yyyy-mm-dd)");
}

struct YearMonth {
  int year;
  int month;
};

// A month as yyyy-mm.
YearMonth ParseMonth(const std::string& text) {
  const std::string t = lumeno::Trim(text);
  const auto p = NumberParts(t, {4, 2});
  if (p && (*p)[0] >= 1 && (*p)[1] >= 1 && (*p)[1] <= 12) return {ExpandedYear(t, (*p)[0]), (*p)[1]};
  throw UsageError("'" + text + "' is not a month (expected yyyy-mm)");
}

int ParseWhole(const std::string& text, const char* what) {
  if (auto n = lumeno::ParseInt(lumeno::Trim(text))) return *n;
  throw UsageError(std::string(what) + " '" + text + "' is not a whole number");
}

// Either the positional items or --from/--to, never both.
struct Items {
  std::vector<std::string> list;
  std::optional<std::pair<std::string, std::string>> range;
};

Items ReadItems(const lumeno::cli::ParsedArgs& args, const char* kind) {
  Items items;
  const bool from = args.Has("from");
  const bool to = args.Has("to");
  if (from || to) {
    if (!from || !to) throw UsageError("--from and --to go together");
    if (!args.positional.empty()) throw UsageError(std::string("give either ") + kind + "s or --from/--to, not both");
    items.range.emplace(*args.Get("from"), *args.Get("to"));
  } else {
    if (args.positional.empty()) throw UsageError(std::string("no ") + kind + " given");
    items.list = args.positional;
  }
  return items;
}

std::string LunarLine(DateValue x) {
  std::string line = lumeno::FormatDate(x);
  const cal::LunarDate d = cal::SolarToLunar(x);
  if (d == cal::LunarDate{}) return line + "\t0\t0\t0\t0\t\t\t";
  line += lumeno::StrFormat("\t%d\t%d\t%d\t%d\t", d.year, d.month, d.day, d.leap ? 1 : 0);
  line += cal::GanZhiName(d.year - 1864);
  line += cal::LunarMonthName(d.month, d.leap);
  line += cal::LunarDayName(d.day);
  line += '\t';
  line += cal::SolarTermOfDate(x);
  line += '\t';
  line += cal::ConstellationOf(x);
  return line;
}

int RunLunar(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {"from", "to"});
  const Items items = ReadItems(args, "date");
  if (items.range) {
    const DateValue from = ParseDay(items.range->first);
    const DateValue to = ParseDay(items.range->second);
    if (from > to) throw UsageError("--from " + items.range->first + " lies after --to " + items.range->second);
    for (DateValue x = from; x <= to; x += 1) ctx.Line(LunarLine(x));
  } else {
    std::vector<DateValue> days;  // all checked before anything is written
    for (const auto& s : items.list) days.push_back(ParseDay(s));
    for (DateValue x : days) ctx.Line(LunarLine(x));
  }
  return 0;
}

int ParseYearArgument(const std::string& text) {
  if (auto y = lumeno::cli::ParseYear(text)) return *y;
  throw UsageError("year '" + text + "' is not a year such as 2026");
}

int RunSolar(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {}, {"leap"});
  if (args.positional.size() != 3) throw UsageError("needs a lunar YEAR, MONTH and DAY");
  cal::LunarDate d;
  d.year = ParseYearArgument(args.positional[0]);
  d.month = ParseWhole(args.positional[1], "month");
  d.day = ParseWhole(args.positional[2], "day");
  d.leap = args.Has("leap");
  if (d.month < 1 || d.month > 12) throw UsageError("a lunar month is 1 to 12");
  if (d.day < 1 || d.day > 30) throw UsageError("a lunar day is 1 to 30");
  if (!cal::IsValidLunarDate(d))
    throw UsageError(lumeno::StrFormat("the lunar date %d-%d-%d%s does not exist (the lunar calendar covers 1901 to 2099)",
                                       d.year, d.month, d.day, d.leap ? " (leap month)" : ""));
  ctx.Line(lumeno::FormatDate(cal::LunarToSolar(d)));
  return 0;
}

int RunTerms(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.size() != 1) throw UsageError("needs one YEAR");
  const int year = ParseYearArgument(args.positional[0]);
  if (year < 1 || year > 9999) throw UsageError("year " + args.positional[0] + " lies outside 1-9999");
  for (int n = 0; n < 24; ++n) {
    ctx.Line(lumeno::StrFormat("%d\t", n) + std::string(cal::SolarTermNames[n]) + "\t" +
             lumeno::FormatDateTime(cal::SolarTermMoment(year, n)));
  }
  return 0;
}

void MonthLines(Context& ctx, YearMonth ym) {
  const DateValue first = lumeno::EncodeDate(ym.year, ym.month, 1);
  const int days = cal::DaysInMonth(ym.year, ym.month);
  for (int d = 1; d <= days; ++d) {
    const DateValue t = first + (d - 1);
    const cal::DayCell cell = cal::CnDayCell(t);
    std::string line = lumeno::FormatDate(t);
    line += lumeno::StrFormat("\t%d\t", cal::CnLunarCode(t));
    for (const std::string& field :
         {cal::CnMonthName(t), cal::CnDayName(t), cal::CnLunarFestival(t), cal::CnSolarFestival(d, first),
          cal::CnSolarTerm(t), cal::CnZodiac(t), cal::CnConstellation(d, first), cell.text}) {
      line += field;
      line += '\t';
    }
    line += cal::CellColourName(cell.colour);
    ctx.Line(line);
  }
}

int RunMonth(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {"from", "to"});
  const Items items = ReadItems(args, "month");
  std::vector<YearMonth> months;
  if (items.range) {
    const YearMonth from = ParseMonth(items.range->first);
    const YearMonth to = ParseMonth(items.range->second);
    if (from.year * 12 + from.month > to.year * 12 + to.month)
      throw UsageError("--from " + items.range->first + " lies after --to " + items.range->second);
    for (int k = from.year * 12 + from.month - 1; k <= to.year * 12 + to.month - 1; ++k) months.push_back({k / 12, k % 12 + 1});
  } else {
    for (const auto& s : items.list) months.push_back(ParseMonth(s));
  }
  for (const YearMonth& ym : months) MonthLines(ctx, ym);
  return 0;
}

// The calendar window opened on a day: a heading with the month shown, the
// year's branch and animal and the constellation of the day, then one line
// per day cell of the grid (cell 1-37, row, column with 0 for Sunday, day,
// text, colour), the marked cell ending in "*".
int RunCalendar(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.empty()) throw UsageError("no date given");
  std::vector<DateValue> days;
  for (const std::string& s : args.positional) days.push_back(ParseDay(s));
  for (DateValue x : days) {
    const cal::MonthView view = cal::MonthViewOf(x);
    ctx.Line(lumeno::StrFormat("%04d-%02d\t", view.year, view.month) + view.zodiac + "\t" + view.constellation);
    for (int i = 0; i < cal::kMonthViewCells; ++i) {
      const cal::MonthViewCell& c = view.cells[static_cast<std::size_t>(i)];
      if (c.day == 0) continue;
      std::string line = lumeno::StrFormat("%d\t%d\t%d\t%d\t", i + 1, i / cal::kMonthViewColumns,
                                           i % cal::kMonthViewColumns, c.day);
      line += c.cell.text + "\t" + std::string(cal::CellColourName(c.cell.colour));
      if (i == view.marked) line += "\t*";
      ctx.Line(line);
    }
  }
  return 0;
}

}  // namespace

LUMENO_CLI_COMMAND("lunar", "DATE... | --from DATE --to DATE",
                   "lunar date, lunar text, solar term and constellation of each day (yyyy-mm-dd)", RunLunar);
LUMENO_CLI_COMMAND("solar", "YEAR MONTH DAY [--leap]",
                   "Gregorian date of a lunar date (a lunar date that does not exist is refused)", RunSolar);
LUMENO_CLI_COMMAND("terms", "YEAR", "the 24 solar terms of a year: index, name and moment", RunTerms);
LUMENO_CLI_COMMAND("month", "YYYY-MM... | --from YYYY-MM --to YYYY-MM",
                   "month-view data of every day: lunar code, names, festivals, term, zodiac, "
                   "constellation, and the text and colour under the day",
                   RunMonth);
LUMENO_CLI_COMMAND("calendar", "DATE...",
                   "the calendar window opened on each day (yyyy-mm-dd): month, zodiac and constellation, "
                   "then every day cell of the grid with its place, text and colour, the marked one with *",
                   RunCalendar);
