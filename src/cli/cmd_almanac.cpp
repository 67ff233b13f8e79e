// The almanac on the command line: almanac (the almanac window's 测算) and
// jiri (the auspicious-day search).
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/date.h"
#include "core/text.h"
#include "data/database.h"
#include "data/query.h"
#include "fortune/almanac.h"
#include "fortune/almanac_rules.h"

namespace {

using lumeno::DateValue;
using lumeno::cli::Context;
using lumeno::cli::UsageError;
namespace fortune = lumeno::fortune;

std::string VelBirth() { return lumeno::data::ConnectionStringFor(lumeno::data::DatabaseFile::VelBirth); }

// The three parts of YYYY-MM-DD as the window's three inputs take them.
std::vector<std::string> DateParts(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '-') parts.emplace_back();
    else parts.back() += c;
  }
  if (parts.size() != 3) throw UsageError("'" + text + "' is not a date (expected YYYY-MM-DD)");
  // A year of one or two digits is 2000 + the number, in the SQL text too.
  if (auto year = lumeno::cli::ParseYear(parts[0])) parts[0] = std::to_string(*year);
  return parts;
}

DateValue ParseDay(const std::string& text) {
  if (auto d = lumeno::TryParseDate(text)) return *d;
  throw UsageError("'" + text + "' is not a date (expected YYYY-MM-DD)");
}

DateValue Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return lumeno::EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int Almanac(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.size() != 1) throw UsageError("needs one date YYYY-MM-DD");
  const std::vector<std::string> p = DateParts(args.positional[0]);
  lumeno::data::Query query(VelBirth());
  std::string overview;
  lumeno::MemoryPane pane;
  switch (fortune::LookUpAlmanacDay(p[0], p[1], p[2], query, overview, pane)) {
    case fortune::AlmanacOutcome::Shown:
      ctx.Line(overview);
      for (const std::string& line : pane.lines) ctx.Line(line);
      return 0;
    case fortune::AlmanacOutcome::NoEntry:
      // The window shows nothing here; the command line says why.
      ctx.ErrorLine("没有" + lumeno::Trim(args.positional[0]) + "的黄历：黄历收录1901-01-01至2100-12-31。");
      return 1;
    default:
      return 1;  // the message went through ShowInfo to standard error
  }
}

int Jiri(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(ctx.Args(), {"from", "days"}, {"list"});
  const std::vector<std::string> activities = fortune::AlmanacActivities(VelBirth());
  if (args.Has("list")) {
    if (!args.positional.empty() || args.Has("from") || args.Has("days"))
      throw UsageError("--list takes no other argument");
    for (const std::string& a : activities) ctx.Line(a);
    return 0;
  }
  if (args.positional.size() != 1) throw UsageError("needs one ACTIVITY (lumeno-cli jiri --list shows them)");
  const std::string activity = lumeno::Trim(args.positional[0]);
  bool known = false;
  for (const std::string& a : activities) known = known || a == activity;
  if (!known) throw UsageError("'" + activity + "' is no activity of the almanac (lumeno-cli jiri --list shows them)");
  const DateValue from = args.Has("from") ? ParseDay(*args.Get("from")) : Today();
  if (from < fortune::AlmanacFirstDay() || from > fortune::AlmanacLastDay())
    throw UsageError("--from lies outside the almanac, 1901-01-01 to 2100-12-31");
  const int days = args.GetInt("days").value_or(fortune::kDefaultLuckyDaySpan);
  if (days < 1 || days > 73049) throw UsageError("--days takes 1 to 73049");
  for (const fortune::LuckyDay& d : fortune::FindLuckyDays(VelBirth(), activity, from, days)) {
    ctx.Line(lumeno::FormatDate(d.date) + "\t" + d.lunar + "\t" + d.weekday + "\t" + d.pillar + "日\t" +
             (d.yellowPath ? "黄道" : "黑道"));
  }
  return 0;
}

}  // namespace

LUMENO_CLI_COMMAND("almanac", "YYYY-MM-DD",
                   "the almanac of a day: its overview line and result lines, as the almanac window shows them", Almanac,
                   lumeno::cli::kNeedsVelBirth);
LUMENO_CLI_COMMAND("jiri", "ACTIVITY [--from YYYY-MM-DD] [--days N] | --list",
                   "auspicious days for an activity from a day (today unless --from), 90 days unless --days: "
                   "one line per day: date, lunar date, weekday, day pillar and yellow or black path; --list shows "
                   "the activities",
                   Jiri, lumeno::cli::kNeedsVelBirth);
