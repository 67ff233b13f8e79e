// The shipped table word against the rows the build made from the system's
// Unihan files before it read the extract kept in refdata/unihan/
// (word_rows_unihan15.tsv beside this file). Every row must be the same, in
// the same place, as those rows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "data/query.h"
#include "support/fixture_db.h"
#include "support/paths.h"
#include "support/tsv.h"

namespace lumeno::data {
namespace {

struct WordRow {
  std::string zi, ft, wuhang;  // UTF-8
  int bh = 0;
  bool further = false;  // a further traditional form (Aflag 2)
};

std::vector<WordRow> ReadBaseline() {
  std::vector<WordRow> rows;
  for (const auto& f : lumeno::testing::ReadTsv(lumeno::testing::SourceDir() + "/tests/word_content/word_rows_unihan15.tsv")) {
    if (f.size() != 5) {
      ADD_FAILURE() << "bad baseline line starting " << f[0];
      continue;
    }
    rows.push_back({f[0], f[1], f[3], std::stoi(f[2]), f[4] == "2"});
  }
  return rows;
}

// The first column of a rule file (UTF-8 characters).
std::set<std::string> RuleCharacters(const std::string& file) {
  std::set<std::string> out;
  for (const auto& f : lumeno::testing::ReadTsv(lumeno::testing::SourceDir() + "/refdata/rules/" + file)) out.insert(f[0]);
  return out;
}

TEST(WordBaseline, EveryRowMatchesTheRowsBuiltFromUnihan) {
  lumeno::testing::ScopedProgramDirectory program(lumeno::testing::BinDir());
  const std::vector<WordRow> baseline = ReadBaseline();
  ASSERT_GT(baseline.size(), 18000u);
  const std::set<std::string> countedWithComponent = RuleCharacters("component_strokes.tsv");
  ASSERT_FALSE(countedWithComponent.empty());
  std::map<std::string, std::string> elementFacts;
  for (const auto& f : lumeno::testing::ReadTsv(lumeno::testing::SourceDir() + "/refdata/rules/element_facts.tsv"))
    if (f.size() >= 2) elementFacts[f[0]] = f[1];
  ASSERT_FALSE(elementFacts.empty());
  ResultSet shipped = RunQuery(DatabaseFile::Roruroz, "select zi,ft,bh,wuhang,Aflag from word");
  ASSERT_EQ(shipped.RecordCount(), static_cast<int>(baseline.size()));
  int differences = 0;
  for (int i = 0; i < shipped.RecordCount() && differences < 20; ++i) {
    const WordRow& want = baseline[static_cast<std::size_t>(i)];
    WordRow got{GbkToUtf8(shipped.At(i, "zi").AsText()), GbkToUtf8(shipped.At(i, "ft").AsText()),
                GbkToUtf8(shipped.At(i, "wuhang").AsText()), shipped.At(i, "bh").AsInt(),
                shipped.At(i, "Aflag").AsText() == "2"};
    // The fact for the row's own form wins: the ft of a further row, else zi.
    const std::string* fact = nullptr;
    for (const std::string& form : want.further ? std::vector{got.ft, got.zi} : std::vector{got.zi, got.ft}) {
      auto it = elementFacts.find(form);
      if (it != elementFacts.end()) {
        fact = &it->second;
        break;
      }
    }
    const bool elementAsMeant = fact ? got.wuhang == *fact : got.wuhang == want.wuhang;
    const bool strokesAsMeant = got.bh == want.bh || (countedWithComponent.count(got.ft) && got.bh > want.bh);
    bool same = got.zi == want.zi && got.ft == want.ft && got.further == want.further && strokesAsMeant &&
                elementAsMeant;
    if (!same) {
      ++differences;
      ADD_FAILURE() << "row " << i + 1 << ": " << got.zi << got.ft << " " << got.bh << got.wuhang
                    << (got.further ? " further" : "") << ", was " << want.zi << want.ft << " " << want.bh
                    << want.wuhang << (want.further ? " further" : "");
    }
  }
}

}  // namespace
}  // namespace lumeno::data
