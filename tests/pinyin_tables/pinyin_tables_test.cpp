// The generated pinyin tables: layout, the initials of the first GB2312
// level with the characters GB2312 files under an older reading, the
// readings of common polyphones, and the codes that have no reading.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "core/gbk.h"
#include "fortune/pinyin_tables.h"

namespace lumeno::fortune {
namespace {

int IndexOf(int lead, int trail) { return (lead - 0x81) * 191 + (trail - 0x40); }

// The syllable of a GBK code, "" when it has none.
std::string SyllableAt(int lead, int trail) {
  int n = PinyinIndexTable[IndexOf(lead, trail)];
  if (n == 0) return "";
  if (n > PinyinSyllableCount) return "<bad syllable number>";
  return PinyinSyllableTable[n - 1];
}

// The syllable of a character given as a GBK literal.
std::string SyllableOf(const char* gbk) {
  const auto* b = reinterpret_cast<const unsigned char*>(gbk);
  EXPECT_EQ(std::strlen(gbk), 2u) << GbkToUtf8(gbk);
  return SyllableAt(b[0], b[1]);
}

TEST(PinyinTables, SyllableTableIsSortedLowerCaseAndHoldsTheRareSyllables) {
  ASSERT_GT(PinyinSyllableCount, 400);
  std::set<std::string> all;
  for (int i = 0; i < PinyinSyllableCount; ++i) {
    std::string s = PinyinSyllableTable[i];
    EXPECT_TRUE(!s.empty() && s.size() <= 6 && s.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
        << "syllable " << i + 1 << ": '" << s << "'";
    if (i > 0) {
      EXPECT_LT(std::string(PinyinSyllableTable[i - 1]), s);
    }
    all.insert(s);
  }
  for (const char* s : {"m", "n", "ei", "dia", "fo", "gei", "biao", "lv", "nv", "lue", "nue", "zhuang"})
    EXPECT_TRUE(all.count(s)) << s;
  for (const char* s : {"lve", "nve"}) EXPECT_FALSE(all.count(s)) << s;
  for (int i = 0; i < kPinyinIndexSize; ++i)
    ASSERT_LE(PinyinIndexTable[i], PinyinSyllableCount) << "entry " << i;
}

// GB2312 files its first level by reading: each code's section gives its
// initial, except for 25 characters filed under a reading they no longer
// carry.
TEST(PinyinTables, FirstLevelFollowsItsSectionsAndTheListedExceptions) {
  struct Section {
    int first;
    char letter;
  };
  const Section kSections[] = {
      {0xB0A1, 'a'}, {0xB0C5, 'b'}, {0xB2C1, 'c'}, {0xB4EE, 'd'}, {0xB6EA, 'e'}, {0xB7A2, 'f'},
      {0xB8C1, 'g'}, {0xB9FE, 'h'}, {0xBBF7, 'j'}, {0xBFA6, 'k'}, {0xC0AC, 'l'}, {0xC2E8, 'm'},
      {0xC4C3, 'n'}, {0xC5B6, 'o'}, {0xC5BE, 'p'}, {0xC6DA, 'q'}, {0xC8BB, 'r'}, {0xC8F6, 's'},
      {0xCBFA, 't'}, {0xCDDA, 'w'}, {0xCEF4, 'x'}, {0xD1B9, 'y'}, {0xD4D1, 'z'},
  };
  const std::map<std::string, char> kExceptions = {
      {"耙", 'p'}, {"辟", 'p'}, {"长", 'z'}, {"匙", 's'}, {"幢", 'z'}, {"翟", 'z'}, {"调", 't'},
      {"囤", 't'}, {"脯", 'p'}, {"蛤", 'h'}, {"夯", 'b'}, {"貉", 'm'}, {"槛", 'k'}, {"侥", 'y'},
      {"咯", 'g'}, {"瀑", 'b'}, {"刹", 'c'}, {"宿", 'x'}, {"厦", 's'}, {"挟", 'j'}, {"行", 'h'},
      {"畜", 'c'}, {"吁", 'x'}, {"曾", 'c'}, {"栅", 's'},
  };
  ASSERT_EQ(kExceptions.size(), 25u);
  int characters = 0, exceptionsSeen = 0, failures = 0;
  for (int lead = 0xB0; lead <= 0xD7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const int code = lead * 256 + trail;
      if (code > 0xD7F9) break;
      ++characters;
      char section = 0;
      for (const Section& s : kSections)
        if (code >= s.first) section = s.letter;
      const std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
      auto exception = kExceptions.find(ch);
      char want = section;
      if (exception != kExceptions.end()) {
        want = exception->second;
        ++exceptionsSeen;
      }
      const std::string got = SyllableAt(lead, trail);
      if ((got.empty() || got[0] != want) && ++failures <= 20)
        ADD_FAILURE() << GbkToUtf8(ch) << " (" << std::hex << code << "): '" << got << "', wanted initial " << want;
    }
  }
  EXPECT_EQ(characters, 3755);
  EXPECT_EQ(exceptionsSeen, 25);
  EXPECT_EQ(failures, 0);
}

TEST(PinyinTables, CommonCharactersAndPolyphonesReadAsNamed) {
  const std::pair<const char*, const char*> kCases[] = {
      {"吕", "lv"},   {"女", "nv"},   {"略", "lue"},  {"虐", "nue"}, {"长", "zhang"}, {"行", "hang"},
      {"重", "zhong"}, {"还", "huan"}, {"朝", "chao"}, {"曾", "ceng"}, {"都", "dou"},   {"了", "le"},
      {"嗯", "en"},   {"佛", "fo"},   {"给", "gei"},  {"髟", "biao"}, {"小", "xiao"},  {"明", "ming"},
      {"你", "ni"},   {"好", "hao"},  {"布", "bu"},   {"张", "zhang"}, {"綦", "qi"},   {"鑫", "xin"},
      {"張", "zhang"}, {"劉", "liu"},  {"囍", "xi"},
  };
  for (const auto& [ch, syllable] : kCases) EXPECT_EQ(SyllableOf(ch), syllable) << GbkToUtf8(ch);
}

TEST(PinyinTables, SymbolsUnusedCodesAndTrail7FHaveNoReading) {
  // Θ and Ω, 〇, a kana, a box-drawing sign, a full-width letter, a numbered sign.
  for (const char* symbol : {"Θ", "Ω", "θ", "〇", "ぁ", "┃", "ａ", "①"})
    EXPECT_EQ(SyllableOf(symbol), "") << GbkToUtf8(symbol);
  for (int lead = 0xA1; lead <= 0xA9; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail != 0x7F) {
        EXPECT_EQ(SyllableAt(lead, trail), "") << std::hex << lead << trail;
      }
    }
  }
  for (int trail = 0xFA; trail <= 0xFE; ++trail) EXPECT_EQ(SyllableAt(0xD7, trail), "") << std::hex << trail;
  for (int lead = 0x81; lead <= 0xFE; ++lead) EXPECT_EQ(PinyinIndexTable[IndexOf(lead, 0x7F)], 0) << std::hex << lead;
  // The user-defined area after GB2312's last row.
  EXPECT_EQ(SyllableAt(0xF8, 0xA1), "");
  EXPECT_EQ(SyllableAt(0xFE, 0xFE), "");
}

TEST(PinyinTables, EverySecondLevelCharacterHasAReading) {
  int missing = 0;
  for (int lead = 0xD8; lead <= 0xF7; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail)
      if (SyllableAt(lead, trail).empty() && ++missing <= 10)
        ADD_FAILURE() << GbkToUtf8(std::string{static_cast<char>(lead), static_cast<char>(trail)});
  EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace lumeno::fortune
