// The name candidates of the shipped table word, read with the fixed pieces
// of the candidate queries of name generation: each is a GB2312 character
// with a reading and a gloss and none is excluded, the flags agree, and the
// sex conditions give boys boys' characters and girls girls'.
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

std::string Show(const std::string& gbk) { return GbkToUtf8(gbk); }

bool IsGb2312Hanzi(const std::string& gbk) {
  if (gbk.size() != 2) return false;
  const auto lead = static_cast<unsigned char>(gbk[0]), trail = static_cast<unsigned char>(gbk[1]);
  return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE && !(lead == 0xD7 && trail >= 0xFA);
}

// The characters (GBK) of the first column of a rule file.
std::set<std::string> RuleCharacters(const std::string& file) {
  std::set<std::string> out;
  for (const auto& f : lumeno::testing::ReadTsv(lumeno::testing::SourceDir() + "/refdata/rules/" + file))
    out.insert(Utf8ToGbk(f[0]));
  return out;
}

// The pieces of the candidate queries.
constexpr const char* kCandidates = "select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ";
const char* const kBoysLoose = " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ";
const char* const kGirlsLoose = " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ";
const char* const kBoysStrict = " and (xb = '男' or nan = 1 or xb = '1') ";
const char* const kGirlsStrict = " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";

class Candidates : public ::testing::Test {
 protected:
  Candidates() : program_(lumeno::testing::BinDir()) {}
  static ResultSet Run(const std::string& sql) { return RunQuery(DatabaseFile::Roruroz, sql); }

 private:
  lumeno::testing::ScopedProgramDirectory program_;
};

TEST_F(Candidates, EveryCandidateIsAGoodGb2312RowWithReadingAndGloss) {
  ResultSet all = Run("select zi,ft,bh,nan,nv,xb,px,id,pinyin,gloss from word where Aflag is null");
  ASSERT_FALSE(all.IsEmpty());
  const std::set<std::string> excluded = RuleCharacters("name_exclusions.tsv");
  EXPECT_FALSE(excluded.empty());
  std::set<std::string> seen;
  std::map<std::string, std::string> glossOwner;
  for (int i = 0; i < all.RecordCount(); ++i) {
    const std::string zi = all.At(i, "zi").AsText();
    SCOPED_TRACE(Show(zi));
    EXPECT_TRUE(IsGb2312Hanzi(zi));
    EXPECT_TRUE(seen.insert(zi).second) << "two candidate rows";
    EXPECT_FALSE(excluded.count(zi)) << "excluded, yet a candidate";
    EXPECT_GT(all.At(i, "bh").AsInt(), 0);
    const std::string pinyin = all.At(i, "pinyin").AsText();
    EXPECT_FALSE(pinyin.empty());
    // The gloss: 4 to 16 characters, all double-byte (Chinese and full-width
    // punctuation), and no two candidates share one.
    const std::string gloss = all.At(i, "gloss").AsText();
    EXPECT_TRUE(IsAllDoubleByte(gloss)) << Show(gloss);
    EXPECT_GE(gloss.size(), 8u) << Show(gloss);
    EXPECT_LE(gloss.size(), 32u) << Show(gloss);
    auto owner = glossOwner.emplace(gloss, zi);
    EXPECT_TRUE(owner.second) << "gloss shared with " << Show(owner.first->second) << ": " << Show(gloss);
    // The flags agree with each other.
    const int nan = all.At(i, "nan").AsInt(), nv = all.At(i, "nv").AsInt();
    const std::string xb = all.At(i, "xb").AsText();
    EXPECT_TRUE(nan == 1 || nv == 1);
    EXPECT_EQ(xb, nan && nv ? "1" : nan ? "男" : "女") << Show(xb);
    EXPECT_GT(all.At(i, "px").AsInt(), 0);
  }
}

TEST_F(Candidates, NonCandidatesStayOutOfEveryList) {
  EXPECT_TRUE(Run("select zi from word where Aflag is not null and (nan <> 0 or nv <> 0 or xb <> '0')").IsEmpty());
  EXPECT_TRUE(Run("select zi from word where Aflag is null and xb = '0'").IsEmpty());
  // The further rows of traditional forms are never candidates.
  EXPECT_FALSE(Run("select zi from word where Aflag = 2").IsEmpty());
  // Every excluded character that has a row is kept out.
  for (const std::string& zi : RuleCharacters("name_exclusions.tsv"))
    EXPECT_TRUE(Run("select zi from word where Aflag is null and zi = '" + zi + "'").IsEmpty()) << Show(zi);
}

// Under each of the four sex conditions a boy's list holds only boys'
// characters and a girl's only girls'; the characters for both are in both.
TEST_F(Candidates, SexConditionsGiveEachSexItsOwnCharacters) {
  const int total = Run("select zi from word where Aflag is null").RecordCount();
  const int both = Run("select zi from word where Aflag is null and xb = '1'").RecordCount();
  EXPECT_GT(both, 0);
  struct Case {
    const char* condition;
    const char* flag;  // the column every row of the list must have set
  };
  const Case kCases[] = {
      {kBoysLoose, "nan"}, {kBoysStrict, "nan"}, {kGirlsLoose, "nv"}, {kGirlsStrict, "nv"}};
  int boys = 0, girls = 0;
  for (const Case& c : kCases) {
    SCOPED_TRACE(Show(c.condition));
    ResultSet list = Run(std::string(kCandidates) + c.condition);
    EXPECT_GT(list.RecordCount(), both);
    for (int i = 0; i < list.RecordCount(); ++i)
      EXPECT_EQ(list.At(i, c.flag).AsInt(), 1) << Show(list.At(i, "zi").AsText());
    (std::string(c.flag) == "nan" ? boys : girls) = list.RecordCount();
  }
  // Every candidate serves at least one sex.
  EXPECT_EQ(boys + girls - both, total);
}

// Every row carries a reading with its tone; only a handful of characters
// outside GB2312 that no dictionary reads have none.
TEST_F(Candidates, EveryRowHasAReading) {
  ResultSet none = Run("select zi from word where pinyin is null or pinyin = ''");
  EXPECT_LE(none.RecordCount(), 13);
  for (int i = 0; i < none.RecordCount(); ++i) EXPECT_FALSE(IsGb2312Hanzi(none.At(i, "zi").AsText()));
  struct Reading {
    const char* ch;
    const char* pinyin;
  };
  // Not candidates: the first reading the dictionaries give.
  const Reading kReadings[] = {{"死", "sǐ"}, {"的", "de"}, {"张", "zhāng"}, {"鑫", "xīn"}, {"呣", "móu"}};
  for (const Reading& r : kReadings)
    EXPECT_EQ(Show(Run(std::string("select pinyin from word where zi = '") + r.ch + "'").First("pinyin").AsText()),
              Show(r.pinyin))
        << Show(r.ch);
}

}  // namespace
}  // namespace lumeno::data
