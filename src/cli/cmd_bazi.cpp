// lumeno-cli bazi: the eight-character report as the main window's pane holds it.
#include "bazi/report.h"
#include "cli/cli.h"
#include "core/error.h"

namespace {

using lumeno::cli::Context;
using lumeno::cli::UsageError;

int Bazi(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), lumeno::cli::kBirthOptionNames);
  if (!args.positional.empty()) throw UsageError("unexpected argument '" + args.positional[0] + "'");
  if (args.Has("given")) throw UsageError("the eight-character report reads the surname only");
  const lumeno::cli::BirthOptions b = lumeno::cli::ReadBirthOptions(args);
  lumeno::bazi::BaziInputs in;
  in.surname = b.surname;
  in.sex = b.sex;
  in.year = b.year;
  in.month = b.month;
  in.day = b.day;
  in.hourItem = b.hourItem;
  in.minute = b.minute;
  in.calendarIndex = b.calendarIndex;
  lumeno::MemoryPane pane;
  lumeno::bazi::BaziOutcome outcome = lumeno::bazi::BaziReport(in, pane, b.currentYear);
  for (const std::string& line : pane.lines) ctx.Line(line);
  return outcome == lumeno::bazi::BaziOutcome::Written ? 0 : 1;
}

}  // namespace

LUMENO_CLI_COMMAND("bazi",
                   "--surname NAME --sex 男|女 [--calendar 公历|农历] --year Y --month M --day D --hour ITEM|0-23 "
                   "[--minute N] [--today YYYY-MM-DD]",
                   "the eight-character report (八字分析), line by line", Bazi,
                   lumeno::cli::kNeedsTgcode | lumeno::cli::kNeedsDream);
