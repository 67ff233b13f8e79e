// The content of the number readings: the 81 built-in rows, the mobile
// readings of table shouji and the pairing readings of table QQpd.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "content_checks.h"
#include "fortune/numbers.h"

namespace lumeno::fortune::content {
namespace {

// Luck and personality type of rows 0 to 80: G 吉, B 凶, g 吉带凶, b 凶带吉.
constexpr const char* kLuckAndType =
    "G1B2G3B4G5G6G7G8B9" "B1G2B3G4B5G6G7G8G9" "B1B2G3B4G5G6G7B9b1"
    "B9G1B2G3G4G5B6G7B9" "G1b2G3g4G5g6g7B8G3" "B4G5G6B7g8g9G1g2B3"
    "g5B6G7b8B9B1g2B3G4" "B5G6B7G9G6B7B8g9B1" "G2B2g3B4g5g6B7g9G1";

const char* LuckOf(char code) {
  switch (code) {
    case 'G': return "吉";
    case 'B': return "凶";
    case 'g': return "吉带凶";
    default: return "凶带吉";
  }
}

TEST(NumberReadingsContent, EveryRowHasItsLuckAndType) {
  std::map<std::string, int> counts;
  for (int row = 0; row < kNumberRows; ++row) {
    EXPECT_STREQ(NumberLuck(row), LuckOf(kLuckAndType[2 * row])) << "row " << row;
    EXPECT_EQ(NumberPersonalityType(row), kLuckAndType[2 * row + 1] - '0') << "row " << row;
    ++counts[NumberLuck(row)];
  }
  EXPECT_EQ(counts["吉"], 35);
  EXPECT_EQ(counts["凶"], 30);
  EXPECT_EQ(counts["吉带凶"], 13);
  EXPECT_EQ(counts["凶带吉"], 3);
}

TEST(NumberReadingsContent, VerdictsAreFourPhrasesOfFourCharactersEachItsOwn) {
  EXPECT_STREQ(NumberVerdict(0), "大展鸿图，信用得固，名利双收，可获成功");
  EXPECT_STREQ(NumberVerdict(80), "最极之数，还本归元，能得繁荣，发达成功");
  std::vector<int> missing;
  std::map<std::string, std::vector<int>> phraseRows;
  for (int row = 0; row < kNumberRows; ++row) {
    const std::string verdict = NumberVerdict(row);
    if (verdict.empty()) {
      missing.push_back(row);
      continue;
    }
    std::vector<std::string> phrases;
    for (std::size_t start = 0;;) {
      const std::size_t comma = verdict.find("，", start);
      phrases.push_back(verdict.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
      if (comma == std::string::npos) break;
      start = comma + 2;
    }
    EXPECT_EQ(phrases.size(), 4u) << "row " << row << ": " << GbkToUtf8(verdict);
    for (const std::string& p : phrases) {
      EXPECT_TRUE(ChineseCharactersOnly(p) && CharCount(p) == 4)
          << "row " << row << ": phrase " << GbkToUtf8(p) << " is not four characters";
      phraseRows[p].push_back(row);
    }
  }
  std::string missingRows;
  for (int row : missing) missingRows += " " + std::to_string(row);
  EXPECT_TRUE(missing.empty()) << "verdicts not supplied for rows" << missingRows
                               << " (run tools/fortune_texts.py on the content files)";
  for (const auto& [phrase, rows] : phraseRows)
    EXPECT_EQ(rows.size(), 1u) << GbkToUtf8(phrase) << " stands in " << rows.size() << " verdicts";
}

TEST(NumberReadingsContent, EachPersonalityTypeHasItsOwnSketch) {
  std::set<std::string> seen;
  for (int type = 1; type <= kPersonalityTypes; ++type) {
    const std::string sketch = PersonalitySketch(type);
    const int n = CharCount(sketch);
    EXPECT_TRUE(n >= 49 && n <= 77) << "sketch of T" << type << " ("
                                    << GbkToUtf8(PersonalityTypeName(type)) << ") has " << n
                                    << " characters, not 49 to 77" << (n == 0 ? ": not supplied" : "");
    EXPECT_TRUE(sketch.empty() || seen.insert(sketch).second) << "T" << type << " repeats another sketch";
  }
}

TEST(MobileReadingsContent, KeysZeroToSeventyNineEachWithTitleMarkAndReading) {
  const data::ResultSet rows = Rows(data::DatabaseFile::Dream, "select num,title,jx,content from shouji");
  ASSERT_GT(rows.RecordCount(), 0) << "table shouji of dream.dll is empty: the mobile readings "
                                      "(refdata/tables/dream/shouji.tsv) have not been supplied";
  std::map<std::string, std::string> contentByKey;
  std::set<std::string> titles;
  for (int r = 0; r < rows.RecordCount(); ++r) {
    const std::string key = rows.At(r, "num").AsTrimmedText();
    const std::string title = rows.At(r, "title").AsTrimmedText();
    const std::string mark = rows.At(r, "jx").AsTrimmedText();
    const std::string content = rows.At(r, "content").AsTrimmedText();
    EXPECT_TRUE(contentByKey.emplace(key, content).second) << "key " << key << " twice";
    EXPECT_TRUE(CharCount(title) >= 2 && CharCount(title) <= 8) << "key " << key << ": title " << GbkToUtf8(title);
    EXPECT_TRUE(titles.insert(title).second) << "key " << key << ": title " << GbkToUtf8(title) << " repeated";
    EXPECT_FALSE(mark.empty()) << "key " << key << " has no luck mark";
    const std::size_t sentences = Sentences(content).size();
    EXPECT_TRUE(sentences >= 2 && sentences <= 4) << "key " << key << ": " << sentences << " sentences";
  }
  for (int key = 0; key < 80; ++key)
    EXPECT_EQ(contentByKey.count(std::to_string(key)), 1u) << "no reading for key " << key;
  EXPECT_EQ(contentByKey.size(), 80u) << "keys beyond 0-79";
  EXPECT_EQ(SharedSentences(contentByKey), "") << "sentences shared between mobile readings";
}

TEST(PairingReadingsContent, EverySumFromZeroToOneHundredOnceEachWithAReading) {
  const data::ResultSet rows = Rows(data::DatabaseFile::VelBirth, "select bihua,intro from QQpd");
  ASSERT_GT(rows.RecordCount(), 0) << "table QQpd of VelBirth.dll is empty: the pairing readings "
                                      "(refdata/tables/VelBirth/QQpd.tsv) have not been supplied";
  std::map<int, int> rowOfSum;
  std::map<std::string, std::string> introByRow;
  for (int r = 0; r < rows.RecordCount(); ++r) {
    const std::string list = rows.At(r, "bihua").AsTrimmedText();
    const std::string intro = rows.At(r, "intro").AsTrimmedText();
    introByRow["row " + std::to_string(r + 1)] = intro;
    // A comma, the sums separated by commas, a closing comma.
    ASSERT_TRUE(list.size() >= 3 && list.front() == ',' && list.back() == ',') << "row " << r + 1 << ": " << list;
    std::size_t start = 1;
    while (start < list.size()) {
      const std::size_t comma = list.find(',', start);
      const std::optional<int> sum = ParseInt(list.substr(start, comma - start));
      ASSERT_TRUE(sum && *sum >= 0 && *sum <= 100) << "row " << r + 1 << ": " << list;
      EXPECT_TRUE(rowOfSum.emplace(*sum, r + 1).second) << "sum " << *sum << " in two rows";
      start = comma + 1;
    }
    const std::size_t sentences = Sentences(intro).size();
    EXPECT_TRUE(sentences >= 2 && sentences <= 4) << "row " << r + 1 << ": " << sentences << " sentences";
  }
  for (int sum = 0; sum <= 100; ++sum) {
    EXPECT_EQ(rowOfSum.count(sum), 1u) << "no row for the sum " << sum;
  }
  // What the window finds for a few pairs, through its own query.
  EXPECT_FALSE(QQPairingText("00000", "00000").empty());
  EXPECT_FALSE(QQPairingText("9999999999", "9999999999").empty());
  EXPECT_FALSE(QQPairingText("9999999999", "1111111111").empty());
  EXPECT_EQ(SharedSentences(introByRow), "") << "sentences shared between pairing readings";
}

}  // namespace
}  // namespace lumeno::fortune::content
