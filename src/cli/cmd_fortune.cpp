// The small readings and tools on the command line: number readings, QQ
// pairing, nicknames and pinyin initials, the element query, surname
// origins, articles, divination and the boy-or-girl chart. Result lines are
// the window's label, a tab and the value; a window's message goes to
// standard error with status 1.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/error.h"
#include "core/pane.h"
#include "core/text.h"
#include "data/database.h"
#include "data/info.h"
#include "data/query.h"
#include "fortune/article.h"
#include "fortune/boy_girl.h"
#include "fortune/divination.h"
#include "fortune/element.h"
#include "fortune/nickname.h"
#include "fortune/numbers.h"
#include "fortune/surnames.h"

namespace {

using lumeno::cli::Context;
using lumeno::cli::UsageError;
namespace fortune = lumeno::fortune;

std::string OnePositional(Context& ctx, const char* what) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.size() != 1) throw UsageError(std::string("give ") + what);
  return args.positional[0];
}

int PrintNumberResult(Context& ctx, const std::optional<fortune::NumberResult>& r, const char* numberLabel) {
  if (!r) return 1;
  ctx.Line(std::string(numberLabel) + "\t" + r->number);
  ctx.Line("状态：\t" + r->status);
  ctx.Line("吉凶：\t" + r->luck);
  ctx.Line("具体表现：\t" + r->detail);
  return 0;
}

int Mobile(Context& ctx) {
  const std::string number = OnePositional(ctx, "the mobile number");
  lumeno::data::RecordingInfoSink messages;
  std::optional<fortune::NumberResult> r;
  {
    lumeno::data::ScopedInfoSink scoped(&messages);
    r = fortune::MobileAnalysis(number);
  }
  for (const std::string& m : messages.messages) lumeno::data::ShowInfo(m);
  // Without a message the window would stay as it was: the readings could
  // not be read.
  if (!r && messages.messages.empty()) ctx.ErrorLine("lumeno-cli mobile: the readings cannot be read");
  return PrintNumberResult(ctx, r, "手机号码是：");
}

int QQ(Context& ctx) {
  return PrintNumberResult(ctx, fortune::NumberAnalysis(fortune::NumberWindow::QQ, OnePositional(ctx, "the QQ number")),
                           "qq号码是：");
}

int AnyNumber(Context& ctx) {
  return PrintNumberResult(ctx, fortune::NumberAnalysis(fortune::NumberWindow::Any, OnePositional(ctx, "the number")),
                           "输入号码是：");
}

int Pair(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {});
  if (args.positional.size() != 2) throw UsageError("give my QQ number and the other's");
  const fortune::PairingOutcome r = fortune::PairingAnalysis(args.positional[0], args.positional[1]);
  if (r.focus != fortune::PairingField::None) return 1;
  ctx.Line(r.text);
  return 0;
}

int Nickname(Context& ctx) {
  std::string nickname = OnePositional(ctx, "the nickname");
  // The field shows its text in upper case.
  for (char& c : nickname)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const std::optional<fortune::NicknameResult> r = fortune::NicknameAnalysis(nickname);
  if (!r) return 1;
  ctx.Line("你的网名：\t" + r->nickname);
  if (r->failed) ctx.Line(r->TraitLine());
  else ctx.Line("你的性格：\t" + r->trait);
  return 0;
}

int Initials(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {"options", "max"});
  if (args.positional.size() != 1) throw UsageError("give the text");
  const int options = args.GetInt("options").value_or(fortune::kMarkUnread);
  const int max = args.GetInt("max").value_or(255);
  if (options < 0 || options > 7) throw UsageError("--options takes 0 to 7");
  if (max < 0) throw UsageError("--max takes a length of 0 or more");
  ctx.Line(fortune::PinyinInitials(args.positional[0], options, max));
  return 0;
}

int Element(Context& ctx) {
  // The field holds ten bytes of whole characters.
  const std::string text =
      fortune::CutToBytes(OnePositional(ctx, "up to five characters"), fortune::kElementInputBytes);
  lumeno::data::Query query(lumeno::data::OwnRorurozConnectionString());
  const std::optional<std::string> r = fortune::ElementsOfText(text, query);
  if (!r) throw UsageError("give up to five characters");
  ctx.Line("查看结果：\t" + *r);
  return 0;
}

int Surname(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {}, {"list"});
  lumeno::data::Query query(lumeno::data::ConnectionStringFor(lumeno::data::DatabaseFile::VelBirth));
  if (args.Has("list")) {
    if (!args.positional.empty()) throw UsageError("--list takes no surname");
    for (const std::string& s : fortune::SurnameList(query)) ctx.Line(s);
    return 0;
  }
  if (args.positional.size() != 1) throw UsageError("give the surname, or --list");
  const fortune::SurnameSearch r = fortune::SearchSurname(args.positional[0], query);
  switch (r.action) {
    case fortune::SurnameSearch::Action::Clear:
      throw UsageError("give the surname, or --list");
    case fortune::SurnameSearch::Action::Keep:
      ctx.ErrorLine("lumeno-cli surname: no origin of '" + lumeno::Trim(args.positional[0]) + "' is on record");
      return 1;
    case fortune::SurnameSearch::Action::Show:
      break;
  }
  for (const std::string& line : r.lines) ctx.Line(line);
  return 0;
}

int Article(Context& ctx) {
  const std::string code = OnePositional(ctx, "the article code");
  lumeno::MemoryPane pane;
  std::string title;
  try {
    title = fortune::LoadArticle(code, pane);
  } catch (const lumeno::CommandCancelled&) {
    ctx.ErrorLine("lumeno-cli article: the articles cannot be read");
    return 1;
  }
  // The window's caption, then its text.
  ctx.Line(title);
  for (const std::string& line : pane.lines) ctx.Line(line);
  if (pane.lines.empty()) {
    ctx.ErrorLine("lumeno-cli article: no article '" + code + "'");
    return 1;
  }
  return 0;
}

int Divination(Context& ctx) {
  const std::string kind = OnePositional(ctx, "the kind, 0-6 or the command's name");
  const int page = fortune::DivinationKindOf(kind);
  if (page < 0) throw UsageError("the kind is 0-6, or a name from 打喷嚏占卜 to 耳鸣测占卜");
  ctx.Line(fortune::DivinationCaption(page));
  for (const std::string& line : fortune::DivinationPage(page)) ctx.Line(line);
  ctx.Line("");
  for (const std::string& line : fortune::DivinationExplanation()) ctx.Line(line);
  return 0;
}

int NanNv(Context& ctx) {
  auto args = lumeno::cli::ParseArgs(ctx.Args(), {"age", "month"});
  if (!args.positional.empty()) throw UsageError("unexpected argument '" + args.positional[0] + "'");
  const std::optional<int> age = args.GetInt("age");
  const std::optional<int> month = args.GetInt("month");
  if (age.has_value() != month.has_value()) throw UsageError("give both --age and --month, or neither");
  if (!age) {
    // The two charts as the window's pages show them.
    ctx.Line(fortune::kBoyOrGirlExplanation);
    for (int page = 0; page < 2; ++page) {
      const int first = page == 0 ? fortune::kChartFirstAge : fortune::kChartSecondPageAge;
      const int last = page == 0 ? fortune::kChartSecondPageAge - 1 : fortune::kChartLastAge;
      if (page == 1) ctx.Line(fortune::kChartContinuedHeading);
      std::string header = "月份";
      for (int a = first; a <= last; ++a) header += "\t" + std::to_string(a);
      ctx.Line(header);
      for (int m = 1; m <= 12; ++m) {
        std::string row = std::to_string(m) + "月";
        for (int a = first; a <= last; ++a) row += std::string("\t") + fortune::BoyOrGirl(a, m);
        ctx.Line(row);
      }
    }
    return 0;
  }
  if (*age < fortune::kChartFirstAge || *age > fortune::kChartLastAge) {
    ctx.ErrorLine("此表只列出母亲虚岁18岁到44岁。");
    return 1;
  }
  if (*month < 1 || *month > 12) {
    ctx.ErrorLine("怀孕月份只有1月到12月。");
    return 1;
  }
  ctx.Line("母亲虚岁：\t" + std::to_string(*age));
  ctx.Line("怀孕月份：\t" + std::to_string(*month) + "月");
  ctx.Line("生男生女：\t" + std::string(fortune::BoyOrGirl(*age, *month)));
  return 0;
}

}  // namespace

LUMENO_CLI_COMMAND("mobile", "NUMBER", "the mobile-number reading (8 to 11 digits), tab-separated", Mobile,
                   lumeno::cli::kNeedsDream);
LUMENO_CLI_COMMAND("qq", "NUMBER", "the QQ-number reading, tab-separated", QQ);
LUMENO_CLI_COMMAND("number", "NUMBER", "the reading of any number of up to 18 digits, tab-separated", AnyNumber);
LUMENO_CLI_COMMAND("pair", "MINE OTHERS", "the pairing reading of two QQ numbers of 5 to 10 digits", Pair,
                   lumeno::cli::kNeedsVelBirth);
LUMENO_CLI_COMMAND("nickname", "TEXT", "the nickname and the trait its last letter gives, tab-separated", Nickname);
LUMENO_CLI_COMMAND("initials", "TEXT [--options 0-7] [--max N]",
                   "the pinyin initials of a text (options: 1 whole syllables, 2 '?' for characters without a "
                   "reading, 4 keep every single-byte character; default 2, max 255)",
                   Initials);
LUMENO_CLI_COMMAND("element", "TEXT", "the elements of up to five characters (ten bytes), joined", Element,
                   lumeno::cli::kNeedsRoruroz);
LUMENO_CLI_COMMAND("surname", "NAME | --list", "the origin of a surname, or the list of surnames", Surname,
                   lumeno::cli::kNeedsVelBirth);
LUMENO_CLI_COMMAND("article", "CODE", "an article (a1, XM012, b13 ...): its title, then its text", Article,
                   lumeno::cli::kNeedsVelBirth);
LUMENO_CLI_COMMAND("divination", "KIND",
                   "a divination page (kind 0-6, or the command's or the window's Chinese name) and the hours",
                   Divination);
LUMENO_CLI_COMMAND("nannv", "[--age 18-44 --month 1-12]",
                   "the boy-or-girl chart's sign for a mother's nominal age and month, or both charts", NanNv);
