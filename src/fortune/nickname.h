#pragma once
// The nickname reading: the pinyin initials of a GBK text (PinyinInitials),
// digits turned into letters, and the trait of the last letter. Texts are
// GBK; no database is needed.
#include <cstdint>
#include <optional>
#include <string>

namespace lumeno::fortune {

// Option bits of PinyinInitials.
inline constexpr int kWholeSyllables = 1;  // bit 0: whole syllables, else first letters
inline constexpr int kMarkUnread = 2;      // bit 1: "?" for a character without a reading
inline constexpr int kKeepSingleBytes = 4; // bit 2: keep every single-byte character,
                                           //        else only ASCII letters and digits

// The reading tables PinyinInitials looks characters up in: one entry per
// double-byte code (lead 0x81-0xFE, trail 0x40-0xFE) at (lead - 0x81) * 191 +
// (trail - 0x40), 0 for no reading, else the 1-based number of a syllable.
struct PinyinTables {
  const std::uint16_t* index;
  int indexSize;
  const char* const* syllables;
  int syllableCount;
};
// The tables built into the program.
const PinyinTables& BuiltInPinyinTables();

// The upper-case pinyin of a GBK text, walking it from the start:
//  * a single byte (below 0x81, or a lead byte whose next byte is below 0x40
//    or missing) is kept in upper case when it is an ASCII letter or digit,
//    or whatever it is with kKeepSingleBytes;
//  * row 0xA2: the numbered signs give their numbers (①-⑩, ⑴-⒇, ⅰ-ⅹ,
//    Ⅰ-Ⅻ ...), other codes of the row nothing;
//  * row 0xA3 (full-width ASCII): the ASCII character, case kept, only a
//    letter or digit unless kKeepSingleBytes;
//  * row 0xA6: a Greek letter gives its Latin spelling, always whole (Θ TH);
//  * every other character: its syllable or the syllable's first letter.
// A character without a reading gives "?" with kMarkUnread, else nothing.
// The result is cut to `maxLength` bytes.
std::string PinyinInitials(const std::string& text, int options, int maxLength);
std::string PinyinInitials(const std::string& text, int options, int maxLength, const PinyinTables& tables);

// 1 to A, 2 to B ... 9 to I and 0 to J; everything else unchanged.
std::string DigitsToLetters(const std::string& text);

// The trait of a lower-case letter a-z as stored (f, h, i and j with a
// leading blank, h with a trailing one too); "" for anything else.
std::string LetterTrait(const std::string& letter);

// The trait of a nickname: PinyinInitials(nickname, kMarkUnread, 255), digits
// to letters, and the trait of the last letter in lower case. "" for an
// empty nickname and for a last character without a reading.
std::string NicknameTrait(const std::string& nickname);
std::string NicknameTrait(const std::string& nickname, const PinyinTables& tables);

// 测算 of the nickname window: the input trimmed; empty: message
// "请输入你的网名！" and nothing. Otherwise the nickname and its trait
// (trimmed), shown as "你的网名：" + nickname and "你的性格：" + trait; should
// the analysis fail, the trait line reads "请重新输入网名，请不要输入特殊字符！".
struct NicknameResult {
  std::string nickname, trait;
  bool failed = false;
  std::string NicknameLine() const { return "你的网名：" + nickname; }
  std::string TraitLine() const { return failed ? "请重新输入网名，请不要输入特殊字符！" : "你的性格：" + trait; }
};
std::optional<NicknameResult> NicknameAnalysis(const std::string& input);
std::optional<NicknameResult> NicknameAnalysis(const std::string& input, const PinyinTables& tables);

}  // namespace lumeno::fortune
