// The combination list: the zh query line by line, the entries it makes and
// how an entry is read back.
#include <gtest/gtest.h>

#include "core/error.h"
#include "data/database.h"
#include "data/query.h"
#include "naming/combination.h"
#include "naming_fixture.h"

namespace lumeno::naming {
namespace {

using Lines = std::vector<std::string>;

const char* const kOrder = " order by jxjx asc,zf asc";

TEST(CombinationQuery, LinesForEachSurnameFormSexAndFixedCharacter) {
  struct Case {
    const char* what;
    std::string surname;
    NameForm form;
    bool male;
    bool fixedOn;
    FixedStrokes fixed;
    bool minScoreOn;
    std::string minScore;
    Lines want;
  } cases[] = {
      {"one-character surname, two-character name, minimum 70: top 20 of kind 12, no sex line", "张",
       NameForm::TwoCharacters, true, false, {}, true, "70",
       {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 11 ",
        " and zf >= 70 ", kOrder}},
      {"one-character name: top 40 of kind 11; the minimum trimmed", "张", NameForm::OneCharacter, false, false, {},
       true, " 75 ",
       {"select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 and bh11 = 11 ",
        " and zf >= 75 ", kOrder}},
      {"fixed third character of 9 strokes: top 80 and bh22", "张", NameForm::TwoCharacters, true, true, {0, 9}, true,
       "70",
       {"select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 11 ",
        " and bh22 = 9 ", " and zf >= 70 ", kOrder}},
      {"fixed second character, minimum score off", "张", NameForm::TwoCharacters, true, true, {7, 0}, false, "70",
       {"select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 11 ",
        " and bh21 = 7 ", kOrder}},
      {"an empty minimum adds nothing", "张", NameForm::TwoCharacters, true, false, {}, true, "  ",
       {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 11 ",
        kOrder}},
      {"two-character surname, male: one blank before lx, the strict sex line", "欧阳", NameForm::TwoCharacters, true,
       false, {}, true, "70",
       {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 8 and "
        "bh12 = 6 ",
        " and xb = '男' ", " and zf >= 70 ", kOrder}},
      {"two-character surname, female", "欧阳", NameForm::TwoCharacters, false, false, {}, false, "70",
       {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 8 and "
        "bh12 = 6 ",
        " and xb = '女' ", kOrder}},
      {"two-character surname with the fixed box checked but no character yet: the looser sex line", "欧阳",
       NameForm::TwoCharacters, true, true, {}, true, "70",
       {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 8 and "
        "bh12 = 6 ",
        " and (xb = '男' or xb = '0') ", " and zf >= 70 ", kOrder}},
      {"two-character surname, one-character name, female", "欧阳", NameForm::OneCharacter, false, false, {}, true,
       "70",
       {"select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 21 and bh11 = 8 and "
        "bh12 = 6 ",
        " and (xb = '女' or xb = '0') ", " and zf >= 70 ", kOrder}},
      {"two-character surname, fixed third character: top 80, bh22, then the looser sex line", "欧阳",
       NameForm::TwoCharacters, false, true, {0, 9}, true, "70",
       {"select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 8 and "
        "bh12 = 6 ",
        " and bh22 = 9 ", " and (xb = '女' or xb = '0') ", " and zf >= 70 ", kOrder}},
  };
  for (const Case& c : cases) {
    NamingSettings s;
    s.form = c.form;
    s.male = c.male;
    s.fixedOn = c.fixedOn;
    s.minScoreOn = c.minScoreOn;
    s.minScore = c.minScore;
    const int s2 = c.surname.size() == 4 ? 6 : 0;
    EXPECT_EQ(CombinationQueryLines(s, c.surname, c.surname.size() == 4 ? 8 : 11, s2, c.fixed), c.want) << c.what;
  }
}

TEST(CombinationQuery, MinimumScoreThatIsNoNumberIsAnError) {
  NamingSettings s;
  s.minScore = "7O";
  EXPECT_THROW(CombinationQueryLines(s, "张", 11, 0, {}), GeneralError);
  s.minScoreOn = false;  // not read at all
  EXPECT_NO_THROW(CombinationQueryLines(s, "张", 11, 0, {}));
}

TEST(CombinationQuery, KindsByLengthAndForm) {
  EXPECT_EQ(CombinationKind("张", NameForm::OneCharacter), 11);
  EXPECT_EQ(CombinationKind("张", NameForm::TwoCharacters), 12);
  EXPECT_EQ(CombinationKind("欧阳", NameForm::OneCharacter), 21);
  EXPECT_EQ(CombinationKind("欧阳", NameForm::TwoCharacters), 22);
  // Any length but two bytes counts as a two-character surname.
  EXPECT_EQ(CombinationKind("x", NameForm::TwoCharacters), 22);
  EXPECT_EQ(CombinationKind("欧阳子", NameForm::TwoCharacters), 22);
}

TEST(CombinationEntryText, EachKind) {
  EXPECT_EQ(FormatCombinationEntry(11, 11, 0, "10", "0", "88"), "11|10(88分)");
  EXPECT_EQ(FormatCombinationEntry(12, 8, 0, "10", "6", "85"), "8|10-6(85分)");
  EXPECT_EQ(FormatCombinationEntry(21, 8, 6, "10", "0", "86"), "8-6|10(86分)");
  EXPECT_EQ(FormatCombinationEntry(22, 8, 6, "10", "12", "100"), "8-6|10-12(100分)");
}

TEST(CombinationEntryParsing, NumbersAndScorePart) {
  struct Case {
    const char* entry;
    NameForm form;
    bool readable;
    int g1, g2;
    const char* scorePart;
  } cases[] = {
      {"8|10-6(85分)", NameForm::TwoCharacters, true, 10, 6, "(85分)"},
      {"8|10-12(85分)", NameForm::TwoCharacters, true, 10, 12, "(85分)"},
      {"8|7(85分)", NameForm::OneCharacter, true, 7, 0, "(85分)"},
      {"8-6|3-24(100分)", NameForm::TwoCharacters, true, 3, 24, "(100分)"},
      {"8-6|17(100分)", NameForm::OneCharacter, true, 17, 0, "(100分)"},
      {"8|7(85分)", NameForm::TwoCharacters, false, 0, 0, ""},  // no second count
      {"8|x-6(85分)", NameForm::TwoCharacters, false, 0, 0, ""},
      {"8|10-(85分)", NameForm::TwoCharacters, false, 0, 0, ""},
      {"8|10", NameForm::OneCharacter, false, 0, 0, ""},
      {"", NameForm::TwoCharacters, false, 0, 0, ""},
  };
  for (const Case& c : cases) {
    std::optional<CombinationEntry> e = ParseCombinationEntry(c.entry, c.form);
    ASSERT_EQ(e.has_value(), c.readable) << c.entry;
    if (!e) continue;
    EXPECT_EQ(e->g1, c.g1) << c.entry;
    EXPECT_EQ(e->g2, c.g2) << c.entry;
    EXPECT_EQ(e->scorePart, c.scorePart) << c.entry;
  }
}

TEST(FixedCharacter, OnlyOneChineseCharacterIsAccepted) {
  struct Case {
    const char* text;
    bool ok;
  } cases[] = {{"星", true},  {" 星 ", true}, {"龘", true},  {"", false},  {"星月", false}, {"'", false},
               {"a", false},  {"x'", false},  {"，", false}, {"Ａ", false}, {"①", false}};
  for (const Case& c : cases) {
    NamingSettings s;
    s.fixedOn = true;
    s.fixedCharacter = c.text;
    EXPECT_EQ(FixedCharacterProblem(s, /*forRun=*/true).empty(), c.ok) << GbkToUtf8(c.text);
  }
  NamingSettings s;
  s.fixedOn = true;
  EXPECT_EQ(FixedCharacterProblem(s, /*forRun=*/true), kFixedCharacterMessage);
  EXPECT_EQ(FixedCharacterProblem(s, /*forRun=*/false), "");  // the list waits for the character
  s.fixedCharacter = "a'";
  EXPECT_EQ(FixedCharacterProblem(s, /*forRun=*/false), kFixedCharacterMessage);
  s.fixedOn = false;  // an unchecked box is never read
  EXPECT_EQ(FixedCharacterProblem(s, /*forRun=*/true), "");
}

class CombinationList : public ::testing::Test {
 protected:
  std::vector<std::string> Build(const std::string& surname, const NamingSettings& s) {
    return BuildCombinationList(query, surname, s);
  }
  testing::NamingDatabase db;
  lumeno::testing::ScopedProgramDirectory program{db.path()};
  data::Query query{data::OwnRorurozConnectionString()};
};

TEST_F(CombinationList, EntriesOfTheRecordsInRankOrder) {
  NamingSettings s;
  EXPECT_EQ(Build("张", s), (Lines{"11|10-6(85分)", "11|10-9(83分)", "11|4-12(81分)", "11|10-12(78分)"}));
  s.minScoreOn = false;
  EXPECT_EQ(Build("张", s).back(), "11|5-5(65分)");
  s.form = NameForm::OneCharacter;
  EXPECT_EQ(Build("张", s), (Lines{"11|10(88分)", "11|6(72分)"}));
  // The text sent is the lines joined with line breaks.
  EXPECT_EQ(query.Sql(),
            "select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 and bh11 = 11 "
            "\r\n order by jxjx asc,zf asc");
}

TEST_F(CombinationList, TwoCharacterSurnameBySex) {
  NamingSettings s;
  EXPECT_EQ(Build("欧阳", s), (Lines{"8-6|10-6(90分)", "8-6|10-12(80分)"}));
  s.male = false;
  EXPECT_EQ(Build("欧阳", s), (Lines{"8-6|10-6(90分)", "8-6|6-6(75分)"}));
  s.form = NameForm::OneCharacter;
  EXPECT_EQ(Build("欧阳", s), (Lines{"8-6|10(86分)"}));
}

TEST_F(CombinationList, FixedCharacterStrokesNarrowTheCombinations) {
  NamingSettings s;
  s.fixedOn = true;
  s.fixedPosition = FixedPosition::Third;
  s.fixedCharacter = "星";  // 9 strokes
  EXPECT_EQ(Build("张", s), (Lines{"11|10-9(83分)"}));
  s.fixedPosition = FixedPosition::Second;
  s.fixedCharacter = "浩";  // 10 strokes
  EXPECT_EQ(Build("张", s), (Lines{"11|10-6(85分)", "11|10-9(83分)", "11|10-12(78分)"}));
  // A traditional form is counted through ft.
  s.fixedCharacter = "晉";
  EXPECT_EQ(Build("张", s).size(), 3u);
}

TEST_F(CombinationList, UnknownCharactersCountZeroStrokes) {
  NamingSettings s;
  EXPECT_TRUE(Build("王", s).empty());
  s.fixedOn = true;
  s.fixedCharacter = "x'";  // reaches the stroke query safely, counts 0
  EXPECT_EQ(Build("张", s).size(), 4u);
}

TEST_F(CombinationList, MissingDatabaseRaisesForTheHandler) {
  data::Query elsewhere{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + db.path() + "/none/Roruroz.dll"};
  EXPECT_THROW(BuildCombinationList(elsewhere, "张", NamingSettings{}), data::DataError);
}

}  // namespace
}  // namespace lumeno::naming
