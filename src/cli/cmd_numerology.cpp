// Name numerology on the command line: stroke counts, the five grids with
// their score, the name analysis report and the three-talent reading.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/error.h"
#include "core/gbk.h"
#include "core/pane.h"
#include "core/text.h"
#include "data/database.h"
#include "data/query.h"
#include "numerology/grids.h"
#include "numerology/name_report.h"
#include "numerology/score.h"

namespace {

using lumeno::cli::Context;
using lumeno::cli::UsageError;
namespace num = lumeno::numerology;

// The characters of a GBK text, double-byte ones as two bytes.
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t len = lumeno::GbkCharLength(text, pos);
    out.push_back(text.substr(pos, len));
    pos += len;
  }
  return out;
}

int Strokes(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.empty()) throw UsageError("give the text whose characters to count");
  num::StrokeCache cache;
  for (const std::string& text : args.positional)
    for (const std::string& c : Characters(text)) ctx.Line(c + "\t" + std::to_string(num::LookupStroke(c, &cache)));
  return 0;
}

int Grids(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.size() != 2) throw UsageError("give the surname and the given name");
  const std::string surname = lumeno::Trim(args.positional[0]);
  const std::string given = lumeno::Trim(args.positional[1]);
  if (surname.empty() || given.empty()) throw UsageError("give the surname and the given name");
  lumeno::cli::CheckName("surname", surname);
  lumeno::cli::CheckName("given", given);
  num::StrokeCache cache;
  std::string line = "strokes";
  for (const std::string& c : Characters(surname + given))
    line += "\t" + c + "\t" + std::to_string(num::LookupStroke(c, &cache));
  ctx.Line(line);
  const num::FiveGrids grids = num::ComputeFiveGrids(surname, given, &cache);
  ctx.Line("heaven\t" + std::to_string(grids.heaven));
  ctx.Line("earth\t" + std::to_string(grids.earth));
  ctx.Line("person\t" + std::to_string(grids.person));
  ctx.Line("total\t" + std::to_string(grids.total));
  ctx.Line("outer\t" + std::to_string(grids.outer));
  const std::string talents = num::ThreeTalents(grids);
  ctx.Line("talents\t" + talents);
  ctx.Line("score\t" + num::FormatScore(num::NameScore(surname, given, grids, talents, &cache)));
  return 0;
}

struct NameRequest {
  num::NameInputs inputs;
  int currentYear = 0;
};

NameRequest ReadNameRequest(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), lumeno::cli::kBirthOptionNames);
  if (!args.positional.empty()) throw UsageError("unexpected argument '" + args.positional[0] + "'");
  const lumeno::cli::BirthOptions b = lumeno::cli::ReadBirthOptions(args);
  NameRequest r;
  r.inputs = {b.surname, b.given, b.sex, b.year, b.month, b.day, b.hourItem, b.minute, b.calendarIndex};
  r.currentYear = b.currentYear;
  return r;
}

void PrintPane(Context& ctx, const lumeno::MemoryPane& pane) {
  for (const std::string& line : pane.lines) ctx.Line(line);
}

int Name(Context& ctx) {
  NameRequest r = ReadNameRequest(ctx);
  num::AnalysisState state;
  lumeno::MemoryPane pane;
  lumeno::data::Query talentQuery(lumeno::data::ConnectionStringFor(lumeno::data::DatabaseFile::VelFile));
  try {
    num::RunNameAnalysis(r.inputs, state, pane, r.currentYear, false, talentQuery);
  } catch (const lumeno::CommandCancelled&) {
    PrintPane(ctx, pane);  // what the command wrote before it was cancelled; the
    throw;                 // front end then says why it stopped (status 1)
  }
  PrintPane(ctx, pane);
  return pane.lines.empty() ? 1 : 0;
}

int Talents(Context& ctx) {
  NameRequest r = ReadNameRequest(ctx);
  num::AnalysisState state;
  lumeno::MemoryPane analysis;
  lumeno::data::Query talentQuery(lumeno::data::ConnectionStringFor(lumeno::data::DatabaseFile::VelFile));
  try {
    num::RunNameAnalysis(r.inputs, state, analysis, r.currentYear, false, talentQuery);
  } catch (const lumeno::CommandCancelled&) {
    // The analysis only fills the state; its names are kept even so.
  }
  if (analysis.lines.empty()) return 1;  // stopped by its validation
  lumeno::MemoryPane pane;
  num::RunThreeTalents(state, pane, talentQuery);
  PrintPane(ctx, pane);
  return 0;
}

}  // namespace

LUMENO_CLI_COMMAND("strokes", "TEXT...", "stroke count of each character, tab-separated", Strokes,
                   lumeno::cli::kNeedsRoruroz);
LUMENO_CLI_COMMAND("grids", "SURNAME GIVEN",
                   "strokes, the five grids, the three talents and the score of a name, tab-separated", Grids,
                   lumeno::cli::kNeedsRoruroz | lumeno::cli::kNeedsVelFile);
LUMENO_CLI_COMMAND("name",
                   "--surname S --given G [--sex SEX] [--calendar solar|lunar] --year Y --month M --day D "
                   "[--hour ITEM|0-23] [--minute N] [--today YYYY-MM-DD]",
                   "the name analysis report, line by line as the window's pane holds it", Name,
                   lumeno::cli::kNeedsRoruroz | lumeno::cli::kNeedsVelFile);
LUMENO_CLI_COMMAND("talents", "(the options of name)",
                   "the three-talent reading of the name, after its analysis has filled the state", Talents,
                   lumeno::cli::kNeedsRoruroz | lumeno::cli::kNeedsVelFile);
