// Name generation on the command line: the combination list of a surname,
// and the names of a run in the order the naming window receives them.
#include <atomic>
#include <climits>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/gbk.h"
#include "core/text.h"
#include "data/database.h"
#include "data/info.h"
#include "data/query.h"
#include "naming/candidate.h"
#include "naming/candidate_query.h"
#include "naming/combination.h"
#include "naming/settings.h"

namespace {

using lumeno::cli::Context;
using lumeno::cli::UsageError;
namespace nm = lumeno::naming;

int IntOption(const lumeno::cli::ParsedArgs& args, const std::string& name, int low, int high) {
  std::optional<int> v = args.GetInt(name);
  if (!v || *v < low || *v > high)
    throw UsageError("--" + name + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high));
  return *v;
}

void Exclusive(const lumeno::cli::ParsedArgs& args, const char* a, const char* b) {
  if (args.Has(a) && args.Has(b)) throw UsageError(std::string("--") + a + " and --" + b + " exclude each other");
}

// Prints the names of a run, all or only those of the high-score list.
class NamePrinter : public nm::CandidateReader {
 public:
  NamePrinter(Context& ctx, bool highOnly, int threshold, long limit, std::atomic<bool>& running)
      : ctx_(ctx), highOnly_(highOnly), threshold_(threshold), limit_(limit), running_(running) {}

  void ProcessCandidate(const std::string& name) override {
    const std::string t = lumeno::Trim(name);
    if (printed_ >= limit_) return;  // the run ends with the pass in hand
    if (highOnly_ && !nm::ReachesPick(t, threshold_)) return;
    ctx_.Line(t);
    if (++printed_ >= limit_) running_ = false;
  }

 private:
  Context& ctx_;
  bool highOnly_;
  int threshold_;
  long limit_;
  long printed_ = 0;
  std::atomic<bool>& running_;
};

int Names(Context& ctx) {
  const auto args = lumeno::cli::ParseArgs(
      ctx.Args(), {"surname", "sex", "form", "fixed", "position", "min-score", "pick", "elements", "combination", "limit"},
      {"no-min-score", "no-pick", "auto", "list-combinations", "high"});
  if (!args.positional.empty()) throw UsageError("unexpected argument '" + args.positional[0] + "'");
  Exclusive(args, "min-score", "no-min-score");
  Exclusive(args, "pick", "no-pick");
  Exclusive(args, "combination", "auto");
  Exclusive(args, "high", "no-pick");
  Exclusive(args, "high", "list-combinations");

  nm::NamingSettings s;
  s.surname = lumeno::Trim(args.GetOr("surname", ""));
  if (s.surname.empty()) throw UsageError("give the surname with --surname");
  if ((s.surname.size() != 2 && s.surname.size() != 4) || !lumeno::IsAllDoubleByte(s.surname))
    throw UsageError("the surname is one or two Chinese characters");
  const std::string sex = lumeno::Trim(args.GetOr("sex", "男"));
  if (sex != "男" && sex != "女") throw UsageError("--sex takes 男 or 女");
  s.male = sex == "男";
  const std::string form = lumeno::Trim(args.GetOr("form", "双字名"));
  if (form != "双字名" && form != "单字名") throw UsageError("--form takes 双字名 or 单字名");
  s.form = form == "单字名" ? nm::NameForm::OneCharacter : nm::NameForm::TwoCharacters;
  if (args.Has("position") && !args.Has("fixed")) throw UsageError("--position goes with --fixed");
  if (args.Has("fixed")) {
    if (s.OneCharacterName()) throw UsageError("a fixed character needs --form 双字名");
    s.fixedOn = true;
    s.fixedCharacter = *args.Get("fixed");
    s.fixedPosition = args.Has("position") && IntOption(args, "position", 2, 3) == 3 ? nm::FixedPosition::Third
                                                                                     : nm::FixedPosition::Second;
    if (const std::string problem = nm::FixedCharacterProblem(s, /*forRun=*/true); !problem.empty()) {
      lumeno::data::ShowInfo(problem);
      return 1;
    }
  }
  s.minScoreOn = !args.Has("no-min-score");
  if (args.Has("min-score")) s.minScore = std::to_string(IntOption(args, "min-score", 0, 100));
  s.pickOn = !args.Has("no-pick");
  const int threshold = args.Has("pick") ? IntOption(args, "pick", 0, 100) : 77;
  if (args.Has("elements")) {
    const std::string elements = lumeno::Trim(*args.Get("elements"));
    if (elements.empty() || !lumeno::IsAllDoubleByte(elements)) throw UsageError("--elements takes 金 木 水 火 土");
    for (std::size_t at = 0; at < elements.size(); at += 2) {
      bool known = false;
      for (int i = 0; i < nm::kElementCount; ++i) {
        if (elements.compare(at, 2, nm::kElementNames[i]) == 0) {
          s.elements[i] = true;
          known = true;
        }
      }
      if (!known) throw UsageError("--elements takes 金 木 水 火 土");
    }
  }
  const long limit = args.Has("limit") ? IntOption(args, "limit", 1, 100000000) : LONG_MAX;

  lumeno::data::Query window(lumeno::data::OwnRorurozConnectionString());
  s.combinations = nm::BuildCombinationList(window, s.surname, s);
  if (args.Has("list-combinations")) {
    long n = 0;
    for (const std::string& e : s.combinations) {
      if (n++ >= limit) break;
      ctx.Line(e);
    }
    return 0;
  }
  if (args.Has("combination")) {
    const int n = IntOption(args, "combination", 1, 1000);
    if (n > static_cast<int>(s.combinations.size()))
      throw UsageError("there are " + std::to_string(s.combinations.size()) + " combinations; see --list-combinations");
    s.combination = s.combinations[static_cast<std::size_t>(n - 1)];
  }

  std::atomic<bool> running{true};
  NamePrinter printer(ctx, args.Has("high"), threshold, limit, running);
  lumeno::data::Query query(lumeno::data::OwnRorurozConnectionString());
  const nm::RunEnd end = nm::RunCandidateQueries(s, query, running, printer);
  return end == nm::RunEnd::Failed ? 1 : 0;
}

}  // namespace

LUMENO_CLI_COMMAND("names",
                   "--surname S [--sex 男|女] [--form 双字名|单字名] [--fixed 字 [--position 2|3]] "
                   "[--min-score N | --no-min-score] [--pick N | --no-pick] [--elements 金木水火土] "
                   "[--combination N | --auto] [--list-combinations] [--high] [--limit N]",
                   "the combination list of a surname, or the names of a run in the order the naming window "
                   "receives them (--high: only those of its high-score list)",
                   Names, lumeno::cli::kNeedsRoruroz);
