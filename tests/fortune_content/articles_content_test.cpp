// The content of the reading windows: the articles every menu entry opens
// (table Noter), the seven divination pages and the boy-or-girl article.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "content_checks.h"
#include "core/pane.h"
#include "fortune/article.h"
#include "fortune/boy_girl.h"
#include "fortune/divination.h"

namespace lumeno::fortune::content {
namespace {

struct Entry {
  const char* code;
  const char* title;  // as the menu names it
  int minChars, maxChars;
};

// Guides on names and naming 1,000 to 3,000 characters; the introductions to
// the moral texts 800 to 2,000; the articles on the naming rules as the
// program applies them 800 to 3,000.
const Entry kEntries[] = {
    {"a1", "姓名原理", 1000, 3000},
    {"a6", "八字与起名的重要性", 1000, 3000},
    {"a7", "吉祥宝宝起名方法", 1000, 3000},
    {"a8", "择日生子（仅参考）", 1000, 3000},
    {"XM001", "姓名学知识与取名", 1000, 3000},
    {"XM011", "取名规则", 1000, 3000},
    {"XM012", "吉祥名字重要性", 1000, 3000},
    {"XM013", "企业取名规则", 1000, 3000},
    {"XM014", "取笔名规则", 1000, 3000},
    {"XM015", "取艺名规则", 1000, 3000},
    {"b1", "命自我立", 800, 2000},
    {"b2", "三世因果经", 800, 2000},
    {"b3", "心命歌", 800, 2000},
    {"b4", "太上感应篇", 800, 2000},
    {"b5", "孝经", 800, 2000},
    {"b6", "孝悌歌", 800, 2000},
    {"b7", "孝顺歌", 800, 2000},
    {"b8", "亲恩歌", 800, 2000},
    {"b9", "孝道良心歌", 800, 2000},
    {"b10", "闺训千字文", 800, 2000},
    {"b11", "孔子与小儿论", 800, 2000},
    {"b12", "朱子治家格言", 800, 2000},
    {"b13", "百忍歌", 800, 2000},
    {"QM01", "起名常用汉字繁体字", 800, 3000},
    {"QM02", "姓名与命运", 800, 3000},
    {"QM03", "姓名与性格", 800, 3000},
    {"QM04", "五行与数字", 800, 3000},
    {"QM05", "五格剖象法", 800, 3000},
    {"QM06", "数理暗示因素", 800, 3000},
    {"QM07", "81数理运势诱导", 800, 3000},
    {"QM08", "姓名字划计算方法", 800, 3000},
    {"QM09", "天人地格三才配置", 800, 3000},
};

TEST(ArticlesContent, EveryArticleOfTheMenusHasItsRowAndTitle) {
  std::map<std::string, std::string> bodies;
  std::string missing;
  for (const Entry& e : kEntries) {
    // As the article window reads it.
    MemoryPane pane;
    const std::string title = LoadArticle(e.code, pane);
    if (pane.lines.empty()) {
      missing += std::string(" ") + e.code;
      continue;
    }
    EXPECT_EQ(GbkToUtf8(title), GbkToUtf8(e.title)) << e.code;
    std::string body;
    for (const std::string& line : pane.lines) body += line + "\n";
    const int n = CharCount(body);
    EXPECT_TRUE(n >= e.minChars && n <= e.maxChars)
        << e.code << " has " << n << " characters, not " << e.minChars << " to " << e.maxChars;
    EXPECT_GE(pane.lines.size(), 3u) << e.code << " is not divided into paragraphs";
    bodies[e.code] = body;
  }
  EXPECT_EQ(missing, "") << "articles without a row in table Noter of VelBirth.dll "
                            "(refdata/tables/VelBirth/Noter.tsv)";
  EXPECT_EQ(SharedSentences(bodies), "") << "sentences shared between articles";
}

// The double hours as the pages pair them.
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

TEST(DivinationContent, PagesHaveTheirLinesInTheirOrder) {
  const std::vector<std::string> sneeze = DivinationReadings(0);
  EXPECT_EQ(sneeze.front(), "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。");
  if (!sneeze.back().empty()) {
    EXPECT_EQ(sneeze.back().rfind("晚上11点-凌晨1点", 0), 0u) << GbkToUtf8(sneeze.back());
  }
  std::map<std::string, std::string> lines;
  std::string missing;
  for (int page = 0; page < kDivinationPages; ++page) {
    const std::vector<std::string> readings = DivinationReadings(page);
    for (std::size_t i = 0; i < readings.size(); ++i) {
      const std::string& line = readings[i];
      const std::string where = "page " + std::to_string(page) + " line " + std::to_string(i + 1);
      if (line.empty()) {
        missing += " " + where + ";";
        continue;
      }
      lines[where] = line;
      if (page == 0) {
        // A two-hour period, then its reading.
        EXPECT_NE(line.find("点-"), std::string::npos) << where << ": " << GbkToUtf8(line);
        continue;
      }
      // Pages 1-5 pair a double hour with the one six places later, page 6
      // 子丑, 寅未, 卯申, 辰酉, 巳戌, 午亥.
      const int first = page == 6 ? (i == 0 ? 0 : static_cast<int>(i) + 1) : static_cast<int>(i);
      const int second = page == 6 ? (i == 0 ? 1 : static_cast<int>(i) + 6) : static_cast<int>(i) + 6;
      const std::string a = std::string(kBranches[first]) + "时：";
      const std::string b = std::string(kBranches[second]) + "时：";
      EXPECT_EQ(line.rfind(a, 0), 0u) << where << " should begin with " << GbkToUtf8(a);
      const std::size_t at = line.find(b);
      ASSERT_NE(at, std::string::npos) << where << " should hold " << GbkToUtf8(b);
      if (page == 4 || page == 6) {
        // A left and a right reading for each double hour.
        for (const std::string& half : {line.substr(0, at), line.substr(at)})
          EXPECT_TRUE(half.find("左") != std::string::npos && half.find("右") != std::string::npos)
              << where << ": " << GbkToUtf8(half);
      }
    }
  }
  EXPECT_EQ(DivinationReadings(1).front(), "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。");
  EXPECT_EQ(DivinationReadings(4).front(), "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。");
  EXPECT_EQ(missing, "") << "divination lines not supplied (run tools/fortune_texts.py on the content files)";
  EXPECT_EQ(SharedSentences(lines), "") << "sentences shared between divination lines";
}

TEST(BoyOrGirlContent, TheArticleHasAHeadingAndParagraphs) {
  const std::vector<std::string> lines = BoyOrGirlArticle();
  ASSERT_FALSE(lines.empty()) << "the boy-or-girl article has not been supplied "
                                 "(run tools/fortune_texts.py on the content files)";
  int paragraphs = 0;
  int chars = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (Trim(lines[i]).empty()) continue;
    ++paragraphs;
    chars += CharCount(Trim(lines[i]));
  }
  const int heading = CharCount(Trim(lines[0]));
  EXPECT_TRUE(heading >= 2 && heading <= 20) << "heading: " << GbkToUtf8(lines[0]);
  EXPECT_GE(paragraphs, 2);
  // Short enough to read as a picture.
  EXPECT_TRUE(chars >= 150 && chars <= 1200) << chars << " characters";
}

}  // namespace
}  // namespace lumeno::fortune::content
