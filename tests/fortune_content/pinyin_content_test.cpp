// The reading tables behind the nickname reading: their form, the initials
// of the first level of GB2312 with its exceptions, the readings of the
// characters with several, and the examples of the nickname window.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "content_checks.h"
#include "fortune/nickname.h"

namespace lumeno::fortune::content {
namespace {

const PinyinTables& Tables() { return BuiltInPinyinTables(); }

std::string Code(unsigned lead, unsigned trail) {
  return std::string{static_cast<char>(lead), static_cast<char>(trail)};
}

class PinyinContent : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Tables().indexSize, 24066) << "the pinyin reading tables are not part of the fortune library yet "
                                            "(fortune/pinyin_tables.h and its generated tables)";
  }
};

TEST_F(PinyinContent, SyllablesAreLowerCaseLettersWithoutTones) {
  // Every syllable of standard Mandarin, and the rare ones the characters
  // need (the build notes say which).
  EXPECT_GE(Tables().syllableCount, 400);
  std::set<std::string> syllables;
  for (int i = 0; i < Tables().syllableCount; ++i) {
    const std::string s = Tables().syllables[i];
    EXPECT_TRUE(!s.empty() && s.size() <= 6) << "syllable " << i + 1 << ": " << s;
    for (char c : s) EXPECT_TRUE(c >= 'a' && c <= 'z') << "syllable " << i + 1 << ": " << s;
    EXPECT_TRUE(syllables.insert(s).second) << s << " twice";
  }
  for (const char* s : {"lv", "nv", "lue", "nue", "m", "n", "ei", "dia"}) EXPECT_EQ(syllables.count(s), 1u) << s;
}

TEST_F(PinyinContent, FirstLevelCharactersHaveTheInitialOfTheirSection) {
  struct Section {
    unsigned code;
    char letter;
  };
  const Section sections[] = {{0xB0A1, 'A'}, {0xB0C5, 'B'}, {0xB2C1, 'C'}, {0xB4EE, 'D'}, {0xB6EA, 'E'},
                              {0xB7A2, 'F'}, {0xB8C1, 'G'}, {0xB9FE, 'H'}, {0xBBF7, 'J'}, {0xBFA6, 'K'},
                              {0xC0AC, 'L'}, {0xC2E8, 'M'}, {0xC4C3, 'N'}, {0xC5B6, 'O'}, {0xC5BE, 'P'},
                              {0xC6DA, 'Q'}, {0xC8BB, 'R'}, {0xC8F6, 'S'}, {0xCBFA, 'T'}, {0xCDDA, 'W'},
                              {0xCEF4, 'X'}, {0xD1B9, 'Y'}, {0xD4D1, 'Z'}};
  // Characters whose reading is not that of their section; 佛 and 给 have
  // readings of their own and so keep their sections' letters.
  const std::pair<const char*, char> exceptions[] = {
      {"耙", 'P'}, {"辟", 'P'}, {"长", 'Z'}, {"匙", 'S'}, {"幢", 'Z'}, {"翟", 'Z'}, {"调", 'T'},
      {"囤", 'T'}, {"脯", 'P'}, {"蛤", 'H'}, {"夯", 'B'}, {"貉", 'M'}, {"槛", 'K'}, {"侥", 'Y'},
      {"咯", 'G'}, {"瀑", 'B'}, {"刹", 'C'}, {"宿", 'X'}, {"厦", 'S'}, {"挟", 'J'}, {"行", 'H'},
      {"畜", 'C'}, {"吁", 'X'}, {"曾", 'C'}, {"栅", 'S'}};
  int wrong = 0;
  for (unsigned lead = 0xB0; lead <= 0xD7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      const unsigned code = lead << 8 | trail;
      if (code > 0xD7F9) continue;
      const std::string c = Code(lead, trail);
      char expected = 0;
      for (const Section& s : sections)
        if (code >= s.code) expected = s.letter;
      for (const auto& [character, letter] : exceptions)
        if (c == character) expected = letter;
      const std::string initial = PinyinInitials(c, kMarkUnread, 255);
      if (initial != std::string(1, expected) && ++wrong <= 20)
        ADD_FAILURE() << GbkToUtf8(c) << " (" << std::hex << code << ") gives " << initial << ", not " << expected;
    }
  }
  EXPECT_EQ(wrong, 0) << "first-level characters with another initial";
}

TEST_F(PinyinContent, CharactersWithSeveralReadingsCarryTheCommonOne) {
  const std::pair<const char*, const char*> readings[] = {
      {"行", "HANG"}, {"长", "ZHANG"}, {"重", "ZHONG"}, {"还", "HUAN"}, {"朝", "CHAO"},
      {"曾", "CENG"}, {"都", "DOU"},   {"了", "LE"},    {"嗯", "EN"},   {"给", "GEI"}, {"佛", "FO"}};
  for (const auto& [character, syllable] : readings)
    EXPECT_EQ(PinyinInitials(character, kWholeSyllables, 255), syllable) << GbkToUtf8(character);
}

TEST_F(PinyinContent, ChineseCharactersHaveReadingsAndSignsHaveNone) {
  // Every character of GB2312 (but 髟, which may stand without) reads.
  std::string unread;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead)
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) continue;
      const std::string c = Code(lead, trail);
      if (c == "髟") continue;
      if (PinyinInitials(c, kMarkUnread, 255) == "?") unread += " " + GbkToUtf8(c);
    }
  EXPECT_EQ(unread, "") << "GB2312 characters without a reading";
  // Unused codes, code 7F and the symbol rows have none.
  for (const std::string& c : {Code(0xD7, 0xFA), Code(0xD7, 0xFE), Code(0x81, 0x7F), Code(0xA9, 0x96),
                               Code(0xA4, 0xA1), Code(0xA9, 0xA4), Code(0xA1, 0xA1), Code(0xA8, 0xA1)})
    EXPECT_EQ(PinyinInitials(c, kMarkUnread, 255), "?") << std::hex << (0xFF & c[0]) << (0xFF & c[1]);
}

TEST_F(PinyinContent, TheNicknameWindowsExamples) {
  EXPECT_EQ(PinyinInitials("小明", kMarkUnread, 255), "XM");
  EXPECT_EQ(PinyinInitials("吕布", kWholeSyllables | kMarkUnread, 255), "LVBU");
  EXPECT_EQ(PinyinInitials("吕布", kMarkUnread, 255), "LB");
  EXPECT_EQ(PinyinInitials("你好", kMarkUnread, 1), "N");
  EXPECT_EQ(NicknameTrait("小明"), LetterTrait("m"));
  EXPECT_EQ(NicknameTrait("给"), LetterTrait("g"));
  EXPECT_EQ(NicknameTrait("佛"), LetterTrait("f"));
  EXPECT_EQ(NicknameTrait("你〇"), "");
  EXPECT_EQ(NicknameTrait("你ぁ"), "");
}

}  // namespace
}  // namespace lumeno::fortune::content
