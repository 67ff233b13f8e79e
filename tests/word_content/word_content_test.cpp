// Table word of the shipped Roruroz.dll, read with the program's own query
// texts: the stroke look-up (by zi, then by ft when that gives 0) and the
// element query of the character element window.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno::data {
namespace {

std::string Show(const std::string& gbk) { return GbkToUtf8(gbk); }

bool IsElement(const std::string& text) {
  return text == "金" || text == "木" || text == "水" || text == "火" || text == "土";
}

class WordContent : public ::testing::Test {
 protected:
  WordContent() : program_(lumeno::testing::BinDir()) {}

  // The stroke count as the name analysis looks it up.
  static int LookupStroke(const std::string& ch) {
    int strokes = RunQuery(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '" + ch + "'").First("bh").AsInt();
    if (strokes == 0)
      strokes = RunQuery(DatabaseFile::Roruroz, "select  top 1 bh from word where ft = '" + ch + "' ").First("bh").AsInt();
    return strokes;
  }
  static bool HasZiRow(const std::string& ch) {
    return !RunQuery(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '" + ch + "'").IsEmpty();
  }
  // The element as the character element window looks it up.
  static std::string ElementOf(const std::string& ch) {
    ResultSet r = RunQuery(DatabaseFile::Roruroz, StrFormat("select wuhang from word where zi = '%s' or ft = '%s' ",
                                                            ch.c_str(), ch.c_str()));
    return r.RecordCount() > 0 ? r.First(0).AsText() : std::string();
  }

 private:
  lumeno::testing::ScopedProgramDirectory program_;
};

TEST_F(WordContent, EveryGb2312HanziHasARowWithStrokesAndAnElement) {
  ResultSet all = RunQuery(DatabaseFile::Roruroz, "select zi,ft,bh,wuhang from word");
  ASSERT_GT(all.RecordCount(), 6763);
  std::map<std::string, int> strokesOf;  // every zi and ft
  for (int i = 0; i < all.RecordCount(); ++i) {
    std::string zi = all.At(i, "zi").AsText(), ft = all.At(i, "ft").AsText();
    int bh = all.At(i, "bh").AsInt();
    std::string wuhang = all.At(i, "wuhang").AsText();
    ASSERT_TRUE(IsAllDoubleByte(zi) && zi.size() == 2) << "row " << i << ": zi " << Show(zi);
    ASSERT_TRUE(IsAllDoubleByte(ft) && ft.size() == 2) << "row " << i << ": ft " << Show(ft);
    EXPECT_TRUE(bh > 0 && bh < 64) << Show(zi) << " " << bh;
    EXPECT_TRUE(IsElement(wuhang)) << Show(zi) << " " << Show(wuhang);
    strokesOf.emplace(zi, bh);
    strokesOf.emplace(ft, bh);
  }
  // GB2312 rows 16-87; row 55 ends at D7F9.
  std::vector<std::string> missing;
  int checked = 0;
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail >= 0xFA) continue;
      std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
      ++checked;
      if (!strokesOf.count(ch)) missing.push_back(Show(ch));
    }
  }
  EXPECT_EQ(checked, 6763);
  EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first " << missing.front();
}

TEST_F(WordContent, StrokeCountsAgreeWithNamingBooks) {
  struct Case {
    const char* ch;
    int strokes;
  };
  const Case kCases[] = {
      // Common surnames and name characters.
      {"张", 11}, {"江", 7}, {"芳", 10}, {"李", 7}, {"王", 4}, {"刘", 15}, {"陈", 16}, {"杨", 13}, {"黄", 12},
      {"赵", 14}, {"吴", 7}, {"周", 8}, {"徐", 10}, {"孙", 10}, {"马", 10}, {"朱", 6}, {"胡", 11}, {"郭", 15},
      {"何", 7}, {"林", 8}, {"罗", 20}, {"郑", 19}, {"梁", 11}, {"谢", 17}, {"宋", 7}, {"唐", 10}, {"许", 11},
      {"邓", 19}, {"冯", 12}, {"韩", 17}, {"曹", 11}, {"曾", 12}, {"彭", 12}, {"萧", 18}, {"蔡", 17}, {"潘", 16},
      {"田", 5}, {"董", 15}, {"袁", 10}, {"于", 3}, {"余", 7}, {"叶", 15}, {"蒋", 17}, {"杜", 7}, {"苏", 22},
      {"魏", 18}, {"程", 12}, {"吕", 7}, {"丁", 2}, {"沈", 8}, {"任", 6}, {"姚", 9}, {"卢", 16}, {"傅", 12},
      {"钟", 17}, {"姜", 9}, {"崔", 11}, {"谭", 19}, {"廖", 14}, {"范", 15}, {"汪", 8}, {"陆", 16}, {"金", 8},
      {"石", 5}, {"戴", 18}, {"贾", 13}, {"韦", 9}, {"夏", 10}, {"邱", 12}, {"方", 4}, {"侯", 9}, {"邹", 17},
      {"熊", 14}, {"孟", 8}, {"秦", 10}, {"白", 5}, {"阎", 16}, {"薛", 19}, {"尹", 4}, {"段", 9}, {"雷", 13},
      {"黎", 15}, {"史", 5}, {"龙", 16}, {"陶", 16}, {"贺", 12}, {"顾", 21}, {"毛", 4}, {"郝", 14}, {"龚", 22},
      {"邵", 12}, {"万", 15}, {"钱", 16}, {"严", 20}, {"赖", 16}, {"覃", 12}, {"洪", 10}, {"武", 8}, {"莫", 13},
      {"孔", 4}, {"明", 8}, {"华", 14}, {"伟", 11}, {"娜", 10}, {"敏", 11}, {"静", 16}, {"丽", 19}, {"强", 12},
      {"磊", 15}, {"军", 9}, {"洋", 10}, {"勇", 9}, {"艳", 24}, {"杰", 12}, {"涛", 18}, {"超", 12}, {"霞", 17},
      {"平", 5}, {"刚", 10}, {"桂", 10},
      // Numerals count by their value.
      {"一", 1}, {"三", 3}, {"四", 4}, {"五", 5}, {"六", 6}, {"七", 7}, {"八", 8}, {"九", 9}, {"十", 10},
      // Radicals in full form: 辶 as 7, 王 beside as 玉 5, flesh 月 as 6 but the moon 月 as 4.
      {"道", 16}, {"玲", 10}, {"朋", 8},
      // The written count where the dictionary's residual is short (政), and
      // the dictionary's place where it counts more than is written (成).
      {"政", 9}, {"成", 7},
      // Characters counted by their chosen traditional form.
      {"云", 12}, {"宁", 14}, {"丰", 18}, {"发", 12},
      // 路 counts 13 inside other characters too: a shortened radical beside
      // it is counted in full on top of that (璐 玉 5 + 13, 潞 水 4 + 13).
      {"璐", 18}, {"潞", 17}, {"蕗", 19}, {"露", 21}, {"鹭", 24}, {"路", 13},
      // Other components stay as the residual counts them.
      {"湖", 13}, {"瑚", 14}, {"胡", 11}, {"流", 10}, {"潇", 20},
  };
  for (const Case& c : kCases) EXPECT_EQ(LookupStroke(c.ch), c.strokes) << Show(c.ch);
}

TEST_F(WordContent, TraditionalFormsAreFoundThroughFt) {
  struct Case {
    const char* traditional;
    const char* simplified;
    int strokes;
  };
  const Case kCases[] = {
      {"張", "张", 11}, {"劉", "刘", 15}, {"陳", "陈", 16}, {"發", "发", 12}, {"鍾", "钟", 17}, {"葉", "叶", 15},
  };
  for (const Case& c : kCases) {
    EXPECT_FALSE(HasZiRow(c.traditional)) << Show(c.traditional) << " must not be a zi";
    EXPECT_EQ(LookupStroke(c.traditional), c.strokes) << Show(c.traditional);
    EXPECT_EQ(LookupStroke(c.simplified), c.strokes) << Show(c.simplified);
    EXPECT_EQ(ElementOf(c.traditional), ElementOf(c.simplified)) << Show(c.traditional);
  }
}

// A simplified character with several traditional forms keeps its main row
// for look-ups by zi; its other forms are found through ft with their own
// counts.
TEST_F(WordContent, FurtherTraditionalFormsKeepTheirOwnCounts) {
  struct Case {
    const char* simplified;
    int mainStrokes;
    const char* further;
    int furtherStrokes;
  };
  const Case kCases[] = {
      {"发", 12, "髮", 15},
      {"钟", 17, "鐘", 20},
      {"干", 3, "幹", 13},
      {"台", 5, "臺", 14},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(LookupStroke(c.simplified), c.mainStrokes) << Show(c.simplified);
    EXPECT_FALSE(HasZiRow(c.further)) << Show(c.further) << " must not be a zi";
    EXPECT_EQ(LookupStroke(c.further), c.furtherStrokes) << Show(c.further);
    EXPECT_FALSE(ElementOf(c.further).empty()) << Show(c.further);
  }
}

TEST_F(WordContent, ElementsOfWellKnownCharacters) {
  struct Case {
    const char* ch;
    const char* element;
  };
  const Case kCases[] = {
      {"江", "水"}, {"林", "木"}, {"炎", "火"}, {"铁", "金"}, {"坤", "土"}, {"鐵", "金"},
  };
  for (const Case& c : kCases) EXPECT_EQ(Show(ElementOf(c.ch)), Show(c.element)) << Show(c.ch);
}

}  // namespace
}  // namespace lumeno::data
