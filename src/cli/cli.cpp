#include "cli/cli.h"

#include <ctime>

#include "calendar/lunar.h"
#include "core/date.h"
#include "core/gbk.h"
#include "core/text.h"

namespace lumeno::cli {

namespace {
std::map<std::string, CommandInfo>& Registry() {
  static std::map<std::string, CommandInfo> registry;
  return registry;
}
}  // namespace

CommandRegistration::CommandRegistration(CommandInfo info) { Registry()[info.name] = info; }

const std::map<std::string, CommandInfo>& Commands() { return Registry(); }

Context::Context(std::vector<std::string> gbkArgs, bool gbkOutput, std::ostream& out, std::ostream& err)
    : args_(std::move(gbkArgs)), gbkOutput_(gbkOutput), out_(out), err_(err) {}

std::string Context::ForOutput(const std::string& gbk) const { return gbkOutput_ ? gbk : GbkToUtf8(gbk); }

void Context::Line(const std::string& gbkLine) { out_ << ForOutput(gbkLine) << '\n'; }

void Context::ErrorLine(const std::string& gbkLine) { err_ << ForOutput(gbkLine) << '\n'; }

std::optional<std::string> ParsedArgs::Get(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::string ParsedArgs::GetOr(const std::string& name, const std::string& fallback) const {
  auto v = Get(name);
  return v ? *v : fallback;
}

std::optional<int> ParsedArgs::GetInt(const std::string& name) const {
  auto v = Get(name);
  if (!v) return std::nullopt;
  auto n = ParseInt(Trim(*v));
  if (!n) throw UsageError("--" + name + " needs a whole number, not '" + *v + "'");
  return n;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags) {
  ParsedArgs parsed;
  auto contains = [](const std::vector<std::string>& list, const std::string& s) {
    for (const auto& x : list)
      if (x == s) return true;
    return false;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::string name = a.substr(2);
      std::string value;
      std::size_t eq = name.find('=');
      bool inlineValue = eq != std::string::npos;
      if (inlineValue) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      }
      if (contains(flags, name)) {
        if (inlineValue) throw UsageError("--" + name + " takes no value");
        parsed.options[name] = "";
      } else if (contains(valued, name)) {
        if (!inlineValue) {
          if (i + 1 >= args.size()) throw UsageError("--" + name + " needs a value");
          value = args[++i];
        }
        parsed.options[name] = value;
      } else {
        throw UsageError("unknown option --" + name);
      }
    } else {
      parsed.positional.push_back(a);
    }
  }
  return parsed;
}

const std::vector<std::string> kBirthOptionNames = {"surname", "given", "sex",    "calendar", "year",
                                                   "month",   "day",   "hour",   "minute",   "today"};

std::string HourItemOf(int hour) {
  static constexpr const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
  return std::string(kBranches[((hour + 1) / 2) % 12]) + " " + std::to_string(hour);
}

std::optional<int> ParseYear(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty() || t.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return t.size() <= 2 ? 2000 + n : n;
}

void CheckName(const std::string& option, const std::string& gbkName) {
  const std::string name = Trim(gbkName);
  if (name.empty()) return;
  if (name.size() > 4 || !IsAllDoubleByte(name))
    throw UsageError("--" + option + " takes one or two Chinese characters, not '" + gbkName + "'");
}

namespace {

std::optional<int> WholeNumber(const std::string& text) { return ParseInt(Trim(text)); }

// The hour item for --hour: a bare hour 0-23 or one of the window's items.
std::string HourItemOption(const std::string& text) {
  const char* message = "--hour takes 0 to 23 or an hour item such as \"子 0\"";
  if (auto hour = WholeNumber(text)) {
    if (*hour < 0 || *hour > 23) throw UsageError(message);
    return HourItemOf(*hour);
  }
  const std::string item = Trim(text);
  for (int h = 0; h < 24; ++h)
    if (item == HourItemOf(h)) return item;
  throw UsageError(message);
}

// Year, month and day when all three are given: they must name a day that
// exists in the chosen calendar. The year is written out in four digits so
// that every command reads it alike.
void CheckBirthDate(BirthOptions& b) {
  if (Trim(b.year).empty() || Trim(b.month).empty() || Trim(b.day).empty()) return;
  const std::optional<int> year = ParseYear(b.year);
  const std::optional<int> month = WholeNumber(b.month);
  const std::optional<int> day = WholeNumber(b.day);
  if (!year) throw UsageError("--year needs a year such as 1980, not '" + b.year + "'");
  if (!month) throw UsageError("--month needs a whole number, not '" + b.month + "'");
  if (!day) throw UsageError("--day needs a whole number, not '" + b.day + "'");
  b.year = std::to_string(*year);
  b.month = std::to_string(*month);
  b.day = std::to_string(*day);
  if (b.calendarIndex == 1) {
    if (*month < 1 || *month > 12) throw UsageError("a lunar --month is 1 to 12");
    if (*day < 1 || *day > 30) throw UsageError("a lunar --day is 1 to 30");
    if (!calendar::IsValidLunarDate(calendar::LunarDate{*year, *month, *day, false}))
      throw UsageError(StrFormat("the lunar date %d-%d-%d does not exist (the lunar calendar covers 1901 to 2099)",
                                 *year, *month, *day));
  } else if (!IsValidGregorianDate(*year, *month, *day)) {
    throw UsageError(StrFormat("the date %d-%d-%d does not exist", *year, *month, *day));
  }
}

}  // namespace

BirthOptions ReadBirthOptions(const ParsedArgs& args) {
  BirthOptions b;
  b.surname = args.GetOr("surname", "");
  b.given = args.GetOr("given", "");
  CheckName("surname", b.surname);
  CheckName("given", b.given);
  b.sex = Trim(args.GetOr("sex", "男"));
  if (b.sex != "男" && b.sex != "女") throw UsageError("--sex takes 男 or 女");
  b.year = args.GetOr("year", "");
  b.month = args.GetOr("month", "");
  b.day = args.GetOr("day", "");
  b.minute = args.GetOr("minute", "0");
  if (auto minute = WholeNumber(b.minute); !minute || *minute < 0 || *minute > 59)
    throw UsageError("--minute takes 0 to 59");
  b.hourItem = HourItemOption(args.GetOr("hour", "子 0"));
  const std::string calendar = Trim(args.GetOr("calendar", "公历"));
  if (calendar == "公历" || calendar == "solar" || calendar == "0") {
    b.calendarIndex = 0;
  } else if (calendar == "农历" || calendar == "lunar" || calendar == "1") {
    b.calendarIndex = 1;
  } else {
    throw UsageError("--calendar takes 公历 (solar) or 农历 (lunar)");
  }
  CheckBirthDate(b);
  if (auto today = args.Get("today")) {
    std::optional<DateValue> d = TryParseDate(*today);
    if (!d) throw UsageError("--today needs a date yyyy-mm-dd, not '" + *today + "'");
    b.currentYear = DecodeDate(*d).year;
  } else {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    b.currentYear = local.tm_year + 1900;
  }
  return b;
}

}  // namespace lumeno::cli
