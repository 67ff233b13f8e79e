// The bone-weight tables of the shipped dream.dll (chenggu1 to chenggu4 and
// the readings in chenggu), read with the query texts of the bone-weight
// reading: the fixed text followed directly by the quoted key.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "gbk_chars.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno::data {
namespace {

using testing::GbkChars;
using testing::Show;

struct PartTable {
  const char* name;
  const char* sqlHead;  // the query up to the quoted key
  int firstKey;
  int lastKey;
};

const PartTable kYear = {"chenggu1", "Select weight from chenggu1 where year =", 1900, 2100};
const PartTable kMonth = {"chenggu2", "Select weight from chenggu2 where month2 =", 1, 12};
const PartTable kDay = {"chenggu3", "Select weight from chenggu3 where day2 =", 1, 30};
const PartTable kHour = {"chenggu4", "Select weight from chenggu4 where time =", 0, 23};

class BoneWeight : public ::testing::Test {
 protected:
  BoneWeight() : program_(lumeno::testing::BinDir()) {}

  static ResultSet Part(const PartTable& table, int key) {
    return RunQuery(DatabaseFile::Dream, table.sqlHead + QuotedSql(std::to_string(key)));
  }
  // The weight of one key, which must have exactly one row.
  static double Weight(const PartTable& table, int key) {
    ResultSet r = Part(table, key);
    EXPECT_EQ(r.RecordCount(), 1) << table.name << " " << key;
    return r.First(0).AsDouble();
  }
  static ResultSet Reading(const std::string& key) {
    return RunQuery(DatabaseFile::Dream, "Select content,content2 from chenggu where weight =" + QuotedSql(key));
  }
  // Every distinct weight a table holds over its keys.
  static std::vector<double> Weights(const PartTable& table) {
    std::set<double> distinct;
    for (int key = table.firstKey; key <= table.lastKey; ++key) distinct.insert(Weight(table, key));
    return {distinct.begin(), distinct.end()};
  }

 private:
  lumeno::testing::ScopedProgramDirectory program_;
};

// The reading key of a summed weight: its general decimal form, the 两 digit
// and the first digit after the point (5 gives "50", 4.5 gives "45").
std::string KeyOf(double sum) {
  std::string text = FormatGeneral(sum);
  return text.size() == 1 ? text + "0" : text.substr(0, 1) + text.substr(2, 1);
}

const char* const kNumerals[10] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

bool IsWholeTenths(double w) { return std::fabs(w * 10 - std::round(w * 10)) < 1e-9; }

TEST_F(BoneWeight, EveryKeyOfEachPartHasOnePlausibleWeight) {
  for (const PartTable* table : {&kYear, &kMonth, &kDay, &kHour}) {
    for (int key = table->firstKey; key <= table->lastKey; ++key) {
      double w = Weight(*table, key);
      EXPECT_TRUE(IsWholeTenths(w)) << table->name << " " << key << ": " << w;
      EXPECT_GE(w, 0.5) << table->name << " " << key;
      EXPECT_LE(w, 1.9) << table->name << " " << key;
    }
  }
}

TEST_F(BoneWeight, KeysOutsideEachPartFindNothing) {
  // The reading adds 0 for a key without a row; a stray row would silently
  // change such sums.
  const struct {
    const PartTable* table;
    int key;
  } cases[] = {{&kYear, 1899}, {&kYear, 2101}, {&kMonth, 0}, {&kMonth, 13}, {&kDay, 0}, {&kDay, 31}, {&kHour, 24}};
  for (const auto& c : cases) EXPECT_TRUE(Part(*c.table, c.key).IsEmpty()) << c.table->name << " " << c.key;
  // Keys are plain decimals: no leading zeros.
  EXPECT_TRUE(RunQuery(DatabaseFile::Dream, std::string(kMonth.sqlHead) + "'01'").IsEmpty());
}

TEST_F(BoneWeight, YearsFollowTheSexagenaryCycle) {
  for (int year = kYear.firstKey + 60; year <= kYear.lastKey; ++year)
    EXPECT_DOUBLE_EQ(Weight(kYear, year), Weight(kYear, year - 60)) << year;
  const struct {
    int year;
    const char* jiazi;
    double weight;
  } known[] = {
      {1900, "庚子", 0.7}, {1924, "甲子", 1.2}, {1939, "己卯", 1.9}, {1966, "丙午", 1.3}, {1978, "戊午", 1.9},
      {1984, "甲子", 1.2}, {1985, "乙丑", 0.9}, {1992, "壬申", 0.7}, {2000, "庚辰", 1.2}, {2004, "甲申", 0.5},
      {2023, "癸卯", 1.2}, {2100, "庚申", 0.8},
  };
  for (const auto& k : known) EXPECT_DOUBLE_EQ(Weight(kYear, k.year), k.weight) << k.year << " " << Show(k.jiazi);
}

TEST_F(BoneWeight, MonthsAndDaysHaveTheirTraditionalWeights) {
  const struct {
    const PartTable* table;
    int key;
    double weight;
  } known[] = {
      {&kMonth, 1, 0.6}, {&kMonth, 3, 1.8}, {&kMonth, 5, 0.5}, {&kMonth, 8, 1.5},  {&kMonth, 9, 1.8},
      {&kMonth, 12, 0.5}, {&kDay, 1, 0.5},  {&kDay, 2, 1.0},   {&kDay, 15, 1.0},   {&kDay, 18, 1.8},
      {&kDay, 19, 0.5},  {&kDay, 26, 1.8},  {&kDay, 30, 0.6},
  };
  for (const auto& k : known) EXPECT_DOUBLE_EQ(Weight(*k.table, k.key), k.weight) << k.table->name << " " << k.key;
}

TEST_F(BoneWeight, EachHourWeighsWhatItsDoubleHourWeighs) {
  // 子 covers 23 and 0, 丑 1 and 2, ... 亥 21 and 22.
  const double doubleHour[12] = {1.6, 0.6, 0.7, 1.0, 0.9, 1.6, 1.0, 0.8, 0.8, 0.9, 0.6, 0.6};
  for (int hour = 0; hour <= 23; ++hour) {
    int branch = (hour + 1) / 2 % 12;
    EXPECT_DOUBLE_EQ(Weight(kHour, hour), doubleHour[branch]) << "hour " << hour;
  }
}

TEST_F(BoneWeight, EveryReachableSumHasAReading) {
  std::vector<double> years = Weights(kYear), months = Weights(kMonth), days = Weights(kDay), hours = Weights(kHour);
  ASSERT_FALSE(years.empty() || months.empty() || days.empty() || hours.empty());
  std::set<std::string> keys;
  for (double y : years)
    for (double m : months)
      for (double d : days)
        for (double h : hours) keys.insert(KeyOf(y + m + d + h));  // added in the reading's order
  for (const std::string& key : keys) {
    ASSERT_EQ(key.size(), 2u) << key;
    EXPECT_EQ(Reading(key).RecordCount(), 1) << "no reading for " << key;
  }
  // The lightest and heaviest charts of these tables.
  double lightest = years.front() + months.front() + days.front() + hours.front();
  double heaviest = years.back() + months.back() + days.back() + hours.back();
  EXPECT_EQ(KeyOf(lightest), "21");
  EXPECT_EQ(KeyOf(heaviest), "71");
}

TEST_F(BoneWeight, ReadingsCoverTheTraditionalRangeWithAVerseAndAnExplanation) {
  std::set<std::string> verses, explanations;
  for (int tenths = 21; tenths <= 72; ++tenths) {
    std::string key = std::to_string(tenths);
    SCOPED_TRACE(key);
    ResultSet r = Reading(key);
    ASSERT_EQ(r.RecordCount(), 1);
    std::string verse = r.First(0).AsTrimmedText();
    std::string explanation = r.First(1).AsTrimmedText();
    ASSERT_TRUE(IsAllDoubleByte(verse)) << Show(verse);
    ASSERT_TRUE(IsAllDoubleByte(explanation)) << Show(explanation);

    // Four lines of five or seven characters: A，B。C，D。
    std::vector<std::string> chars = GbkChars(verse);
    ASSERT_GE(chars.size(), 24u) << Show(verse);
    std::size_t line = (chars.size() - 4) / 4;
    ASSERT_TRUE(line == 5 || line == 7) << Show(verse);
    ASSERT_EQ(chars.size(), 4 * line + 4) << Show(verse);
    const char* marks[4] = {"，", "。", "，", "。"};
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(chars[(line + 1) * i + line], marks[i]) << Show(verse);
      for (std::size_t j = 0; j < line; ++j) {
        const std::string& c = chars[(line + 1) * i + j];
        EXPECT_TRUE(c != "，" && c != "。" && c != "、" && c != "；") << Show(verse);
      }
    }

    std::vector<std::string> words = GbkChars(explanation);
    EXPECT_GE(words.size(), 60u) << Show(explanation);
    EXPECT_LE(words.size(), 150u) << Show(explanation);
    EXPECT_EQ(words.back(), "。") << Show(explanation);
    // The explanation speaks of its own weight, so a reading filed under the
    // wrong key shows: 45 names 四两五钱, 50 names 五两 and no 钱.
    std::string spelled = kNumerals[tenths / 10] + std::string("两");
    if (tenths % 10 != 0) spelled += kNumerals[tenths % 10] + std::string("钱");
    std::size_t at = ByteFind(explanation, spelled);
    EXPECT_NE(at, std::string::npos) << "no " << Show(spelled) << " in " << Show(explanation);
    if (at != std::string::npos && tenths % 10 == 0) {
      EXPECT_NE(ByteCopy(explanation, at + spelled.size() + 2, 2), "钱") << Show(explanation);
    }
    EXPECT_TRUE(verses.insert(verse).second) << "the same verse twice: " << Show(verse);
    EXPECT_TRUE(explanations.insert(explanation).second) << "the same explanation twice";
  }
  EXPECT_TRUE(Reading("20").IsEmpty());
  EXPECT_TRUE(Reading("73").IsEmpty());
}

}  // namespace
}  // namespace lumeno::data
