// The element query, the article look-up, the surname list and search, the
// divination pages' frame and the boy-or-girl chart, over small fixture
// databases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/error.h"
#include "core/gbk.h"
#include "core/pane.h"
#include "data/database.h"
#include "fortune/article.h"
#include "fortune/boy_girl.h"
#include "fortune/divination.h"
#include "fortune/element.h"
#include "fortune/surnames.h"
#include "support/fixture_db.h"

namespace lumeno::fortune {
namespace {

using lumeno::testing::CreateFixtureDatabase;

class ElementQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz,
                          {GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('张', '張', '火')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('三', '三', '金')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('丰', '豐', '水')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('李', '李', '木')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('四', '四', '土')"),
                           GbkToUtf8("INSERT INTO word(zi, ft, wuhang) VALUES ('王', '王', '土')"),
                           // A row whose key is a quote shows that the quote is
                           // looked up as a value.
                           "INSERT INTO word(zi, ft, wuhang) VALUES ('''a', '''a', 'x')"});
  }
  lumeno::testing::TempDir dir{"lumeno-element"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
  data::Query query{data::OwnRorurozConnectionString()};
};

TEST_F(ElementQueryTest, QueryTextQuotesThePiece) {
  EXPECT_EQ(ElementQuerySql("张"), "select wuhang from word where zi = '张' or ft = '张' ");
  EXPECT_EQ(ElementQuerySql("'a"), "select wuhang from word where zi = '''a' or ft = '''a' ");
}

TEST_F(ElementQueryTest, EachCharacterGivesItsElementInOrder) {
  struct Case {
    const char* what;
    std::string input;
    std::string result;
  } cases[] = {
      {"three characters", "张三丰", "火金水"},
      {"traditional forms", "張豐", "火水"},
      {"blanks around are trimmed", "  李四 ", "木土"},
      {"a character not in the table gives nothing", "张赵三", "火金"},
      {"only the first ten bytes are read", "张三丰李四王", "火金水木土"},
      {"pieces follow the bytes: A with half of 张, then its other half", "A张", ""},
      {"a single quote is a value like any other", "'a", "x"},
      {"quotes that would end the text", "' or '1'='1", ""},
  };
  for (const Case& c : cases) {
    std::optional<std::string> r = ElementsOfText(c.input, query);
    ASSERT_TRUE(r) << c.what;
    EXPECT_EQ(GbkToUtf8(*r), GbkToUtf8(c.result)) << c.what;
  }
  EXPECT_FALSE(ElementsOfText("", query));
  EXPECT_FALSE(ElementsOfText("   ", query));
  EXPECT_EQ(CharacterElementOf("张", query), "火");
  EXPECT_FALSE(query.Active());
}

TEST_F(ElementQueryTest, CuttingIntoBytePairsAndToTheFieldsLimit) {
  EXPECT_EQ(BytePairs("A张"), (std::vector<std::string>{"A\xD5", "\xC5"}));
  EXPECT_EQ(BytePairs("张三丰李四王"), (std::vector<std::string>{"张", "三", "丰", "李", "四"}));
  EXPECT_TRUE(BytePairs("").empty());
  EXPECT_EQ(CutToBytes("张三丰李四王", 10), "张三丰李四");
  EXPECT_EQ(CutToBytes("A张三丰李四", 10), "A张三丰李");  // 四 would overrun
  EXPECT_EQ(CutToBytes("ab", 10), "ab");
}

TEST_F(ElementQueryTest, ADatabaseFailureIsNotCaught) {
  lumeno::testing::TempDir empty{"lumeno-nodb"};
  lumeno::testing::ScopedProgramDirectory elsewhere{empty.path()};
  data::Query missing{data::OwnRorurozConnectionString()};
  EXPECT_THROW(ElementsOfText("张", missing), data::DataError);
}

class ArticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFixtureDatabase(
        dir.path(), data::DatabaseFile::VelBirth,
        {GbkToUtf8("INSERT INTO Noter(Cid, Tite, content) VALUES ('a1', ' 姓名原理 ', ' 第一段。' || char(13) || "
                   "char(10) || '第二段。' || char(10) || char(10) || '第四段。 ')"),
         GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (1, '张', ' 张姓来源。' || char(10) || '第二行。')"),
         GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (2, ' 王 ', '王姓来源。')"),
         GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (3, '欧阳', '欧阳来源。')"),
         GbkToUtf8("INSERT INTO xing(id, xingl, intro) VALUES (4, '李', '李姓来源。')")});
  }
  lumeno::testing::TempDir dir{"lumeno-article"};
  lumeno::testing::ScopedProgramDirectory programDirectory{dir.path()};
};

TEST_F(ArticleTest, AnArticleKeepsItsLineBreaksAndGivesItsTitle) {
  MemoryPane pane;
  EXPECT_EQ(LoadArticle("a1", pane), "姓名原理");
  EXPECT_EQ(pane.lines, (std::vector<std::string>{"第一段。", "第二段。", "", "第四段。"}));
}

TEST_F(ArticleTest, AnUnknownCodeClearsThePaneAndKeepsTheDefaultTitle) {
  for (const char* code : {"b13", "", "a1' or '1'='1"}) {
    MemoryPane pane;
    pane.lines = {"旧的"};
    EXPECT_EQ(LoadArticle(code, pane), "算命") << code;
    EXPECT_TRUE(pane.lines.empty()) << code;
  }
}

TEST_F(ArticleTest, AFailingQueryCancelsTheCommand) {
  lumeno::testing::TempDir empty{"lumeno-nodb"};
  lumeno::testing::ScopedProgramDirectory elsewhere{empty.path()};
  MemoryPane pane;
  EXPECT_THROW(LoadArticle("a1", pane), CommandCancelled);
  EXPECT_TRUE(pane.lines.empty());
}

TEST_F(ArticleTest, SurnamesAreListedInTheOrderOfTheirCodesAndSearched) {
  data::Query query(data::ConnectionStringFor(data::DatabaseFile::VelBirth));
  // In the order of the stored texts (GBK codes: 李 C0EE, 欧阳 C5B7, 张 D5C5;
  // the stored " 王 " begins with a blank), blanks removed.
  EXPECT_EQ(SurnameList(query), (std::vector<std::string>{"王", "李", "欧阳", "张"}));

  SurnameSearch r = SearchSurname(" 欧阳 ", query);
  EXPECT_EQ(r.action, SurnameSearch::Action::Show);
  EXPECT_EQ(r.lines, std::vector<std::string>{"欧阳来源。"});
  EXPECT_EQ(SearchSurname("张", query).lines, (std::vector<std::string>{"张姓来源。", "第二行。"}));
  EXPECT_EQ(SearchSurname("  ", query).action, SurnameSearch::Action::Clear);
  EXPECT_EQ(SearchSurname("赵", query).action, SurnameSearch::Action::Keep);
  EXPECT_EQ(SearchSurname("O'Neil", query).action, SurnameSearch::Action::Keep);
}

TEST(Divination, KindsCaptionsAndThePagesFrame) {
  const char* captions[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                            "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
  for (int kind = 0; kind < kDivinationPages; ++kind) {
    EXPECT_EQ(std::string(DivinationCaption(kind)), captions[kind]);
    EXPECT_EQ(DivinationKindOf(DivinationCommand(kind)), kind);
    EXPECT_EQ(DivinationKindOf(captions[kind]), kind);
    EXPECT_EQ(DivinationKindOf(std::to_string(kind)), kind);
    // Readings with an empty line between two of them.
    const std::vector<std::string> readings = DivinationReadings(kind);
    EXPECT_EQ(readings.size(), kind == 0 ? 12u : 6u);
    const std::vector<std::string> page = DivinationPage(kind);
    ASSERT_EQ(page.size(), readings.size() * 2 - 1);
    for (std::size_t i = 0; i < page.size(); ++i) EXPECT_EQ(page[i], i % 2 ? "" : readings[i / 2]);
  }
  EXPECT_EQ(std::string(DivinationCommand(6)), "耳鸣测占卜");
  for (const char* none : {"7", "-1", "耳鸣", ""}) EXPECT_EQ(DivinationKindOf(none), -1) << none;
  EXPECT_TRUE(DivinationReadings(7).empty());
  EXPECT_EQ(DivinationExplanation(),
            (std::vector<std::string>{"说明：", "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
                                      "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
                                      "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点"}));
}

TEST(BoyOrGirlChart, EveryCellAsTheChartGivesIt) {
  // B 男, G 女; months 1-12, ages 18 to 44.
  const char* rows[12] = {
      "GBGBGBBGBGBGBB" "BGBBGBGBGBGBB", "BGBGBBGBGBGBGG" "GBGBBGBGBGBGB", "GBGGBGBGBGBGGB" "BGBGBBGBGBGBG",
      "BGBGGBBGBGGBGG" "GBGBGBBBBGBGB", "BGBGBBGBGGGBGG" "GGGGBGBBGBGBB", "BBBGGGBGBGGBGG" "GGGGGBGGBGBGB",
      "BBBGGBBBGBBBGG" "GGGGGGBGBBGBG", "BGBGBGGBBBBBGG" "GBGBGBGBGBBGB", "BGBGGBGBGBBBGG" "GGGGBGBGBGBBG",
      "BGGGGBGBGGBGBG" "GGGGBBGBGBGBB", "BBBGGBGBGBGGGB" "BGBGBGBGBGBBG", "BBBGGGGBGBGGBB" "BBBBGBBGBBGBG",
  };
  for (int month = 1; month <= 12; ++month) {
    for (int age = 18; age <= 44; ++age) {
      const char expected = rows[month - 1][age - 18];
      EXPECT_EQ(std::string(BoyOrGirl(age, month)), expected == 'B' ? "男" : "女") << month << "/" << age;
    }
  }
  for (auto [age, month] : {std::pair{17, 1}, {45, 1}, {18, 0}, {18, 13}})
    EXPECT_EQ(std::string(BoyOrGirl(age, month)), "") << age << "/" << month;
  EXPECT_EQ(std::string(kChartContinuedHeading), "续表：32-44岁");
}

}  // namespace
}  // namespace lumeno::fortune
