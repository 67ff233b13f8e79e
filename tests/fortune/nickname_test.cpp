// Pinyin initials, digits to letters and the nickname trait over a small
// reading table of a few characters, so every rule of the walk is seen
// whatever the shipped table holds.
#include <gtest/gtest.h>

#include <vector>

#include "core/gbk.h"
#include "data/info.h"
#include "fortune/nickname.h"

namespace lumeno::fortune {
namespace {

// 小 xiao, 明 ming, 吕 lv, 布 bu, 你 ni, 好 hao; every other code unread.
class SmallTable {
 public:
  SmallTable() : index_(24066, 0) {
    const struct {
      unsigned lead, trail;
      std::uint16_t syllable;
    } entries[] = {{0xD0, 0xA1, 1}, {0xC3, 0xF7, 2}, {0xC2, 0xC0, 3},
                   {0xB2, 0xBC, 4}, {0xC4, 0xE3, 5}, {0xBA, 0xC3, 6}};
    for (const auto& e : entries) index_[(e.lead - 0x81) * 191 + (e.trail - 0x40)] = e.syllable;
    // The last entry of the table (FE FE) names the last syllable, so a walk
    // past the end of the table would be seen by the sanitizer.
    index_.back() = 6;
    tables_ = {index_.data(), static_cast<int>(index_.size()), kSyllables, 6};
  }
  const PinyinTables& tables() const { return tables_; }

 private:
  static constexpr const char* kSyllables[] = {"xiao", "ming", "lv", "bu", "ni", "hao"};
  std::vector<std::uint16_t> index_;
  PinyinTables tables_{};
};

class NicknameTest : public ::testing::Test {
 protected:
  std::string Initials(const std::string& text, int options, int max = 255) {
    return PinyinInitials(text, options, max, table.tables());
  }
  SmallTable table;
};

TEST_F(NicknameTest, InitialsFollowTheRulesOfEachKindOfCharacter) {
  struct Case {
    const char* what;
    std::string text;
    int options;
    int max;
    std::string expected;
  } cases[] = {
      {"first letters", "小明", 2, 255, "XM"},
      {"whole syllables, u-umlaut as v", "吕布", 3, 255, "LVBU"},
      {"first letters of the same", "吕布", 2, 255, "LB"},
      {"whole syllables without the mark", "吕布", 1, 255, "LVBU"},
      {"ASCII letters upper-cased, digits kept", "ab12Z", 0, 255, "AB12Z"},
      {"ASCII punctuation and blanks dropped", "a-b c!", 2, 255, "ABC"},
      {"ASCII punctuation kept with bit 2", "a-b c!", 4, 255, "A-B C!"},
      {"a character without a reading, marked", "小〇", 2, 255, "X?"},
      {"a character without a reading, unmarked", "小〇", 0, 255, "X"},
      {"a kana has no reading", "ぁ", 2, 255, "?"},
      {"circled ten", "⑩", 2, 255, "10"},
      {"small roman one and ten", "ⅰⅹ", 0, 255, "110"},
      {"full stop twenty and parenthesised twenty", "⒛⒇", 0, 255, "2020"},
      {"parenthesised ideograph ten, roman twelve", "㈩Ⅻ", 0, 255, "1012"},
      {"a sign of row A2 outside the numbered ones gives nothing, marked or not", "\xA2\xAB\xA2\xFD", 2, 255, ""},
      {"row A2 below A1 is a character without a reading", "\xA2\x40", 2, 255, "?"},
      {"Greek capital omega", "Ω", 0, 255, "O"},
      {"Greek small omega", "ω", 0, 255, "O"},
      {"theta is spelt whole whatever bit 0 says", "Θ", 0, 255, "TH"},
      {"phi whole with syllables too", "\xA6\xD5", 1, 255, "PH"},
      {"an unassigned code between the Greek capitals and small letters", "\xA6\xB9", 2, 255, "?"},
      {"full-width small a keeps its case", "ａ", 2, 255, "a"},
      {"full-width exclamation mark dropped", "！", 2, 255, ""},
      {"full-width exclamation mark kept with bit 2", "！", 4, 255, "!"},
      {"row A3 below A1 is no ASCII sign", "\xA3\x40", 2, 255, "?"},
      {"maximum length 1", "你好", 2, 1, "N"},
      {"maximum length 0", "你好", 2, 0, ""},
      {"a lead byte at the end stands alone", "小\xD5", 2, 255, "X"},
      {"a lead byte at the end kept with bit 2", "小\xD5", 4, 255, "X\xD5"},
      {"a lead byte before a low byte is single", "\xD5" "0", 2, 255, "0"},
      {"lead FF is no code", "\xFF\x41", 2, 255, "?"},
      {"trail FF is no code", "\xFE\xFF", 2, 255, "?"},
      {"the last code of the table", "\xFE\xFE", 1, 255, "HAO"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Initials(c.text, c.options, c.max), c.expected) << c.what;
  }
}

TEST_F(NicknameTest, DigitsBecomeLetters) {
  EXPECT_EQ(DigitsToLetters("1234567890"), "ABCDEFGHIJ");
  EXPECT_EQ(DigitsToLetters("X?9a"), "X?Ia");
}

TEST_F(NicknameTest, LetterTraitsAsStored) {
  EXPECT_EQ(LetterTrait("a"), "好奇心强，专一");
  EXPECT_EQ(LetterTrait("h"), " 自立，自强，可依靠 ");
  EXPECT_EQ(LetterTrait("j"), " 煽情高手");
  EXPECT_EQ(LetterTrait("z"), "老实，想问题容易兜圈子");
  for (const char* notALetter : {"", "A", "?", "ab", "1"}) EXPECT_EQ(LetterTrait(notALetter), "") << notALetter;
}

TEST_F(NicknameTest, TheLastLetterDecidesTheTrait) {
  struct Case {
    std::string nickname;
    char letter;  // 0: no trait
  } cases[] = {
      {"小明", 'm'}, {"123", 'c'},  {"a0", 'j'},   {"⑩", 'j'}, {"Θ", 'h'}, {"Ω", 'o'},
      {"ａ", 'a'},   {"小〇", 0},   {"明ぁ", 0},   {"!?.", 0}, {"", 0},    {"〇小", 'x'},
  };
  for (const Case& c : cases) {
    const std::string expected = c.letter ? LetterTrait(std::string(1, c.letter)) : "";
    EXPECT_EQ(NicknameTrait(c.nickname, table.tables()), expected) << GbkToUtf8(c.nickname);
  }
}

TEST_F(NicknameTest, TheWindowsAnalysisTrimsAndReportsAnEmptyNickname) {
  data::RecordingInfoSink info;
  data::ScopedInfoSink scoped(&info);
  EXPECT_FALSE(NicknameAnalysis("   ", table.tables()));
  EXPECT_EQ(info.messages, std::vector<std::string>{"请输入你的网名！"});

  std::optional<NicknameResult> r = NicknameAnalysis(" 小明 ", table.tables());
  ASSERT_TRUE(r);
  EXPECT_EQ(r->NicknameLine(), "你的网名：小明");
  EXPECT_EQ(r->TraitLine(), "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
  // The stored blanks of h are not shown.
  r = NicknameAnalysis("Θ", table.tables());
  ASSERT_TRUE(r);
  EXPECT_EQ(r->TraitLine(), "你的性格：自立，自强，可依靠");
  // A last character without a reading leaves the trait line bare.
  r = NicknameAnalysis("〇", table.tables());
  ASSERT_TRUE(r);
  EXPECT_EQ(r->TraitLine(), "你的性格：");
  EXPECT_EQ(info.messages.size(), 1u);
}

}  // namespace
}  // namespace lumeno::fortune
