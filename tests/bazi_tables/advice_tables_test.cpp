// The useful-element advice of the shipped Tgcode.dll: table sjrs (element and
// season) and table qtbj (day stem and month branch), read with the very
// query texts the eight-character report runs.
#include <gtest/gtest.h>

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

const std::vector<std::string> kElements = {"金", "木", "水", "火", "土"};
const std::vector<std::string> kSeasons = {"春", "夏", "秋", "冬"};
const std::vector<std::string> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const std::vector<std::string> kBranches = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

class AdviceTables : public ::testing::Test {
 protected:
  AdviceTables() : program_(lumeno::testing::BinDir()) {}

  static ResultSet SeasonAdvice(const std::string& element, const std::string& season) {
    return RunQuery(DatabaseFile::Tgcode, "select  top 1 sjrs from sjrs where wh = '" + element + "' and sj = '" +
                                              season + "' ");
  }
  static ResultSet Tiaohou(const std::string& stem, const std::string& branch) {
    return RunQuery(DatabaseFile::Tgcode, "select  top 1 content from qtbj where tg = '" + stem + "' and dz = '" +
                                              branch + "' ");
  }
  // The season clause, which must exist.
  static std::string SeasonText(const std::string& element, const std::string& season) {
    ResultSet r = SeasonAdvice(element, season);
    EXPECT_EQ(r.RecordCount(), 1) << Show(element + season);
    return r.First("sjrs").AsTrimmedText();
  }

 private:
  lumeno::testing::ScopedProgramDirectory program_;
};

bool Contains(const std::string& text, const std::string& what) { return ByteFind(text, what) != std::string::npos; }

TEST_F(AdviceTables, EverySeasonClauseReadsAsOneClauseOfAdvice) {
  std::set<std::string> seen;
  for (const std::string& element : kElements) {
    for (const std::string& season : kSeasons) {
      SCOPED_TRACE(Show(element + season));
      std::string text = SeasonText(element, season);
      ASSERT_TRUE(IsAllDoubleByte(text)) << Show(text);
      std::vector<std::string> chars = GbkChars(text);
      EXPECT_GE(chars.size(), 30u);
      EXPECT_LE(chars.size(), 80u);
      // The report closes the sentence itself.
      EXPECT_NE(chars.back(), "。");
      EXPECT_NE(chars.back(), "，");
      EXPECT_NE(chars.back(), "；");
      // Advice names what serves and what harms.
      EXPECT_TRUE(Contains(text, "喜") || Contains(text, "宜")) << Show(text);
      EXPECT_TRUE(Contains(text, "忌")) << Show(text);
      int elementsNamed = 0;
      for (const std::string& e : kElements) elementsNamed += Contains(text, e) ? 1 : 0;
      EXPECT_GE(elementsNamed, 3) << Show(text);
      EXPECT_TRUE(seen.insert(text).second) << "the same text twice: " << Show(text);
    }
  }
}

TEST_F(AdviceTables, SeasonClausesFollowTheTraditionalPreferences) {
  // The part before the first 忌 is what the day master welcomes, the rest
  // what it should avoid.
  struct Case {
    const char* element;
    const char* season;
    const char* welcomed;
    const char* avoided;
  };
  const Case cases[] = {
      {"木", "春", "金", "水"},  // strong wood wants pruning, not more water
      {"火", "夏", "水", "木"},  // blazing fire wants water, not fuel
      {"金", "秋", "火", "土"},  // ruling metal wants forging, heavy earth buries it
      {"水", "冬", "火", "金"},  // cold ruling water wants warmth, not a further source
      {"土", "春", "火", "木"},  // earth under strong wood wants fire, not more wood
      {"木", "冬", "火", "水"},
      {"金", "夏", "水", "火"},
  };
  for (const Case& c : cases) {
    std::string text = SeasonText(c.element, c.season);
    std::size_t split = ByteFind(text, "忌");
    ASSERT_NE(split, std::string::npos) << Show(text);
    std::string welcomed = text.substr(0, split), avoided = text.substr(split);
    EXPECT_TRUE(Contains(welcomed, c.welcomed)) << c.element << c.season << ": " << Show(text);
    EXPECT_TRUE(Contains(avoided, c.avoided)) << c.element << c.season << ": " << Show(text);
  }
}

// The stem a text names first as the one to use: the first stem that follows
// one of the verbs the texts use for choosing (取, 用, 以, 喜, 赖, 非, 须).
std::string FirstUsefulStem(const std::string& text) {
  static const std::set<std::string> choosing = {"取", "用", "以", "喜", "赖", "非", "须"};
  std::vector<std::string> chars = GbkChars(text);
  for (std::size_t i = 0; i + 1 < chars.size(); ++i) {
    if (!choosing.count(chars[i])) continue;
    for (const std::string& stem : kStems)
      if (chars[i + 1] == stem) return stem;
  }
  return "";
}

TEST_F(AdviceTables, EveryStemAndMonthHasAdviceLeadingWithTheTraditionalStem) {
  // The first 调候 stem of the tradition for each day stem, months 子 to 亥.
  const std::vector<std::string> firstStem = {
      "丁丁丙庚庚癸癸癸庚丁丁庚",  // 甲
      "丙丙丙丙癸癸癸癸丙癸癸丙",  // 乙
      "壬壬壬壬壬壬壬壬壬壬甲甲",  // 丙
      "甲甲甲庚甲甲壬甲甲甲甲甲",  // 丁
      "丙丙丙丙甲甲壬癸丙丙甲甲",  // 戊
      "丙丙丙甲丙癸癸癸丙丙甲丙",  // 己
      "丁丙戊丁甲壬壬丁丁丁甲丁",  // 庚
      "丙丙己壬壬壬壬壬壬壬壬壬",  // 辛
      "戊丙庚戊甲壬癸辛戊甲甲戊",  // 壬
      "丙丙辛庚丙辛庚庚丁辛辛庚",  // 癸
  };
  std::set<std::string> seen;
  for (std::size_t s = 0; s < kStems.size(); ++s) {
    std::vector<std::string> expected = GbkChars(firstStem[s]);
    ASSERT_EQ(expected.size(), kBranches.size());
    for (std::size_t b = 0; b < kBranches.size(); ++b) {
      SCOPED_TRACE(Show(kStems[s] + kBranches[b]));
      ResultSet r = Tiaohou(kStems[s], kBranches[b]);
      ASSERT_EQ(r.RecordCount(), 1);
      std::string text = r.First("content").AsTrimmedText();
      ASSERT_TRUE(IsAllDoubleByte(text)) << Show(text);
      std::vector<std::string> chars = GbkChars(text);
      EXPECT_GE(chars.size(), 30u) << Show(text);
      EXPECT_LE(chars.size(), 90u) << Show(text);
      EXPECT_EQ(chars.back(), "。") << Show(text);
      EXPECT_EQ(Show(FirstUsefulStem(text)), Show(expected[b])) << Show(text);
      EXPECT_TRUE(seen.insert(text).second) << "the same text twice: " << Show(text);
    }
  }
}

}  // namespace
}  // namespace lumeno::data
