// The content of the character table that name generation and the element
// window stand on, on the shipped database: the elements naming books print,
// how many candidates there are, that both sexes find characters for every
// stroke count the combination table asks for, and that familiar characters
// come first. Element facts cover every candidate and the first level of the
// general standard list.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "support/fixture_db.h"
#include "support/paths.h"
#include "support/tsv.h"

namespace lumeno::data {
namespace {

std::string Show(const std::string& gbk) { return GbkToUtf8(gbk); }

constexpr const char* kCandidates = "select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ";
const char* const kBoysStrict = " and (xb = '男' or nan = 1 or xb = '1') ";
const char* const kGirlsStrict = " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";

class NamingContent : public ::testing::Test {
 protected:
  NamingContent() : program_(lumeno::testing::BinDir()) {}
  static ResultSet Run(const std::string& sql) { return RunQuery(DatabaseFile::Roruroz, sql); }
  // The element as the character element window looks it up.
  static std::string ElementOf(const std::string& ch) {
    ResultSet r = Run(StrFormat("select wuhang from word where zi = '%s' or ft = '%s' ", ch.c_str(), ch.c_str()));
    return r.RecordCount() > 0 ? r.First(0).AsText() : std::string();
  }

 private:
  lumeno::testing::ScopedProgramDirectory program_;
};

// Enough candidates for names of every kind, and not so many that rare or
// doubtful characters crowd the lists.
TEST_F(NamingContent, CandidateCountIsInRange) {
  const int count = Run("select zi from word where Aflag is null").RecordCount();
  EXPECT_GE(count, 1500);
  EXPECT_LE(count, 3500);
}

// The element that naming books and naming sites print for well-known name
// characters. Where meaning, shape and sound disagree the naming tradition
// decides (慧 水, 星 金, 琳 木, 乐 火), which is why the table carries facts
// in front of the rule.
TEST_F(NamingContent, ElementsAsNamingBooksPrintThem) {
  struct Group {
    const char* element;
    const char* characters;
  };
  const Group kGroups[] = {
      {"金", "金鑫钰铭锦锋钧锐铮钢银镇锡钟星静心新刚剑秀晨思诗书舒帅硕胜世千西申珊姗瑞睿"},
      {"木", "木林森琳梦景杰楠桐柏松梅桂荣芳菲萍莉蓉兰竹东嘉康健凯琪杨柳格芸英茜苗"},
      {"水", "水江河海洋波涛浩泽清源润涵淼雨雪冰慧华文明子学北博鸿泉溪霖汉敏美民妙帆风飞福冯"},
      {"火", "火炎灿烨煜炜炫焕烁照耀光晖昭晓丽乐灵南夏丹赤彤力龙亮玲娜宁达德天婷腾"},
      {"土", "土坤城培基均山岩崇安宇轩怡远岚峻垚磊坦亚伟维王旺恩永黄"},
  };
  std::map<std::string, int> perElement;
  int checked = 0;
  for (const Group& g : kGroups) {
    const std::string text = g.characters;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
      const std::string ch = text.substr(i, 2);
      EXPECT_EQ(Show(ElementOf(ch)), Show(g.element)) << Show(ch);
      ++perElement[g.element];
      ++checked;
    }
  }
  EXPECT_GE(checked, 150);
  for (const auto& [element, count] : perElement) EXPECT_GE(count, 20) << Show(element);
}

// Name generation pairs characters by the stroke counts of the combination
// table (given-name counts below 25); each count must find characters for a
// boy and for a girl, as first or as second given-name character.
TEST_F(NamingContent, BothSexesFindCharactersForEveryStrokeCountTheCombinationsAsk) {
  std::set<int> counts;
  for (const char* column : {"bh21", "bh22"}) {
    ResultSet r = Run(std::string("select distinct ") + column + " from zh where " + column + " > 0 and " + column +
                      " < 25");
    for (int i = 0; i < r.RecordCount(); ++i) counts.insert(r.At(i, 0).AsInt());
  }
  ASSERT_FALSE(counts.empty());
  for (int bh : counts) {
    if (bh < 2) continue;  // one stroke: 一 and 乙 only
    const std::string strokes = " and bh = " + std::to_string(bh);
    EXPECT_FALSE(Run(std::string(kCandidates) + kBoysStrict + " and nan = 1 " + strokes).IsEmpty())
        << "no boys' character of " << bh << " strokes";
    EXPECT_FALSE(Run(std::string(kCandidates) + kGirlsStrict + " and nv = 1 " + strokes).IsEmpty())
        << "no girls' character of " << bh << " strokes";
  }
}

TEST_F(NamingContent, FamiliarCharactersComeFirstAndPolyphonesCarryTheirNameReading) {
  // Familiar name characters weigh least, so a list opens with them.
  const int most = Run("select top 1 px from word where Aflag is null order by px desc").First("px").AsInt();
  for (const char* ch : {"浩", "宇", "轩", "明", "华", "文", "静", "琳", "欣", "怡"}) {
    ResultSet r = Run(std::string("select px from word where Aflag is null and zi = '") + ch + "'");
    ASSERT_FALSE(r.IsEmpty()) << Show(ch) << " is no candidate";
    EXPECT_LT(r.First("px").AsInt(), most) << Show(ch);
  }
  struct Reading {
    const char* ch;
    const char* pinyin;
  };
  const Reading kReadings[] = {{"乐", "lè"}, {"朝", "zhāo"}, {"行", "xíng"}, {"浩", "hào"}};
  for (const Reading& r : kReadings)
    EXPECT_EQ(Show(Run(std::string("select pinyin from word where zi = '") + r.ch + "'").First("pinyin").AsText()),
              Show(r.pinyin))
        << Show(r.ch);
}

// The element facts name every candidate and every character of the first
// level of the general standard list (its first 3500 characters), so none of
// them falls back to the rule.
TEST_F(NamingContent, ElementFactsCoverCandidatesAndTheFirstLevelOfTheGeneralList) {
  std::set<std::string> facts;
  for (const auto& f : lumeno::testing::ReadTsv(lumeno::testing::SourceDir() + "/refdata/rules/element_facts.tsv")) facts.insert(f[0]);
  std::vector<std::string> missing;
  for (const auto& f : lumeno::testing::ReadTsv(lumeno::testing::SourceDir() + "/refdata/rules/name_candidates.tsv"))
    if (!facts.count(f[0])) missing.push_back(f[0]);
  EXPECT_TRUE(missing.empty()) << missing.size() << " candidates without a fact, first " << missing.front();
  // The Unihan extract: the column kTGH holds "2013:N".
  std::ifstream in(lumeno::testing::SourceDir() + "/refdata/unihan/unihan-gbk.txt");
  std::string line;
  int tghColumn = -1, firstLevel = 0;
  missing.clear();
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    for (std::size_t pos = 0;;) {
      std::size_t tab = line.find('\t', pos);
      f.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
      if (tab == std::string::npos) break;
      pos = tab + 1;
    }
    if (tghColumn < 0) {
      for (std::size_t i = 0; i < f.size(); ++i)
        if (f[i] == "kTGH") tghColumn = static_cast<int>(i);
      ASSERT_GE(tghColumn, 0);
      continue;
    }
    const std::string& tgh = f[static_cast<std::size_t>(tghColumn)];
    if (tgh.empty() || std::stoi(tgh.substr(tgh.find(':') + 1)) > 3500) continue;
    ++firstLevel;
    const auto cp = static_cast<unsigned>(std::stoul(f[0].substr(2), nullptr, 16));
    std::string utf8;  // the first level lies in the basic plane
    utf8 += static_cast<char>(0xE0 | (cp >> 12));
    utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    if (!facts.count(utf8)) missing.push_back(utf8);
  }
  EXPECT_EQ(firstLevel, 3500);
  EXPECT_TRUE(missing.empty()) << missing.size() << " first-level characters without a fact, first "
                               << (missing.empty() ? "" : missing.front());
}

}  // namespace
}  // namespace lumeno::data
