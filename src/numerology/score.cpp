#include "numerology/score.h"

#include <array>
#include <exception>

#include "core/error.h"
#include "core/text.h"
#include "data/query.h"
#include "data/stored_text.h"

namespace lumeno::numerology {

namespace {

// The three classes of the numbers 1 to 81, searched as texts: a number
// belongs to a class when ",n," occurs in its list.
constexpr std::string_view kFirstClass =
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,";
constexpr std::string_view kSecondClass = ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
constexpr std::string_view kThirdClass =
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,76,77,78,79,80,";

// Points by class (rows) and grid kind (columns heaven, earth, person,
// total, outer).
constexpr double kClassPoints[3][5] = {
    {10, 10, 30, 20, 10},
    {8.5, 8.5, 25.5, 17, 8.5},
    {7, 7, 21, 14, 7},
};

// Runs a text look-up on a transient query of VelFile.dll. Its failure
// cancels the running command.
data::ResultSet TextLookup(const std::string& sql) {
  try {
    return data::RunQuery(data::DatabaseFile::VelFile, sql);
  } catch (const std::exception& e) {
    throw CommandCancelled(e.what());
  }
}

// A value placed between the quotes of a query text as it is; a quote in it
// is doubled so that it cannot end the value early (the three-talent texts
// the program builds never hold one).
std::string BetweenQuotes(std::string_view text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out;
}

// Position of an element in the generating cycle 木 → 火 → 土 → 金 → 水 → 木,
// or -1.
int CyclePosition(std::string_view element) {
  static constexpr const char* kCycle[] = {"木", "火", "土", "金", "水"};
  for (int i = 0; i < 5; ++i) {
    if (element == kCycle[i]) return i;
  }
  return -1;
}

// Worth of an upper element a over a lower element b, by their distance in
// the generating cycle: 1 a generates b, 4 b generates a, 0 the same,
// 2 a controls b (木克土, 土克水, 水克火, 火克金, 金克木), 3 b controls a.
int PairValue(int a, int b) {
  static constexpr int kByDistance[5] = {2, 3, 1, 0, 2};
  return kByDistance[((b - a) % 5 + 5) % 5];
}

// The triples whose traditional grade differs from the pair rule: those of
// a single element, where both pairs are alike and the rule would give each
// the middling grade 3. The tradition reads them as a whole, by the harmony
// or the excess of the one element. Indexed by the position in the
// generating cycle above.
constexpr int kSingleElementGrade[5] = {
    2,  // 木木木: three trees make a forest, a harmonious configuration
    4,  // 火火火: fire on fire burns itself out, restless under its luck
    2,  // 土土土: earth on earth, a broad and steady footing
    6,  // 金金金: metal on metal, too hard and apt to break, left alone
    6,  // 水水水: water on water floods, unsettled and drifting
};

}  // namespace

std::string NumberReading(int number, int field) {
  data::ResultSet r = TextLookup(StrFormat("Select * from 81 where num = %d", number));
  if (r.IsEmpty()) return " ";
  static constexpr const char* kColumns[] = {"yy", "jx", "as", "content"};
  if (field < 0 || field > 3) return "";
  try {
    return r.First(kColumns[field]).AsText();
  } catch (const std::exception& e) {
    throw CommandCancelled(e.what());
  }
}

namespace {

int SearchClass(int number) {
  std::string key = "," + std::to_string(number) + ",";
  if (ByteFind(kFirstClass, key) != std::string_view::npos) return 1;
  if (ByteFind(kSecondClass, key) != std::string_view::npos) return 2;
  if (ByteFind(kThirdClass, key) != std::string_view::npos) return 3;
  return 0;
}

}  // namespace

int NumberClass(int number) {
  // The lists hold only the numbers 1 to 81, so the search is made once for
  // each of them; any other number can match no ",n," and has no class.
  static const auto kClassOf = [] {
    std::array<int, 82> classes{};
    for (int n = 0; n <= 81; ++n) classes[n] = SearchClass(n);
    return classes;
  }();
  return number >= 0 && number <= 81 ? kClassOf[number] : 0;
}

double GridPoints(int number, int kind) {
  if (kind < 0 || kind > 4) return 0;
  int cls = NumberClass(number);
  return cls == 0 ? 0 : kClassPoints[cls - 1][kind];
}

int SancaiGrade(std::string_view heaven, std::string_view person, std::string_view earth) {
  int h = CyclePosition(heaven);
  int p = CyclePosition(person);
  int e = CyclePosition(earth);
  if (h < 0 || p < 0 || e < 0) return 0;
  if (h == p && p == e) return kSingleElementGrade[h];
  return 7 - (PairValue(h, p) + PairValue(p, e));
}

int SancaiGrade(std::string_view talents) {
  if (talents.size() != 6) return 0;
  return SancaiGrade(talents.substr(0, 2), talents.substr(2, 2), talents.substr(4, 2));
}

double TalentPointsForGrade(int grade) {
  static constexpr double kPoints[7] = {20, 18, 16, 15, 14, 13, 12};
  return grade >= 1 && grade <= 7 ? kPoints[grade - 1] : -1;
}

double TalentPoints(const std::string& talents) {
  data::ResultSet r = TextLookup("Select djc from sancai where title = " + QuotedSql(talents) + " ");
  if (r.IsEmpty()) return -1;
  try {
    return TalentPointsForGrade(r.First(0).AsInt());
  } catch (const std::exception& e) {
    throw CommandCancelled(e.what());
  }
}

double ComputedScore(const FiveGrids& grids, double talentPoints) {
  // Summed in extended precision, in this order, then stored as a double.
  long double sum = 0;
  sum += GridPoints(grids.heaven, GridKind::Heaven);
  sum += GridPoints(grids.earth, GridKind::Earth);
  sum += GridPoints(grids.person, GridKind::Person);
  sum += GridPoints(grids.total, GridKind::Total);
  sum += GridPoints(grids.outer, GridKind::Outer);
  sum += talentPoints;
  return static_cast<double>(sum);
}

double NameScore(std::string_view surname, std::string_view given, const FiveGrids& grids,
                 const std::string& talents, StrokeCache* cache) {
  int combo = LookupComboScore(ByteCopy(surname, 0, 2), ByteCopy(surname, 2, 2), ByteCopy(given, 0, 2),
                               ByteCopy(given, 2, 2), cache);
  if (combo != 0) return combo;
  return ComputedScore(grids, TalentPoints(talents));
}

std::string FormatScore(double score) { return FormatGeneral(score); }

std::string ScoreVerdict(double score) {
  if (score >= 90)
    return "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。";
  if (score >= 80) return "【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
  if (score >= 70)
    return "【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。";
  if (score >= 60)
    return "【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
  return "【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
}

std::string TalentReading(data::Query& query, const std::string& talents) {
  try {
    query.Close();
    query.ClearSql();
    query.SetSql("Select content from sancai where title = " + QuotedSql(talents) + " ");
    query.Open();
    if (query.IsEmpty()) return "无结果,请听下回分解";
    return data::DecodeStoredText(Trim(query.Field(0).AsText()), data::kStoredTextKey, data::kStoredTextRounds);
  } catch (const CommandCancelled&) {
    throw;
  } catch (const std::exception& e) {
    throw CommandCancelled(e.what());
  }
}

std::string TalentReading(const std::string& talents) {
  data::Query query(data::ConnectionStringFor(data::DatabaseFile::VelFile));
  return TalentReading(query, talents);
}

std::optional<TalentRecordRow> TalentRecord(const std::string& talents) {
  data::ResultSet r = TextLookup("Select top 1 * from sancai2009 where title = '" + BetweenQuotes(talents) + "'");
  if (r.RecordCount() <= 0) return std::nullopt;
  try {
    TalentRecordRow row;
    row.title = r.First("title").AsText();
    row.yy = r.First("yy").AsText();
    row.jcy = r.First("jcy").AsText();
    row.jx1 = r.First("jx1").AsText();
    row.cgy = r.First("cgy").AsText();
    row.jx2 = r.First("jx2").AsText();
    row.rjgx = r.First("rjgx").AsText();
    row.jx3 = r.First("jx3").AsText();
    row.xg = r.First("xg").AsText();
    return row;
  } catch (const std::exception& e) {
    throw CommandCancelled(e.what());
  }
}

}  // namespace lumeno::numerology
