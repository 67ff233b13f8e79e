// The shipped readings of the name report as a reader meets them: every
// three-talent configuration and every number written for itself (no clause
// recurring across a table, no two summaries that differ only in their
// element characters), and the marks beside the texts agreeing with the
// relations and grades they stand for.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "numerology/score.h"
#include "triples.h"

namespace lumeno::numerology {
namespace {

// The characters of a GBK text, each as its bytes.
std::vector<std::string> Chars(const std::string& gbk) {
  std::vector<std::string> chars;
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t len = GbkCharLength(gbk, pos);
    chars.push_back(gbk.substr(pos, len));
    pos += len;
  }
  return chars;
}

// The clauses of a text of at least `minChars` characters: the pieces
// between Chinese punctuation marks and line breaks, trimmed.
std::vector<std::string> LongClauses(const std::string& gbk, std::size_t minChars = 8) {
  static const std::set<std::string> kBreaks = {"，", "。", "；", "：", "、", "！", "？", "\n", "\r"};
  std::vector<std::string> out;
  std::string clause;
  auto flush = [&] {
    const std::string trimmed = Trim(clause);
    if (Chars(trimmed).size() >= minChars) out.push_back(trimmed);
    clause.clear();
  };
  for (const std::string& c : Chars(gbk)) {
    if (kBreaks.count(c)) {
      flush();
    } else {
      clause += c;
    }
  }
  flush();
  return out;
}

// The text with every element character replaced by one mark, so that texts
// differing only in their elements compare equal.
std::string MaskElements(const std::string& gbk) {
  std::string out;
  for (const std::string& c : Chars(gbk)) {
    bool element = false;
    for (const char* e : kElements) element = element || c == e;
    out += element ? "*" : c;
  }
  return out;
}

// One table's texts, by row key and column.
struct TableTexts {
  std::string name;
  std::map<std::string, std::map<std::string, std::string>> rows;
};

TableTexts ReadTable(const std::string& table, const std::string& key) {
  TableTexts out{table, {}};
  const data::ResultSet r = data::RunQuery(data::DatabaseFile::VelFile, "Select * from " + table);
  for (int i = 0; i < r.RecordCount(); ++i) {
    auto& row = out.rows[Trim(r.At(i, key).AsText())];
    for (const std::string& column : r.Columns()) {
      if (column != key && r.At(i, column).kind() == data::Value::Kind::Text) row[column] = r.At(i, column).AsText();
    }
  }
  return out;
}

// Table sancai as the program shows it: the decoded reading of each triple.
TableTexts DecodedSancai() {
  TableTexts out{"sancai", {}};
  for (const std::string& t : AllTriples()) out.rows[t]["content"] = TalentReading(t);
  return out;
}

// Each clause of eight or more characters may stand at most twice in a whole
// table; a clause that recurs more often is a stock phrase the reader sees
// again and again.
TEST(NameReadings, NoClauseRecursMoreThanTwiceInATable) {
  for (const TableTexts& table : {DecodedSancai(), ReadTable("sancai2009", "title"), ReadTable("81", "num")}) {
    SCOPED_TRACE(table.name);
    ASSERT_FALSE(table.rows.empty());
    std::map<std::string, std::vector<std::string>> where;
    for (const auto& [key, columns] : table.rows)
      for (const auto& [column, text] : columns)
        for (const std::string& clause : LongClauses(text)) where[clause].push_back(GbkToUtf8(key) + "." + column);
    for (const auto& [clause, places] : where) {
      std::string list;
      for (const std::string& p : places) list += " " + p;
      EXPECT_LE(places.size(), 2u) << GbkToUtf8(clause) << " stands in" << list;
    }
  }
}

TEST(NameReadings, ClauseSplittingFollowsChinesePunctuation) {
  // The splitter itself, on a text whose every break is a different mark.
  const std::vector<std::string> clauses =
      LongClauses("一二三四五六七八，短句；甲乙丙丁戊己庚辛壬癸！\n子丑寅卯辰巳午未、天地人和顺畅通达。");
  EXPECT_EQ(clauses, (std::vector<std::string>{"一二三四五六七八", "甲乙丙丁戊己庚辛壬癸", "子丑寅卯辰巳午未",
                                               "天地人和顺畅通达"}));
  EXPECT_EQ(MaskElements("金生水，木克土"), "*生*，*克*");
}

// No two configurations share a text once their element characters are
// masked: a text that reads the same for 木火土 and 金水木 is a template.
TEST(NameReadings, EveryConfigurationHasTextsOfItsOwn) {
  for (const TableTexts& table : {DecodedSancai(), ReadTable("sancai2009", "title")}) {
    SCOPED_TRACE(table.name);
    ASSERT_EQ(table.rows.size(), 125u);
    std::map<std::string, std::map<std::string, std::string>> seen;  // column -> masked text -> triple
    for (const auto& [triple, columns] : table.rows)
      for (const auto& [column, text] : columns) {
        if (column.rfind("jx", 0) == 0) continue;  // the marks repeat by design
        ASSERT_FALSE(Trim(text).empty()) << GbkToUtf8(triple) << "." << column;
        const auto [it, fresh] = seen[column].emplace(MaskElements(Trim(text)), triple);
        EXPECT_TRUE(fresh) << column << " of " << GbkToUtf8(triple) << " reads like that of "
                           << GbkToUtf8(it->second);
      }
  }
}

// The five configurations of one element are read by the tradition as a
// whole (harmony for wood and earth, excess for fire, metal and water): each
// has its own texts, sharing no clause with the other four.
TEST(NameReadings, SingleElementConfigurationsAreWrittenApart) {
  for (const TableTexts& table : {DecodedSancai(), ReadTable("sancai2009", "title")}) {
    SCOPED_TRACE(table.name);
    std::map<std::string, std::string> owner;  // clause -> triple
    for (const char* e : kElements) {
      const std::string triple = std::string(e) + e + e;
      ASSERT_TRUE(table.rows.count(triple)) << GbkToUtf8(triple);
      for (const auto& [column, text] : table.rows.at(triple))
        for (const std::string& clause : LongClauses(MaskElements(text))) {
          const auto [it, fresh] = owner.emplace(clause, triple);
          EXPECT_TRUE(fresh || it->second == triple)
              << GbkToUtf8(clause) << " in " << GbkToUtf8(triple) << " and " << GbkToUtf8(it->second);
        }
    }
  }
}

// How an upper element a stands to a lower element b: 3 a generates b, 2 b
// generates a or both are the same, 1 a controls b, 0 b controls a.
int Relation(const std::string& a, const std::string& b) {
  static const std::set<std::string> kGenerates = {"木火", "火土", "土金", "金水", "水木"};
  static const std::set<std::string> kControls = {"木土", "土水", "水火", "火金", "金木"};
  if (kGenerates.count(a + b)) return 3;
  if (a == b || kGenerates.count(b + a)) return 2;
  if (kControls.count(a + b)) return 1;
  if (kControls.count(b + a)) return 0;
  ADD_FAILURE() << "no relation between " << GbkToUtf8(a) << " and " << GbkToUtf8(b);
  return -1;
}

// The grades of the shipped table: the sum of the two relations decides
// (grade 7 minus the sum), except for the five configurations of a single
// element, which keep their traditional grades.
TEST(NameReadings, GradesFollowTheRelationsAndTheTradition) {
  const std::map<std::string, int> kTraditional = {
      {"木木木", 2}, {"火火火", 4}, {"土土土", 2}, {"金金金", 6}, {"水水水", 6}};
  const data::ResultSet r = data::RunQuery(data::DatabaseFile::VelFile, "Select title, djc from sancai");
  ASSERT_EQ(r.RecordCount(), 125);
  for (int i = 0; i < r.RecordCount(); ++i) {
    const std::string t = Trim(r.At(i, "title").AsText());
    const std::string h = t.substr(0, 2), p = t.substr(2, 2), e = t.substr(4, 2);
    const auto traditional = kTraditional.find(t);
    const int expected = traditional != kTraditional.end() ? traditional->second : 7 - Relation(h, p) - Relation(p, e);
    EXPECT_EQ(r.At(i, "djc").AsInt(), expected) << GbkToUtf8(t);
  }
  // The points a name earns by them.
  EXPECT_EQ(TalentPoints("木木木"), 18);
  EXPECT_EQ(TalentPoints("火火火"), 15);
  EXPECT_EQ(TalentPoints("金金金"), 13);
}

// Each mark of sancai2009 says what its relation or grade says: basic
// fortune by person over earth, success by heaven over person, relations by
// the grade of the whole configuration.
TEST(NameReadings, ThreeTalentMarksAgreeWithRelationsAndGrades) {
  const char* kByRelation[] = {"（凶）", "（半吉）", "（吉）", "（大吉）"};
  const char* kByGrade[] = {"", "（大吉）", "（吉）", "（吉）", "（半吉）", "（半吉）", "（凶）", "（凶）"};
  const TableTexts table = ReadTable("sancai2009", "title");
  ASSERT_EQ(table.rows.size(), 125u);
  for (const auto& [t, columns] : table.rows) {
    SCOPED_TRACE(GbkToUtf8(t));
    const std::string h = t.substr(0, 2), p = t.substr(2, 2), e = t.substr(4, 2);
    const data::ResultSet grade =
        data::RunQuery(data::DatabaseFile::VelFile, "Select djc from sancai where title = " + QuotedSql(t));
    ASSERT_EQ(grade.RecordCount(), 1);
    const int g = grade.First(0).AsInt();
    ASSERT_TRUE(g >= 1 && g <= 7);
    EXPECT_EQ(Trim(columns.at("jx1")), kByRelation[Relation(p, e)]);
    EXPECT_EQ(Trim(columns.at("jx2")), kByRelation[Relation(h, p)]);
    EXPECT_EQ(Trim(columns.at("jx3")), kByGrade[g]);
  }
}

// The 81 numbers: the mark follows the number's scoring class, no text under
// an unlucky mark calls its number half or wholly lucky, and the suggestions
// are not poured into one mould.
TEST(NameReadings, NumberMarksAndSuggestions) {
  const TableTexts table = ReadTable("81", "num");
  ASSERT_EQ(table.rows.size(), 81u);
  std::map<std::string, int> openings;
  for (int n = 1; n <= 81; ++n) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(table.rows.count(std::to_string(n)));
    const auto& row = table.rows.at(std::to_string(n));
    const std::string mark = Trim(row.at("jx"));
    switch (NumberClass(n)) {
      case 1:
        EXPECT_TRUE(mark == "（大吉）" || mark == "（吉）") << GbkToUtf8(mark);
        break;
      case 2:
        EXPECT_EQ(mark, "（半吉）");
        break;
      default:
        EXPECT_TRUE(mark == "（凶）" || mark == "（大凶）") << GbkToUtf8(mark);
        for (const char* column : {"yy", "as", "content"})
          for (const char* lucky : {"吉凶参半", "半吉", "大吉"})
            EXPECT_EQ(GbkToUtf8(row.at(column)).find(GbkToUtf8(lucky)), std::string::npos)
                << column << " says " << GbkToUtf8(lucky);
    }
    const std::string suggestion = Trim(row.at("as"));
    ASSERT_GE(suggestion.size(), 4u);
    EXPECT_EQ(suggestion.substr(suggestion.size() - 2), "。");
    ++openings[suggestion.substr(0, 2)];
  }
  // No one character opens more than a sixth of the suggestions.
  for (const auto& [opening, count] : openings) EXPECT_LE(count, 81 / 6) << GbkToUtf8(opening);
}

}  // namespace
}  // namespace lumeno::numerology
