#include "fortune/numbers.h"

#include <cstdint>
#include <limits>

#include "core/text.h"
#include "data/info.h"
#include "data/query.h"
#include "fortune/builtin_texts.h"

namespace lumeno::fortune {

namespace {

enum Luck : std::uint8_t { kGood, kBad, kGoodWithBad, kBadWithGood };
const char* const kLuckTexts[] = {"吉", "凶", "吉带凶", "凶带吉"};

struct RowKind {
  Luck luck;
  std::uint8_t type;
};

// Luck and personality type of every row, nine rows a line:
// G 吉, B 凶, GB 吉带凶, BG 凶带吉.
constexpr Luck G = kGood, B = kBad, GB = kGoodWithBad, BG = kBadWithGood;
constexpr RowKind kRows[kNumberRows] = {
    {G, 1}, {B, 2},  {G, 3}, {B, 4},  {G, 5},  {G, 6},  {G, 7},  {G, 8},  {B, 9},   //  0- 8
    {B, 1}, {G, 2},  {B, 3}, {G, 4},  {B, 5},  {G, 6},  {G, 7},  {G, 8},  {G, 9},   //  9-17
    {B, 1}, {B, 2},  {G, 3}, {B, 4},  {G, 5},  {G, 6},  {G, 7},  {B, 9},  {BG, 1},  // 18-26
    {B, 9}, {G, 1},  {B, 2}, {G, 3},  {G, 4},  {G, 5},  {B, 6},  {G, 7},  {B, 9},   // 27-35
    {G, 1}, {BG, 2}, {G, 3}, {GB, 4}, {G, 5},  {GB, 6}, {GB, 7}, {B, 8},  {G, 3},   // 36-44
    {B, 4}, {G, 5},  {G, 6}, {B, 7},  {GB, 8}, {GB, 9}, {G, 1},  {GB, 2}, {B, 3},   // 45-53
    {GB, 5}, {B, 6}, {G, 7}, {BG, 8}, {B, 9},  {B, 1},  {GB, 2}, {B, 3},  {G, 4},   // 54-62
    {B, 5}, {G, 6},  {B, 7}, {G, 9},  {G, 6},  {B, 7},  {B, 8},  {GB, 9}, {B, 1},   // 63-71
    {G, 2}, {B, 2},  {GB, 3}, {B, 4}, {GB, 5}, {GB, 6}, {B, 7},  {GB, 9}, {G, 1},   // 72-80
};

const char* const kTypeNames[kPersonalityTypes] = {
    "做事喜好凭直觉型",     "独断独行/吸引人型", "热情/善变梦想家型",
    "自我牺牲/性格被动型", "要面包不要爱情型",  "不善表达/疑心大型",
    "大胆行事冲动派型",     "高度戒备难交心型",  "好奇心旺求知欲强型",
};

bool ValidRow(int row) { return row >= 0 && row < kNumberRows; }

// A signed 64-bit decimal integer: an optional sign and digits, nothing else.
std::optional<std::int64_t> ParseInt64(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Accumulated as a negative number, so the smallest value fits as well.
  std::int64_t v = 0;
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    const int d = text[i] - '0';
    if (v < (kMin + d) / 10) return std::nullopt;
    v = v * 10 - d;
  }
  if (negative) return v;
  if (v == kMin) return std::nullopt;
  return -v;
}

}  // namespace

const char* const kNumberOutsideTable = "对不起,此号不在分解之类。";

const char* NumberLuck(int row) { return ValidRow(row) ? kLuckTexts[kRows[row].luck] : ""; }

int NumberPersonalityType(int row) { return ValidRow(row) ? kRows[row].type : 0; }

const char* NumberVerdict(int row) { return ValidRow(row) ? texts::kNumberVerdicts[row] : ""; }

const char* PersonalityTypeName(int type) {
  return type >= 1 && type <= kPersonalityTypes ? kTypeNames[type - 1] : "";
}

const char* PersonalitySketch(int type) {
  return type >= 1 && type <= kPersonalityTypes ? texts::kPersonalitySketches[type - 1] : "";
}

std::string NumberFortuneRow(int row) {
  if (!ValidRow(row)) return kNumberOutsideTable;
  const int type = kRows[row].type;
  return std::string(NumberVerdict(row)) + "|" + NumberLuck(row) + "|" + "主人性格类型：[" +
         PersonalityTypeName(type) + "]，其具体表现为：" + PersonalitySketch(type);
}

std::string NumberFortune(const std::string& number) {
  const std::optional<std::int64_t> v = ParseInt64(number);
  if (!v) return kNumberOutsideTable;
  const std::int64_t r = *v % kNumberRows;  // truncating: the sign of v
  return r >= 0 ? NumberFortuneRow(static_cast<int>(r)) : kNumberOutsideTable;
}

std::string shoujiinfostr(const std::string& number) {
  const std::string digits = ByteCopy(number, 7, 4);
  if (!IsDigitsOnly(digits)) return "";
  return std::to_string(std::stoi(digits) % 80);
}

int QQPairingSum(const std::string& mine, const std::string& others) {
  int s = 0;
  for (const std::string* text : {&mine, &others})
    for (char c : *text)
      if (c >= '0' && c <= '9') s += c - '0';
  if (s > 100) s %= 100;
  return s;
}

std::string QQPairingText(const std::string& mine, const std::string& others) {
  const std::string pattern = "%," + std::to_string(QQPairingSum(mine, others)) + ",%";
  const data::ResultSet r =
      data::RunQuery(data::DatabaseFile::VelBirth, StrFormat("select top 1 * from QQpd where bihua like '%s'",
                                                             pattern.c_str()));
  if (r.RecordCount() <= 0) return "";
  return r.First("intro").AsTrimmedText();
}

bool IsDigitsOnly(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

NumberResult SplitNumberReading(const std::string& number, const std::string& reading) {
  NumberResult r;
  r.number = number;
  const std::size_t first = reading.find('|');
  if (first == std::string::npos) {
    r.detail = reading;
    return r;
  }
  r.status = reading.substr(0, first);
  const std::string rest = reading.substr(first + 1);
  const std::size_t second = rest.find('|');
  if (second == std::string::npos) {
    r.detail = rest;
  } else {
    r.luck = rest.substr(0, second);
    r.detail = rest.substr(second + 1);
  }
  return r;
}

std::optional<NumberResult> MobileAnalysis(const std::string& input) {
  const std::string n = Trim(input);
  // The key needs characters 8 to 11, so a number shorter than 8 digits has
  // none; the field holds at most 11.
  if (n.size() < 8 || n.size() > 11 || !IsDigitsOnly(n)) {
    data::ShowInfo("请输入11位手机号码！");
    return std::nullopt;
  }
  data::ResultSet r;
  try {
    r = data::RunQuery(data::DatabaseFile::Dream,
                       "select title,jx,content from shouji where num = " + QuotedSql(shoujiinfostr(n)));
  } catch (const data::DataError&) {
    return std::nullopt;  // the window keeps what it showed
  }
  NumberResult result;
  result.number = n;
  if (!r.IsEmpty()) {
    result.status = r.First(0).AsTrimmedText();
    result.luck = r.First(1).AsTrimmedText();
    result.detail = r.First(2).AsTrimmedText();
  }
  return result;
}

std::optional<NumberResult> NumberAnalysis(NumberWindow window, const std::string& input) {
  const bool qq = window == NumberWindow::QQ;
  const std::string n = Trim(input);
  if (n.empty()) {
    data::ShowInfo(qq ? "请输入你的QQ号码！" : "请输入你的号码！");
    return std::nullopt;
  }
  // The field takes digits only; text that is no decimal number (pasted
  // past the field, or given on the command line) never reaches the table.
  if (!IsDigitsOnly(n) || n.size() > 18) {
    data::ShowInfo(qq ? "请输入正确的QQ号码！" : "请输入正确的号码！");
    return std::nullopt;
  }
  return SplitNumberReading(n, NumberFortune(n));
}

PairingOutcome PairingAnalysis(const std::string& mineInput, const std::string& othersInput) {
  const std::string mine = Trim(mineInput);
  const std::string others = Trim(othersInput);
  auto fail = [](const char* message, PairingField field) {
    data::ShowInfo(message);
    return PairingOutcome{field, ""};
  };
  auto wrong = [](const std::string& n) { return n.size() < 5 || n.size() > 10 || !IsDigitsOnly(n); };
  if (mine.empty()) return fail("请输入自己的QQ号码！", PairingField::Mine);
  if (wrong(mine)) return fail("请输入正确的QQ号码！", PairingField::Mine);
  if (others.empty()) return fail("请输入对方的QQ号码！", PairingField::Others);
  if (wrong(others)) return fail("请输入正确的QQ号码！", PairingField::Others);
  return PairingOutcome{PairingField::None, QQPairingText(mine, others)};
}

}  // namespace lumeno::fortune
