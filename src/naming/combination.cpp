#include "naming/combination.h"

#include "core/error.h"
#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "numerology/grids.h"

namespace lumeno::naming {

const char* const kElementNames[kElementCount] = {"金", "木", "水", "火", "土"};

const char* const kFixedCharacterMessage = "固定字必须是一个汉字，请在“固定为”框中重新填写！";

namespace {

// The zh query heads. One-character surnames have two blanks before "lx".
const char* const kOneSurnameHead[] = {
    "select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %d and bh11 = %d ",
    "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %d and bh11 = %d ",
    "select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = %d and bh11 = %d ",
};
const char* const kTwoSurnameHead[] = {
    "select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %d and bh11 = %d and bh12 = %d ",
    "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %d and bh11 = %d and bh12 = %d ",
    "select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = %d and bh11 = %d and bh12 = %d ",
};
enum Top { kTop20 = 0, kTop40 = 1, kTop80 = 2 };

// The stroke count of the first record: 0 when there is none, and when the
// stored value is no stroke count (not a number, or outside 1 to
// kMaxStrokeCount), as for a failed look-up.
int FirstStrokeCount(data::Query& query) {
  return query.IsEmpty() ? 0 : query.Field(0).IntWithin(1, numerology::kMaxStrokeCount).value_or(0);
}

// The code point of a UTF-8 text holding exactly one character, or -1.
long SingleCodePoint(const std::string& utf8) {
  if (utf8.empty()) return -1;
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t n = s[0] < 0x80 ? 1 : (s[0] >> 5) == 6 ? 2 : (s[0] >> 4) == 14 ? 3 : (s[0] >> 3) == 30 ? 4 : 0;
  if (n == 0 || n != utf8.size()) return -1;
  long cp = n == 1 ? s[0] : n == 2 ? (s[0] & 0x1F) : n == 3 ? (s[0] & 0x0F) : (s[0] & 0x07);
  for (std::size_t i = 1; i < n; ++i) cp = (cp << 6) | (s[i] & 0x3F);
  return cp;
}

}  // namespace

int CombinationKind(std::string_view trimmedSurname, NameForm form) {
  const bool one = form == NameForm::OneCharacter;
  if (trimmedSurname.size() == 2) return one ? 11 : 12;
  return one ? 21 : 22;
}

int WindowStrokeCount(data::Query& query, std::string_view character) {
  // Double-byte GBK never holds a quote byte; a quote from anywhere else is
  // doubled, so the text stays one SQL value.
  const std::string c = QuotedSql(character);
  query.Close();
  query.SetSql("select bh from word where zi = " + c);
  query.Open();
  int strokes = FirstStrokeCount(query);
  if (strokes == 0) {
    query.Close();
    query.SetSql("select bh from word where ft = " + c);
    query.Open();
    strokes = FirstStrokeCount(query);
  }
  query.Close();
  return strokes;
}

std::vector<std::string> CombinationQueryLines(const NamingSettings& settings, std::string_view trimmedSurname, int s1,
                                               int s2, const FixedStrokes& fixed) {
  const int kind = CombinationKind(trimmedSurname, settings.form);
  const bool oneSurname = trimmedSurname.size() == 2;
  // Kinds 11 and 21 ask for 40 records, 12 and 22 for 20; with a fixed
  // character 80.
  Top top = settings.OneCharacterName() ? kTop40 : kTop20;
  std::string condition;
  if (fixed.second > 0) {
    top = kTop80;
    condition = StrFormat(" and bh21 = %d ", fixed.second);
  }
  if (fixed.third > 0) {
    top = kTop80;
    condition = StrFormat(" and bh22 = %d ", fixed.third);
  }
  std::vector<std::string> lines;
  lines.push_back(oneSurname ? StrFormat(kOneSurnameHead[top], kind, s1) : StrFormat(kTwoSurnameHead[top], kind, s1, s2));
  if (!condition.empty()) lines.push_back(condition);
  if (!oneSurname) {
    const bool either = settings.OneCharacterName() || settings.fixedOn;
    if (settings.male) lines.push_back(either ? " and (xb = '男' or xb = '0') " : " and xb = '男' ");
    else lines.push_back(either ? " and (xb = '女' or xb = '0') " : " and xb = '女' ");
  }
  const std::string minScore = Trim(settings.minScore);
  if (settings.minScoreOn && !minScore.empty()) {
    std::optional<int> score = ParseInt(minScore);
    if (!score)
      throw InvalidInput("'" + minScore + "' is not a valid integer value",
                         "最低分“" + minScore + "”不是有效的数字，请填写一个整数!");
    lines.push_back(StrFormat(" and zf >= %d ", *score));
  }
  lines.push_back(" order by jxjx asc,zf asc");
  return lines;
}

std::string FormatCombinationEntry(int kind, int s1, int s2, const std::string& bh21, const std::string& bh22,
                                   const std::string& zf) {
  const std::string scorePart = "(" + zf + "分)";
  const std::string surname = kind >= 20 ? std::to_string(s1) + "-" + std::to_string(s2) : std::to_string(s1);
  const std::string given = kind % 10 == 2 ? bh21 + "-" + bh22 : bh21;
  return surname + "|" + given + scorePart;
}

std::vector<std::string> BuildCombinationList(data::Query& query, const std::string& trimmedSurname,
                                              const NamingSettings& settings) {
  FixedStrokes fixed;
  const std::string c = Trim(settings.fixedCharacter);
  if (settings.fixedOn && !c.empty()) {
    const int strokes = WindowStrokeCount(query, c);
    if (settings.fixedPosition == FixedPosition::Third) fixed.third = strokes;
    else fixed.second = strokes;
  }
  int s1 = 0, s2 = 0;
  if (trimmedSurname.size() == 2) {
    s1 = WindowStrokeCount(query, trimmedSurname);
  } else {
    s1 = WindowStrokeCount(query, ByteCopy(trimmedSurname, 0, 2));
    s2 = WindowStrokeCount(query, ByteCopy(trimmedSurname, 2, 2));
  }
  const int kind = CombinationKind(trimmedSurname, settings.form);
  const std::vector<std::string> lines = CombinationQueryLines(settings, trimmedSurname, s1, s2, fixed);
  query.Close();
  query.ClearSql();
  for (const std::string& line : lines) query.AddSql(line);
  query.Open();
  std::vector<std::string> entries;
  for (query.First(); !query.Eof(); query.Next()) {
    entries.push_back(FormatCombinationEntry(kind, s1, s2, query.Field("bh21").AsTrimmedText(),
                                             query.Field("bh22").AsTrimmedText(), query.Field("zf").AsTrimmedText()));
  }
  query.Close();
  return entries;
}

std::optional<CombinationEntry> ParseCombinationEntry(std::string_view entry, NameForm form) {
  // R: the text after the first '|' (all of it when there is none), at most
  // 30 bytes, trimmed.
  const std::size_t bar = ByteFind(entry, "|");
  const std::string r = Trim(ByteCopy(entry, bar == std::string_view::npos ? 0 : bar + 1, 30));
  const std::size_t paren = ByteFind(r, "(");
  CombinationEntry e;
  if (form == NameForm::OneCharacter) {
    if (paren == std::string::npos) return std::nullopt;
    std::optional<int> g1 = ParseInt(Trim(ByteCopy(r, 0, paren)));
    if (!g1) return std::nullopt;
    e.g1 = *g1;
  } else {
    const std::size_t dash = ByteFind(r, "-");
    if (dash == std::string::npos) return std::nullopt;
    std::optional<int> g1 = ParseInt(Trim(ByteCopy(r, 0, dash)));
    // Two characters after the dash: "12" is a number, "6(" means the
    // second count has one digit.
    const std::string t = Trim(ByteCopy(r, dash + 1, 2));
    std::optional<int> g2 = ByteFind(t, "(") == std::string::npos ? ParseInt(t) : ParseInt(ByteCopy(r, dash + 1, 1));
    if (!g1 || !g2) return std::nullopt;
    e.g1 = *g1;
    e.g2 = *g2;
  }
  e.scorePart = Trim(ByteCopy(r, paren == std::string::npos ? 0 : paren, 16));
  return e;
}

bool IsOneChineseCharacter(std::string_view text) {
  if (text.size() != 2 || GbkCharLength(text, 0) != 2) return false;
  const long cp = SingleCodePoint(GbkToUtf8(text));
  return (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0x20000 && cp <= 0x3FFFF);
}

std::string FixedCharacterProblem(const NamingSettings& settings, bool forRun) {
  if (!settings.fixedOn) return {};
  const std::string c = Trim(settings.fixedCharacter);
  if (c.empty() && !forRun) return {};
  return IsOneChineseCharacter(c) ? std::string() : std::string(kFixedCharacterMessage);
}

}  // namespace lumeno::naming
